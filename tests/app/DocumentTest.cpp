// SPDX-License-Identifier: GPL-3.0-or-later
// The case as a document: changes since it was started, opened or saved, the
// question before leaving them, the recent projects, and a file given at start.
#include "app/Brenak.h"
#include "app/Events.h"
#include "app/ProjectCommands.h"
#include "app/ProjectHistory.h"
#include "app/StartUp.h"
#include "form/FileDialogs.h"
#include "form/NumberFormat.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace {

class AnsweringDialogs : public FileDialogs {
 public:
  QString AskOpenFile(const QString& folder, const QString&, const QString&) override {
    folders << folder;
    return open;
  }
  QString AskSaveFile(const QString& folder, const QString&, const QString&) override {
    folders << folder;
    return save;
  }
  SaveAnswer AskSaveChanges(const QString& name) override {
    asked << name;
    return answer;
  }
  QString open, save;
  SaveAnswer answer = SaveAnswer::Cancel;
  QStringList asked, folders;
};

class DocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDecimalSeparator('.');
    CreateMainWindow(app, dir.path());
    app.dialogs = &dialogs;
    app.settings = &settings;
  }
  void TearDown() override { ResetDecimalSeparator(); }
  QString Path(const QString& name) const { return dir.filePath(name); }
  void Type(const char* field, const char* text) {
    app.form.UserClick(field);
    app.form.UserType(field, text);
    app.form.UserLeave(field);
  }

  QTemporaryDir dir;
  QSettings settings{dir.filePath("brenak.ini"), QSettings::IniFormat};
  RecordingMessageSink sink;
  Brenak app{sink};
  AnsweringDialogs dialogs;
};

TEST_F(DocumentTest, TheUsersChangesMarkTheCaseAndTheTitleShowsIt) {
  EXPECT_FALSE(app.modified);
  EXPECT_EQ(MainWindowTitle(app), QStringLiteral("Sin título[*] - ") + MainWindowCaption());
  // Opening a chooser list and calculating change nothing of the case.
  app.form.UserClick("SpeedButton11");
  app.form.UserSelect("RGAislantes", 1);
  app.form.UserClick("SpeedButton1");
  EXPECT_FALSE(app.modified);

  Type("EditTi", "30");
  EXPECT_TRUE(app.modified);
  ASSERT_TRUE(SaveProjectFile(app, Path("caso.txt")));
  EXPECT_FALSE(app.modified);
  EXPECT_EQ(MainWindowTitle(app), QStringLiteral("caso.txt[*] - ") + MainWindowCaption());
  app.form.UserSelect("RadioGroupCalcular", 0);
  EXPECT_TRUE(app.modified);
}

// Commands that leave the case as it was do not mark it changed: the element
// kind in use clicked again, or a pipe size applied once more; the results
// then stay too.
TEST_F(DocumentTest, OnlyARealChangeMarksTheCase) {
  app.form.UserClick("SpeedButton2");
  EXPECT_FALSE(app.modified) << "the plate clicked on a plate";
  app.form.UserClick("SpeedButton4");
  EXPECT_TRUE(app.modified);

  const auto chooseSize = [this](int row) {
    app.form.UserClick("SBRadio");
    app.form.UserSelect("RGTubAcero", row);
    app.form.UserClick("SpeedButton8");
  };
  chooseSize(5);
  Type("Edit2k", "0.04");
  Type("EditCondicionQ", "50");
  ASSERT_TRUE(SaveProjectFile(app, Path("tubo.txt")));
  app.form.UserClick("SpeedButton1");
  ASSERT_TRUE(app.form.Enabled("SBImpresor")) << (sink.shown.empty() ? QString() : sink.shown[0].text).toStdString();
  chooseSize(5);
  EXPECT_FALSE(app.modified);
  EXPECT_TRUE(app.form.Enabled("SBImpresor"));
  chooseSize(6);
  EXPECT_TRUE(app.modified);
  EXPECT_FALSE(app.form.Enabled("SBImpresor"));
}

TEST_F(DocumentTest, LeavingAChangedCaseAsksAndCancelKeepsEverything) {
  Type("EditTi", "30");
  // Nuevo, Abrir and Cerrar, each cancelled.
  bool closed = false;
  app.onClose = [&closed] { closed = true; };
  app.form.UserClick("SBNuevo");
  app.form.UserClick("SBAbrir");
  app.form.UserClick("SpeedButton3");
  EXPECT_EQ(dialogs.asked, (QStringList{"Sin título", "Sin título", "Sin título"}));
  EXPECT_TRUE(dialogs.folders.isEmpty());  // no file dialog after a cancel
  EXPECT_FALSE(closed);
  EXPECT_EQ(app.form.Text("EditTi"), QStringLiteral("30"));
  EXPECT_TRUE(app.modified);

  // Not saving: "Nuevo" goes ahead.
  dialogs.answer = SaveAnswer::Discard;
  app.form.UserClick("SBNuevo");
  EXPECT_EQ(app.form.Text("EditTi"), QStringLiteral("25"));
  EXPECT_FALSE(app.modified);
}

TEST_F(DocumentTest, SavingFromTheQuestionWritesTheFileAndANewCaseAsksWhere) {
  Type("EditTi", "30");
  dialogs.answer = SaveAnswer::Save;
  dialogs.save = Path("nuevo");  // a new case asks where, and gets its extension
  bool closed = false;
  app.onClose = [&closed] { closed = true; };
  app.form.UserClick("SpeedButton3");
  EXPECT_TRUE(closed);
  EXPECT_TRUE(QFile::exists(Path("nuevo.txt")));

  // A save that is cancelled keeps the window open.
  Type("EditTe", "5");
  closed = false;
  dialogs.save.clear();
  app.projectPath.clear();
  app.form.UserClick("SpeedButton3");
  EXPECT_FALSE(closed);
}

TEST_F(DocumentTest, RecentProjectsAndTheLastFolderAreRemembered) {
  for (int n = 0; n < kRecentProjects + 2; ++n) {
    ASSERT_TRUE(SaveProjectFile(app, Path(QString("p%1.txt").arg(n))));
  }
  const QStringList recent = RecentProjects(app);
  ASSERT_EQ(recent.size(), kRecentProjects);
  EXPECT_EQ(recent.first(), QFileInfo(Path("p9.txt")).absoluteFilePath());
  ASSERT_TRUE(OpenProjectFile(app, Path("p3.txt")));
  EXPECT_EQ(RecentProjects(app).first(), QFileInfo(Path("p3.txt")).absoluteFilePath());

  // The dialogs start in the folder used last, kept between runs.
  QSettings again(dir.filePath("brenak.ini"), QSettings::IniFormat);
  Brenak next{sink};
  CreateMainWindow(next, QStringLiteral("/opt/brenak"));
  next.settings = &again;
  next.dialogs = &dialogs;
  OpenProject(next);
  EXPECT_EQ(dialogs.folders.last(), QFileInfo(dir.path()).absoluteFilePath());

  // A recent project that has gone is taken off the list when it fails to open.
  QFile::remove(Path("p3.txt"));
  OpenRecentProject(app, Path("p3.txt"));
  EXPECT_FALSE(RecentProjects(app).contains(QFileInfo(Path("p3.txt")).absoluteFilePath()));
}

TEST_F(DocumentTest, AFileGivenAtStartIsOpenedAndABadOneLeavesTheStartCase) {
  Type("EditTi", "42");
  ASSERT_TRUE(SaveProjectFile(app, Path("dado.txt")));

  RecordingMessageSink startSink;
  Brenak started{startSink};
  CreateMainWindow(started, QStringLiteral("/opt/brenak"));
  OpenStartFile(started, {QStringLiteral("brenak"), Path("dado.txt")});
  EXPECT_EQ(started.form.Text("EditTi"), QStringLiteral("42"));
  EXPECT_EQ(started.projectPath, Path("dado.txt"));
  EXPECT_FALSE(started.modified);

  Brenak refused{startSink};
  CreateMainWindow(refused, QStringLiteral("/opt/brenak"));
  startSink.shown.clear();
  OpenStartFile(refused, {QStringLiteral("brenak"), Path("no-existe.txt")});
  ASSERT_EQ(startSink.shown.size(), 1u);
  EXPECT_EQ(refused.form.Text("EditTi"), QStringLiteral("25"));
  EXPECT_TRUE(refused.projectPath.isEmpty());
}

TEST_F(DocumentTest, ValuesFromAFileAreCheckedBeforeAnythingIsCalculated) {
  // A file that holds letters where a temperature goes.
  ASSERT_TRUE(SaveProjectFile(app, Path("malo.txt")));
  QFile file(Path("malo.txt"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QList<QByteArray> lines = file.readAll().split('\n');
  file.close();
  lines[1] = "\"abc\"";  // EditTi
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(lines.join('\n'));
  file.close();

  sink.shown.clear();
  ASSERT_TRUE(OpenProjectFile(app, Path("malo.txt")));
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, QStringLiteral("Se espera un nº real y no letras"));
  // Nobody left the field: the box names it.
  EXPECT_EQ(sink.shown[0].text, QStringLiteral("Temperatura interior (ºC)\nEl valor debe estar entre -100 y 200"));
  EXPECT_EQ(app.form.Text("EditTi"), QStringLiteral("abc"));  // nothing lost
  EXPECT_EQ(app.form.FocusRequest(), QStringLiteral("EditTi"));
  EXPECT_TRUE(app.form.Text("LabelQ").isEmpty());  // nothing calculated

  // Corrected, "Calcular" goes ahead; a value out of its limits is stopped the same way.
  app.form.SetText("EditTi", "25");
  app.form.SetText("EditCondicionQ", "500");
  sink.shown.clear();
  app.form.UserClick("SpeedButton1");
  ASSERT_FALSE(sink.shown.empty());
  EXPECT_EQ(sink.shown.back().caption, QStringLiteral("Valor fuera de límites"));
  app.form.SetText("EditCondicionQ", "15");
  sink.shown.clear();
  app.form.UserClick("SpeedButton1");
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_FALSE(app.form.Text("LabelQ").isEmpty());
}

TEST_F(DocumentTest, NuevoEmptiesAndHidesTheEconomicPanel) {
  app.form.UserSelect("RadioGroupCondicionP", 3);
  app.form.UserType("EditTi", "150");
  app.form.UserClick("SpeedButton1");
  ASSERT_TRUE(app.form.Visible("PanelEconomico"));
  ASSERT_FALSE(app.form.Text("LabelCT").isEmpty());
  dialogs.answer = SaveAnswer::Discard;
  app.form.UserClick("SBNuevo");
  EXPECT_FALSE(app.form.Visible("PanelEconomico"));
  for (const char* label : {"LabelEspEco", "LabelQEco", "LabelRTEco", "LabelCI", "LabelCT"}) {
    EXPECT_TRUE(app.form.Text(label).isEmpty()) << label;
  }
}

}  // namespace

namespace {

TEST_F(DocumentTest, AChangedInputTakesTheEconomicPanelAwayAndAnEmptyFieldCanBeLeft) {
  app.form.UserSelect("RadioGroupCondicionP", 3);
  app.form.UserType("EditTi", "150");
  app.form.UserClick("SpeedButton1");
  ASSERT_TRUE(app.form.Visible("PanelEconomico"));
  app.form.UserSelect("ComboBox1", 2);
  EXPECT_FALSE(app.form.Visible("PanelEconomico"));

  // Tabbing through an empty thickness shows no box and keeps no focus there.
  sink.shown.clear();
  app.form.UserLeave("Edit2e");
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_NE(app.form.FocusRequest(), QStringLiteral("Edit2e"));
}

}  // namespace
