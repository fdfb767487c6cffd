// SPDX-License-Identifier: GPL-3.0-or-later
// "Tabla de espesores" on the real window: opened from the toolbar, filled
// from the case on the window, copied and saved.

#include "WindowFixture.h"
#include "app/ProjectCommands.h"
#include "app/ThicknessTable.h"
#include "gui/ThicknessTableDialog.h"

#include <QAbstractAxis>
#include <QChart>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLineSeries>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

class ThicknessTableDialogTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    app.settings = &settings;
  }

  // Opens the table as the user does, with its boxes recorded.
  ThicknessTableDialog* Open() {
    Click("SBTablaEspesores");
    auto* dialog = window->findChild<ThicknessTableDialog*>();
    if (!dialog) return nullptr;
    dialog->tell = [this](const Message& message) { told.push_back(message); };
    return dialog;
  }
  void Press(ThicknessTableDialog* dialog, const char* button) {
    auto* b = dialog->findChild<QPushButton*>(QString::fromLatin1(button));
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
  }
  // Every cell of the dialog's table, row by row.
  static QList<QStringList> Cells(const QTableWidget* grid) {
    QList<QStringList> rows;
    for (int r = 0; r < grid->rowCount(); ++r) {
      QStringList row;
      for (int c = 0; c < grid->columnCount(); ++c) row << (grid->item(r, c) ? grid->item(r, c)->text() : QString());
      rows << row;
    }
    return rows;
  }

  QTemporaryDir dir;
  QSettings settings{dir.filePath("brenak.ini"), QSettings::IniFormat};
  std::vector<Message> told;
  // What the boxes said, for a failure's report.
  std::string Told() const {
    std::string all;
    for (const Message& m : told) all += m.text.toStdString() + '\n';
    return all;
  }
};

class ThicknessTableCommaTest : public ThicknessTableDialogTest {
 protected:
  QChar Separator() const override { return QLatin1Char(','); }
};

// The start case (a plate asked for the thickness that lets 15 W/m2 through)
// needs 33.06 mm: 40 mm is the commercial thickness.
TEST_F(ThicknessTableDialogTest, TheTableIsTheCaseOnTheWindowWithTheCommercialRowMarked) {
  ThicknessTableDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->ListEdit()->text(), ThicknessListText(RememberedThicknesses(app)));

  const ThicknessTable expected = BuildThicknessTable(app, RememberedThicknesses(app));
  QTableWidget* grid = dialog->TableWidget();
  ASSERT_TRUE(grid->isVisible());
  EXPECT_EQ(Cells(grid), expected.rows);
  for (int c = 0; c < grid->columnCount(); ++c) {
    EXPECT_EQ(grid->horizontalHeaderItem(c)->toolTip(), expected.header[c]);
  }

  const int marked = expected.commercialRow;
  ASSERT_GE(marked, 0);
  EXPECT_EQ(grid->item(marked, 0)->text(), QStringLiteral("40"));
  for (int r = 0; r < grid->rowCount(); ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(grid->item(r, 1)->font().bold(), r == marked);
    EXPECT_EQ(grid->item(r, 1)->background() == grid->item(marked, 1)->background(), r == marked);
  }

  // The chart: heat flow against thickness, a point a row, the commercial one marked.
  QChart* chart = dialog->Chart();
  auto* flow = qobject_cast<QLineSeries*>(chart->series().value(0));
  ASSERT_NE(flow, nullptr);
  EXPECT_EQ(flow->count(), grid->rowCount());
  EXPECT_EQ(flow->at(0), QPointF(10.0, expected.heatFlows[0]));
  QStringList titles;
  for (QAbstractAxis* axis : chart->axes()) titles << axis->titleText();
  EXPECT_TRUE(titles.contains(QStringLiteral("Flujo de calor (W/m2)"))) << titles.join(" | ").toStdString();

  // A changed case, worked out again: the table follows the window.
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  TypeInto("EditTi", "80");
  Press(dialog, "ThicknessCalculate");
  EXPECT_EQ(Cells(grid), BuildThicknessTable(app, RememberedThicknesses(app)).rows);
  EXPECT_NE(Cells(grid), expected.rows);
  EXPECT_TRUE(told.empty()) << Told();
}

TEST_F(ThicknessTableDialogTest, AListIsReadRememberedOrRefusedWithAMessage) {
  ThicknessTableDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  const QList<QStringList> before = Cells(dialog->TableWidget());

  dialog->ListEdit()->setText(QStringLiteral("10; diez"));
  Press(dialog, "ThicknessCalculate");
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].caption, kAtencion);
  EXPECT_EQ(told[0].id, MessageId::ThicknessListUnreadable) << Told();
  EXPECT_EQ(Cells(dialog->TableWidget()), before);

  // Either decimal separator, in any order; Enter in the list calculates,
  // and the list comes back in the order of the table.
  dialog->ListEdit()->setText(QStringLiteral("50; 25; 37,5; 25"));
  QTest::keyClick(dialog->ListEdit(), Qt::Key_Return);
  EXPECT_EQ(dialog->TableWidget()->rowCount(), 3);
  EXPECT_EQ(dialog->TableWidget()->item(0, 0)->text(), QStringLiteral("25"));
  EXPECT_EQ(dialog->ListEdit()->text(), QStringLiteral("25; 37.5; 50"));
  EXPECT_EQ(RememberedThicknesses(app), (std::vector<float>{25, 37.5f, 50}));
  EXPECT_EQ(told.size(), 1u);
}

// The humidity, hours and prices the table uses while the window does not
// show them: shown in the dialog with the window's values, changed there for
// the table, checked as the window checks them, left to the window when it
// shows them.
TEST_F(ThicknessTableDialogTest, FiguresTheWindowHidesAreShownAndUsed) {
  ThicknessTableDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  QLineEdit* hours = dialog->FigureEdit("EditNh");
  ASSERT_NE(hours, nullptr);
  ASSERT_TRUE(hours->isVisible());
  EXPECT_EQ(hours->text(), app.form.Text("EditNh"));
  EXPECT_TRUE(dialog->FigureEdit("EditFiE")->isVisible());

  hours->setText("1000");
  Press(dialog, "ThicknessCalculate");
  const QList<QStringList> given = BuildThicknessTable(app, RememberedThicknesses(app), {{"EditNh", 1000}}).rows;
  EXPECT_EQ(Cells(dialog->TableWidget()), given);
  EXPECT_NE(given, BuildThicknessTable(app, RememberedThicknesses(app)).rows);
  EXPECT_EQ(app.form.Text("EditNh"), "7920") << "the window keeps its own";

  hours->setText("9000");
  Press(dialog, "ThicknessCalculate");
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].id, MessageId::FieldOutOfLimits) << Told();
  // The box names the figure, as the dialog shows it.
  EXPECT_TRUE(told[0].text.startsWith(QStringLiteral("Horas de funcionamiento al año: "))) << Told();
  EXPECT_EQ(Cells(dialog->TableWidget()), given) << "the table stays as it was";

  // The economic thickness shows its figures on the window.
  hours->setText("1000");
  app.form.UserSelect("RadioGroupCondicionP", 3);
  window->Sync();
  Press(dialog, "ThicknessCalculate");
  EXPECT_FALSE(hours->isVisible());
  EXPECT_EQ(Cells(dialog->TableWidget()), BuildThicknessTable(app, RememberedThicknesses(app)).rows);
}

// On a 1366x768 screen the whole table shows without scrolling sideways, and
// the chart beside it has room for the titles of its axes.
TEST_F(ThicknessTableDialogTest, FitsASmallScreen) {
  ThicknessTableDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  for (const QSize screen : {QSize(1366, 728), QSize(1366, 768), QSize(1920, 1040)}) {
    SCOPED_TRACE(screen.width());
    dialog->resize(dialog->SizeFor(screen));
    QApplication::processEvents();
    EXPECT_LE(dialog->width(), screen.width());
    EXPECT_LE(dialog->height(), screen.height());
    QTableWidget* grid = dialog->TableWidget();
    EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
    int width = 0;
    for (int c = 0; c < grid->columnCount(); ++c) {
      width += grid->columnWidth(c);
      EXPECT_GE(grid->columnWidth(c), grid->horizontalHeader()->sectionSizeHint(c))
          << "heading cut: " << grid->horizontalHeaderItem(c)->text().toStdString();
    }
    EXPECT_LE(width, grid->viewport()->width());
    EXPECT_GE(dialog->LayerCombo()->width(), dialog->LayerCombo()->minimumSizeHint().width());

    QChart* chart = dialog->Chart();
    EXPECT_LE(QFontMetrics(chart->titleFont()).horizontalAdvance(chart->title()), chart->size().width());
    ASSERT_EQ(chart->axes().size(), 3) << "thickness, heat flow and cost";
    for (QAbstractAxis* axis : chart->axes()) {
      const double room = axis->orientation() == Qt::Vertical ? chart->plotArea().height() : chart->plotArea().width();
      EXPECT_LE(QFontMetrics(axis->titleFont()).horizontalAdvance(axis->titleText()), room)
          << axis->titleText().toStdString();
    }
  }
}

// A heat flow has no insulation mark: the table varies the case's insulant,
// named beside the list, and any other layer of the case can be chosen there
// until the dialog is closed.
TEST_F(ThicknessTableDialogTest, AHeatFlowVariesTheLayerShownOrTheOneChosen) {
  ASSERT_TRUE(OpenProjectFile(app, QStringLiteral(BRENAK_CASES_DIR "/plate_condensation.txt")));
  window->Sync();
  ThicknessTableDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  QComboBox* layer = dialog->LayerCombo();
  ASSERT_TRUE(layer->isVisible());
  EXPECT_EQ(layer->count(), 3);
  EXPECT_EQ(layer->currentText(), QStringLiteral("2 · Poliestireno expandido"));
  EXPECT_TRUE(dialog->TableWidget()->isVisible());
  const std::vector<float> list = RememberedThicknesses(app);
  EXPECT_EQ(Cells(dialog->TableWidget()), BuildThicknessTable(app, list).rows);

  layer->setFocus();
  QTest::keyClick(layer, Qt::Key_Up);
  EXPECT_EQ(dialog->Table().layer, 1);
  EXPECT_EQ(Cells(dialog->TableWidget()), BuildThicknessTable(app, list, {}, 1).rows);
  Press(dialog, "ThicknessCalculate");
  EXPECT_EQ(layer->currentIndex(), 0) << "the choice holds";

  dialog->close();
  ASSERT_EQ(Open(), dialog);
  EXPECT_EQ(layer->currentIndex(), 1) << "opened again: the case's insulant";

  // No layer is an insulant: the reason, until a layer is chosen.
  app.form.SetText("Edit2k", "0.5");
  Press(dialog, "ThicknessCalculate");
  EXPECT_TRUE(dialog->RefusalLabel()->isVisible());
  EXPECT_EQ(dialog->Table().refused, SweepRefusal::NoInsulatingLayer);
  EXPECT_EQ(layer->currentIndex(), -1);
  layer->setCurrentIndex(2);
  emit layer->activated(2);
  EXPECT_TRUE(dialog->TableWidget()->isVisible());
  EXPECT_EQ(dialog->Table().layer, 3);
  EXPECT_TRUE(told.empty()) << Told();
}

TEST_F(ThicknessTableDialogTest, ACaseThatCannotBeSweptShowsWhyInsteadOfTheTable) {
  app.form.SetChecked("RBAislante1", false);
  window->Sync();
  ThicknessTableDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->RefusalLabel()->isVisible());
  EXPECT_EQ(dialog->RefusalLabel()->text(), BuildThicknessTable(app, {10}).refusal);
  EXPECT_FALSE(dialog->TableWidget()->isVisible());
  EXPECT_FALSE(dialog->findChild<QPushButton*>("ThicknessCopy")->isEnabled());
  EXPECT_FALSE(dialog->findChild<QPushButton*>("ThicknessSaveCsv")->isEnabled());
}

// With a decimal comma: the clipboard gets tabs, the CSV semicolons, both
// with every row; the CSV is UTF-8.
TEST_F(ThicknessTableCommaTest, CopyAndSaveCarryTheWholeTable) {
  ThicknessTableDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  const int rows = dialog->TableWidget()->rowCount();

  QApplication::clipboard()->clear();
  Press(dialog, "ThicknessCopy");
  const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), rows + 1);
  EXPECT_EQ(lines[0].split('\t'), dialog->Table().header);
  EXPECT_EQ(lines[1].split('\t'), dialog->Table().rows[0]);

  const QString path = dir.filePath("tabla.csv");
  dialog->askCsvPath = [&](const QString&) { return path; };
  Press(dialog, "ThicknessSaveCsv");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));  // the mark that tells spreadsheets it is UTF-8
  const QString csv = QString::fromUtf8(bytes.mid(3));
  EXPECT_EQ(csv, TableAsCsv(dialog->Table()));
  EXPECT_TRUE(csv.contains(QStringLiteral("(ºC)")));
  EXPECT_TRUE(csv.split('\n').value(1).startsWith(QStringLiteral("10;")));
  EXPECT_TRUE(told.empty()) << Told();

  // A folder that does not exist: said, nothing written.
  dialog->askCsvPath = [&](const QString&) { return dir.filePath("no/existe/tabla.csv"); };
  Press(dialog, "ThicknessSaveCsv");
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].id, MessageId::TableNotSaved) << Told();
}

}  // namespace
