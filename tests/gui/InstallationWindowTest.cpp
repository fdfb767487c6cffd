// SPDX-License-Identifier: GPL-3.0-or-later
// The installation's window as a user meets it: opened from the main window,
// 200 sections on a 1366×768 screen and on a 1920×1080 one without a scroll
// bar besides the table's and without a text cut short, a cell edited in
// place, and a row opened in the main window. With BRENAK_SCREENSHOT_DIR set,
// the window is also saved there as pictures.
#include "WindowFixture.h"

#include "EnglishInterface.h"

#include "app/InstallationCommands.h"
#include "app/InstallationSample.h"
#include "app/InstallationSession.h"
#include "app/InstallationTableModel.h"
#include "gui/InstallationPanels.h"
#include "gui/InstallationWindow.h"
#include "gui/LayoutCheck.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <ostream>

namespace {

using Model = InstallationTableModel;

class InstallationWindowTest : public WindowTest {
 protected:
  InstallationWindow* Open() {
    QTest::keyClick(window.get(), Qt::Key_I, Qt::ControlModifier);
    InstallationWindow* installation = window->Installation();
    if (installation) installation->copyText = [this](const QString& text) { copied = text; };
    return installation;
  }
  // Fits the window to `size` and measures it, with the page `tab` of the
  // totals shown.
  LayoutReport Measure(InstallationWindow* w, const QSize& size, int tab) {
    w->resize(size);
    w->Panels()->setCurrentIndex(tab);
    SettleLayouts();
    return CheckLayout(w);
  }
  // The texts of the table that its columns cut: every heading, and the cells
  // of the rows in view.
  QStringList CutCells(InstallationWindow* w) {
    QStringList cut;
    QTableView* table = w->Table();
    const QFontMetrics metrics(table->font());
    const int padding = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
    for (int c = 0; c < Model::ColumnCount; ++c) {
      const int width = table->columnWidth(c);
      if (table->horizontalHeader()->sectionSizeHint(c) > width)
        cut << QStringLiteral("heading %1").arg(Model::ColumnName(c));
      for (int r = table->rowAt(0); r >= 0 && r <= table->rowAt(table->viewport()->height() - 1); ++r) {
        const QModelIndex index = w->Model().index(r, c);
        const int decoration = index.data(Qt::DecorationRole).isValid() ? table->iconSize().width() + 4 : 0;
        if (metrics.horizontalAdvance(index.data().toString()) + padding + decoration > width)
          cut << QStringLiteral("%1 of row %2").arg(Model::ColumnName(c)).arg(r + 1);
      }
    }
    return cut;
  }
  void SaveScreenshot(QWidget* w, const QString& name) {
    const QString folder = qEnvironmentVariable("BRENAK_SCREENSHOT_DIR");
    if (folder.isEmpty()) return;
    SettleLayouts();
    w->grab().save(QDir(folder).filePath(name));
  }

  QString copied;
};

TEST_F(InstallationWindowTest, OpensFromTheToolbarAndCtrlIOnce) {
  Click(QStringLiteral("SBInstalacion"));
  InstallationWindow* first = window->Installation();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->isVisible());
  EXPECT_TRUE(first->isWindow());
  EXPECT_TRUE(first->windowTitle().startsWith(QStringLiteral("Instalación")));
  EXPECT_EQ(Open(), first);
}

TEST_F(InstallationWindowTest, TwoHundredSectionsFitTheSmallAndTheLargeScreen) {
  InstallationWindow* w = Open();
  ASSERT_NE(w, nullptr);
  w->Session().Replace(SampleInstallation(200), QString(), false);
  for (const QSize& size : {QSize(1366, 740), QSize(1920, 1040)}) {
    for (int tab = 0; tab < w->Panels()->count(); ++tab) {
      const LayoutReport report = Measure(w, size, tab);
      EXPECT_EQ(report.size, size);
      EXPECT_TRUE(report.clipped.isEmpty()) << "tab " << tab << ": " << report.Json().toStdString();
    }
    // The table scrolls down through its rows, and shows a good part of them.
    EXPECT_TRUE(w->Table()->verticalScrollBar()->isVisible());
    EXPECT_GE(w->Table()->rowAt(w->Table()->viewport()->height() - 1), 10);
    EXPECT_EQ(CutCells(w), QStringList()) << size.width();
    if (size.width() == 1920) {
      EXPECT_FALSE(w->Table()->horizontalScrollBar()->isVisible());
    }
  }
}

// As a Spanish desktop writes numbers, with a decimal comma: the same fit, and
// the pictures of the window and its memorandum when asked for.
class SpanishInstallationWindowTest : public InstallationWindowTest {
 protected:
  QChar Separator() const override { return QLatin1Char(','); }
};

TEST_F(SpanishInstallationWindowTest, TwoHundredSectionsFitWithADecimalComma) {
  InstallationWindow* w = Open();
  ASSERT_NE(w, nullptr);
  w->Session().Replace(SampleInstallation(200), QStringLiteral("/obras/Hospital comarcal.brenak-instalacion.json"),
                       false);
  for (int tab = 0; tab < w->Panels()->count(); ++tab) {
    const LayoutReport report = Measure(w, QSize(1366, 740), tab);
    EXPECT_TRUE(report.clipped.isEmpty()) << "tab " << tab << ": " << report.Json().toStdString();
    SaveScreenshot(w, QStringLiteral("installation-%1.png").arg(tab));
  }
  EXPECT_EQ(CutCells(w), QStringList());
  // A 1366×768 screen whose desktop scales the letter by 1.25.
  const LayoutReport scaled = Measure(w, QSize(1093, 560), 0);
  EXPECT_TRUE(scaled.clipped.isEmpty()) << scaled.Json().toStdString();
  w->resize(1366, 740);
  EXPECT_TRUE(w->Model().index(0, Model::HeatFlow).data().toString().contains(QLatin1Char(',')));
  if (const QString folder = qEnvironmentVariable("BRENAK_SCREENSHOT_DIR"); !folder.isEmpty())
    ExportInstallationPdfFile(w->Session(), QDir(folder).filePath(QStringLiteral("installation.pdf")));
}

// The window built with the English translation in force: its commands,
// columns and pages speak English and still fit the small screen whole.
class EnglishInstallationWindowTest : public InstallationWindowTest {
 protected:
  EnglishInterface english;
};

TEST_F(EnglishInstallationWindowTest, TwoHundredSectionsFitInEnglish) {
  InstallationWindow* w = Open();
  ASSERT_NE(w, nullptr);
  w->Session().Replace(SampleInstallation(200), QStringLiteral("/works/County hospital.brenak-instalacion.json"),
                       false);
  EXPECT_TRUE(w->windowTitle().startsWith(QStringLiteral("Installation"))) << w->windowTitle().toStdString();
  EXPECT_EQ(w->Command(QStringLiteral("InstNueva"))->text(), QStringLiteral("New"));
  EXPECT_EQ(w->Panels()->tabText(1), QStringLiteral("RITE procedures"));
  EXPECT_EQ(w->Model().headerData(Model::Placing, Qt::Horizontal).toString(), QStringLiteral("Location"));
  for (int tab = 0; tab < w->Panels()->count(); ++tab) {
    const LayoutReport report = Measure(w, QSize(1366, 740), tab);
    EXPECT_TRUE(report.clipped.isEmpty()) << "tab " << tab << ": " << report.Json().toStdString();
    SaveScreenshot(w, QStringLiteral("installation-en-%1.png").arg(tab));
  }
  EXPECT_EQ(CutCells(w), QStringList());
  if (const QString folder = qEnvironmentVariable("BRENAK_SCREENSHOT_DIR"); !folder.isEmpty())
    ExportInstallationPdfFile(w->Session(), QDir(folder).filePath(QStringLiteral("installation-en.pdf")));
}

TEST_F(InstallationWindowTest, ACellTypedInPlaceRecalculatesItsRowAndTheTotals) {
  InstallationWindow* w = Open();
  ASSERT_NE(w, nullptr);
  w->Session().Replace(SampleInstallation(12), QString(), false);
  QTableView* table = w->Table();
  const QModelIndex length = w->Model().index(0, Model::Quantity);
  const QString before = w->Panels()->TotalsCell(1, 1)->text();
  table->setCurrentIndex(length);
  table->edit(length);
  auto* field = table->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(field, nullptr);
  field->selectAll();
  QTest::keyClicks(field, QStringLiteral("40"));
  QTest::keyClick(field, Qt::Key_Return);
  QCoreApplication::processEvents();
  EXPECT_EQ(w->Session().Document().rows[0].length, QStringLiteral("40"));
  EXPECT_NE(w->Panels()->TotalsCell(1, 1)->text(), before);
  EXPECT_TRUE(w->isWindowModified());

  // The element is chosen from its list, and the choice is the edit.
  const QModelIndex element = w->Model().index(1, Model::Element);
  table->setCurrentIndex(element);
  table->edit(element);
  auto* list = table->findChild<QComboBox*>(QStringLiteral("InstallationCellList"));
  ASSERT_NE(list, nullptr);
  EXPECT_FALSE(list->isEditable());
  list->setCurrentIndex(static_cast<int>(SectionElement::Duct));
  emit list->activated(static_cast<int>(SectionElement::Duct));
  QCoreApplication::processEvents();
  EXPECT_EQ(w->Session().Document().rows[1].element, SectionElement::Duct);
}

TEST_F(InstallationWindowTest, TheTotalsDataAreReadAndAWrongOneIsRefused) {
  InstallationWindow* w = Open();
  ASSERT_NE(w, nullptr);
  w->Session().Replace(SampleInstallation(12), QString(), false);
  InstallationPanels* panels = w->Panels();
  panels->SourceCombo()->setCurrentIndex(static_cast<int>(EnergySource::PeninsularElectricity));
  emit panels->SourceCombo()->activated(static_cast<int>(EnergySource::PeninsularElectricity));
  EXPECT_EQ(w->Session().Document().totals.source, EnergySource::PeninsularElectricity);
  EXPECT_EQ(ParseNumber(w->Session().Document().totals.co2Factor), 0.331f);

  panels->PowerEdit()->setText(QStringLiteral("mucha"));
  emit panels->PowerEdit()->editingFinished();
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].id, MessageId::FieldOutOfLimits);
  EXPECT_EQ(panels->PowerEdit()->text(), w->Session().Document().totals.maximumPower);

  Click(QStringLiteral("SBInstalacion"));
  panels->setCurrentIndex(2);
  panels->findChild<QPushButton*>(QStringLiteral("InstCopiarMedicion"))->click();
  EXPECT_TRUE(copied.contains(QStringLiteral("Coquilla lana de vidrio (valor típico)")));
}

TEST_F(InstallationWindowTest, ARowOpenedInTheMainWindowComesBackFromTheBar) {
  InstallationWindow* w = Open();
  ASSERT_NE(w, nullptr);
  w->Session().Replace(SampleInstallation(4), QString(), false);
  w->Table()->setCurrentIndex(w->Model().index(2, Model::Reference));
  w->Command(QStringLiteral("InstAbrirFila"))->trigger();
  EXPECT_EQ(Shown(QStringLiteral("EditReferencia")), QStringLiteral("T-003"));
  EXPECT_FALSE(Shown(QStringLiteral("LabelQ")).isEmpty());
  EXPECT_TRUE(w->LinkBar()->isVisibleTo(w));
  SaveScreenshot(window.get(), QStringLiteral("installation-row-in-main-window.png"));

  TypeInto(QStringLiteral("EditTi"), QStringLiteral("45"));
  w->findChild<QPushButton*>(QStringLiteral("InstTraer"))->click();
  EXPECT_EQ(w->Session().Document().rows[2].fluidTemperature, QStringLiteral("45"));
}

}  // namespace

namespace {

TEST_F(InstallationWindowTest, RowsAreAddedCopiedAndRemovedFromTheToolbar) {
  InstallationWindow* w = Open();
  ASSERT_NE(w, nullptr);
  ASSERT_EQ(w->Session().RowCount(), 0);
  EXPECT_FALSE(w->Command(QStringLiteral("InstEliminar"))->isEnabled());
  EXPECT_FALSE(w->Command(QStringLiteral("InstAbrirFila"))->isEnabled());

  w->Command(QStringLiteral("InstAnadir"))->trigger();
  ASSERT_EQ(w->Session().RowCount(), 1);
  EXPECT_TRUE(w->Command(QStringLiteral("InstAbrirFila"))->isEnabled());
  InstallationRow first = w->Session().Document().rows[0];
  first.reference = QStringLiteral("Montante");
  first.diameter = QStringLiteral("60.3");
  first.length = QStringLiteral("12");
  first.element = SectionElement::PipeInAirVertical;
  w->Session().SetRow(0, first);
  // A new row repeats the one it follows, but for its reference and length.
  w->Command(QStringLiteral("InstAnadir"))->trigger();
  ASSERT_EQ(w->Session().RowCount(), 2);
  const InstallationRow& second = w->Session().Document().rows[1];
  EXPECT_EQ(second.element, SectionElement::PipeInAirVertical);
  EXPECT_EQ(second.diameter, QStringLiteral("60.3"));
  EXPECT_TRUE(second.reference.isEmpty());
  EXPECT_TRUE(second.length.isEmpty());

  w->Table()->selectionModel()->clearSelection();
  w->Table()->setCurrentIndex(w->Model().index(0, Model::Reference));
  w->Command(QStringLiteral("InstDuplicar"))->trigger();
  ASSERT_EQ(w->Session().RowCount(), 3);
  EXPECT_EQ(w->Session().Document().rows[1], w->Session().Document().rows[0]);

  w->Table()->selectAll();
  w->Command(QStringLiteral("InstEliminar"))->trigger();
  EXPECT_EQ(w->Session().RowCount(), 0);
  EXPECT_EQ(w->Session().Results().totals.rowsCalculated, 0);
  EXPECT_FALSE(w->Command(QStringLiteral("InstEliminar"))->isEnabled());
}

}  // namespace
