// SPDX-License-Identifier: GPL-3.0-or-later
// The window's own dialogs and panels made while English is in force: their
// captions, headings and charts read in English.

#include "EnglishInterface.h"
#include "WindowFixture.h"
#include "app/UserMaterialCommands.h"
#include "gui/ThicknessTableDialog.h"

#include <QChart>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <memory>

namespace {

class EnglishWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    english = std::make_unique<EnglishInterface>();
    WindowTest::SetUp();
  }
  void TearDown() override {
    WindowTest::TearDown();
    english.reset();
  }
  QString ButtonText(const QWidget* holder, const char* name) const {
    const auto* button = holder->findChild<QAbstractButton*>(QString::fromLatin1(name));
    return button ? button->text() : QStringLiteral("(none)");
  }

  std::unique_ptr<EnglishInterface> english;
};

TEST_F(EnglishWindowTest, TheTableOfThicknessesReadsInEnglish) {
  Click("SBTablaEspesores");
  auto* dialog = window->findChild<ThicknessTableDialog*>();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Table of thicknesses"));
  EXPECT_EQ(ButtonText(dialog, "ThicknessSaveCsv"), QStringLiteral("Save CSV..."));

  // The headings carry the element's units; the notes in the cells follow.
  const QTableWidget* grid = dialog->TableWidget();
  ASSERT_GT(grid->columnCount(), 8);
  EXPECT_EQ(grid->horizontalHeaderItem(1)->toolTip(), QStringLiteral("Heat flow (W/m2)"));
  EXPECT_EQ(grid->horizontalHeaderItem(6)->toolTip(), QStringLiteral("Energy cost (euros/m2 per year)"));
  const int commercial = dialog->Table().commercialRow;
  ASSERT_GE(commercial, 0);
  EXPECT_EQ(grid->item(commercial, 10)->text(), QStringLiteral("commercial thickness"));

  const QChart* chart = dialog->Chart();
  ASSERT_NE(chart, nullptr);
  EXPECT_TRUE(chart->title().startsWith(QStringLiteral("Heat flow"))) << chart->title().toStdString();
  EXPECT_TRUE(chart->title().endsWith(QStringLiteral("against thickness"))) << chart->title().toStdString();
}

TEST_F(EnglishWindowTest, TheMaterialChooserAndTheSoilTableReadInEnglish) {
  QTemporaryDir dir;
  LoadUserMaterialLibrary(app, dir.filePath(QStringLiteral("materiales.json")));
  window->Sync();
  EXPECT_EQ(ButtonText(window.get(), "UserMaterialAdd"), QStringLiteral("New material..."));
  EXPECT_EQ(ButtonText(window.get(), "UserMaterialDelete"), QStringLiteral("Delete"));
  const auto* none = window->findChild<QLabel*>(QStringLiteral("UserMaterialsEmpty"));
  ASSERT_NE(none, nullptr);
  EXPECT_EQ(none->text(), QStringLiteral("No materials of your own yet."));

  QStringList captions;
  for (const QLabel* label : window->findChildren<QLabel*>()) captions << label->text();
  EXPECT_TRUE(captions.contains(QStringLiteral("January")));
  EXPECT_TRUE(captions.contains(QStringLiteral("Annual swing")));
  EXPECT_FALSE(captions.contains(QStringLiteral("Enero")));
}

}  // namespace
