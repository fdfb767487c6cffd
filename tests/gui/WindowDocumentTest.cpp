// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a document: its title, the question before a changed case is
// left by closing the window, the recent projects on "Abrir", and the window's
// place kept between runs.

#include "WindowFixture.h"

#include "app/ProjectHistory.h"
#include "form/FileDialogs.h"
#include "gui/WindowDocument.h"

#include <QFile>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

// Answers the question about unsaved changes as told, and notes each asking.
class AnsweringDialogs : public FileDialogs {
 public:
  SaveAnswer answer = SaveAnswer::Cancel;
  QStringList asked;
  SaveAnswer AskSaveChanges(const QString& name) override {
    asked << name;
    return answer;
  }
  QString AskOpenFile(const QString&, const QString&, const QString&) override { return {}; }
  QString AskSaveFile(const QString& folder, const QString&, const QString& extension) override {
    savesAsked << extension + QLatin1Char(':') + folder;
    return saveAnswer;
  }
  QStringList savesAsked;  // "extension:folder" of each save dialog
  QString saveAnswer;
};

class DocumentTest : public WindowTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    settings = std::make_unique<QSettings>(folder.filePath("brenak.ini"), QSettings::IniFormat);
    app.settings = settings.get();
    app.dialogs = &dialogs;
    WindowTest::SetUp();
  }
  void TearDown() override {
    WindowTest::TearDown();
    app.settings = nullptr;
  }
  // A copy of a project of tests/cases in the test's folder.
  QString CopyOfCase(const QString& name, const QString& as) {
    const QString path = folder.filePath(as);
    QFile::copy(QStringLiteral(BRENAK_CASES_DIR "/") + name, path);
    return path;
  }
  QMenu* RecentMenu() {
    QMenu* menu = As<QToolButton>("SBAbrir")->menu();
    if (menu) emit menu->aboutToShow();
    return menu;
  }

  QTemporaryDir folder;
  std::unique_ptr<QSettings> settings;
  AnsweringDialogs dialogs;
};

}  // namespace

// The title names the project, "Sin título" before it has a file, with Qt's
// mark of unsaved changes.
TEST_F(DocumentTest, TheTitleNamesTheProjectAndMarksChanges) {
  const QString caption = MainWindowCaption();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Sin título[*] - ") + caption);
  EXPECT_FALSE(window->isWindowModified());

  TypeInto("EditTi", "30");
  EXPECT_TRUE(app.modified);
  EXPECT_TRUE(window->isWindowModified());

  const QString path = CopyOfCase("pipe_air_flow.txt", "tubería.txt");
  RememberProject(app, path);
  dialogs.answer = SaveAnswer::Discard;
  RecentMenu()->actions().first()->trigger();
  EXPECT_EQ(dialogs.asked, QStringList{QStringLiteral("Sin título")});
  EXPECT_EQ(window->windowTitle(), QStringLiteral("tubería.txt[*] - ") + caption);
  EXPECT_FALSE(window->isWindowModified());
}

// The menu of "Abrir" lists the last eight projects, newest first, and opens
// the one chosen as "Abrir" does; a changed case is asked about first.
TEST_F(DocumentTest, RecentProjectsOpenFromTheMenuOfAbrir) {
  auto* open = As<QToolButton>("SBAbrir");
  EXPECT_EQ(open->popupMode(), QToolButton::MenuButtonPopup);
  QList<QAction*> entries = RecentMenu()->actions();
  ASSERT_EQ(entries.size(), 1);
  EXPECT_FALSE(entries[0]->isEnabled());

  QStringList paths;
  for (int i = 1; i <= 9; ++i) {
    paths.prepend(CopyOfCase("sphere.txt", QStringLiteral("esfera%1.txt").arg(i)));
    RememberProject(app, paths.first());
  }
  entries = RecentMenu()->actions();
  ASSERT_EQ(entries.size(), kRecentProjects);
  for (int i = 0; i < entries.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(entries[i]->data().toString(), QFileInfo(paths[i]).absoluteFilePath());
    EXPECT_TRUE(entries[i]->text().contains(QStringLiteral("esfera%1.txt").arg(9 - i)));
  }

  // Cancelled: the changed case stays.
  TypeInto("EditTi", "31");
  dialogs.answer = SaveAnswer::Cancel;
  entries[2]->trigger();
  EXPECT_EQ(dialogs.asked.size(), 1);
  EXPECT_TRUE(app.projectPath.isEmpty());
  EXPECT_EQ(Shown("EditTi"), QStringLiteral("31"));

  dialogs.answer = SaveAnswer::Discard;
  entries[2]->trigger();
  EXPECT_EQ(app.projectPath, QFileInfo(paths[2]).absoluteFilePath());
  EXPECT_TRUE(app.IsSphere());
  EXPECT_EQ(W("SpeedButton5")->palette().color(QPalette::ButtonText), QColor(Qt::red));
  EXPECT_TRUE(errors.isEmpty());
  // The project opened heads the list now.
  EXPECT_EQ(RecentMenu()->actions().first()->data().toString(), app.projectPath);
}

// The window's own close button asks about a changed case; "Cancelar" keeps
// the window open. A window that closes keeps its place.
TEST_F(DocumentTest, ClosingTheWindowAsksAboutAChangedCase) {
  window->resize(900, 640);
  QApplication::processEvents();
  TypeInto("EditTe", "5");
  dialogs.answer = SaveAnswer::Cancel;
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(dialogs.asked.size(), 1);
  EXPECT_FALSE(settings->contains(QLatin1String(kWindowPlaceKey)));

  dialogs.answer = SaveAnswer::Discard;
  EXPECT_TRUE(window->close());
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(dialogs.asked.size(), 2);
  ASSERT_TRUE(settings->contains(QLatin1String(kWindowPlaceKey)));

  // An unchanged case closes without a question; "Cerrar" asks once.
  window->show();
  app.SetModified(false);
  EXPECT_TRUE(window->close());
  EXPECT_EQ(dialogs.asked.size(), 2);
  window->resize(1366, 740);
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  TypeInto("EditTe", "6");
  app.onClose = [this] { window->close(); };
  Click("SpeedButton3");
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(dialogs.asked.size(), 3);
}

// The next run puts the window where the last one left it; the first run
// fits it to the screen.
TEST_F(DocumentTest, TheWindowComesBackWhereItWasLeft) {
  RecordingMessageSink otherSink;
  {
    Brenak first(otherSink);
    first.settings = settings.get();
    MainWindow window(first);
    CreateMainWindow(first, QString());
    window.Sync();
    window.ShowOnScreen();
    const QRect available = window.screen()->availableGeometry();
    EXPECT_TRUE(window.isMaximized() || available.contains(window.frameGeometry()));
    window.showNormal();
    window.setGeometry(40, 50, 700, 500);
    QApplication::processEvents();
    EXPECT_TRUE(window.close());
  }
  Brenak next(otherSink);
  next.settings = settings.get();
  MainWindow window(next);
  CreateMainWindow(next, QString());
  window.Sync();
  window.ShowOnScreen();
  QApplication::processEvents();
  EXPECT_FALSE(window.isMaximized());
  EXPECT_EQ(window.size(), QSize(700, 500));
}

// A size kept at a larger letter, or on a larger screen, opens within this
// screen all the same.
TEST_F(DocumentTest, AWindowKeptLargerThanTheScreenOpensWithinIt) {
  RecordingMessageSink otherSink;
  Brenak next(otherSink);
  next.settings = settings.get();
  MainWindow window(next);
  const QRect available = window.screen()->availableGeometry();
  {
    QWidget larger;
    larger.setGeometry(available.left() + 200, available.top() + 100, available.width() + 900,
                       available.height() + 500);
    settings->setValue(QLatin1String(kWindowPlaceKey), larger.saveGeometry());
  }
  CreateMainWindow(next, QString());
  window.Sync();
  window.ShowOnScreen();
  QApplication::processEvents();
  EXPECT_TRUE(available.contains(window.frameGeometry()))
      << window.frameGeometry().width() << "x" << window.frameGeometry().height() << " in " << available.width() << "x"
      << available.height();
}

TEST(FitFrameIntoTest, ShrinksWhatIsLargerAndMovesWhatStandsOutside) {
  const QRect screen(0, 30, 1366, 738);
  struct Case {
    QRect frame;
    QRect fitted;
  };
  for (const Case& c : {Case{QRect(100, 100, 800, 600), QRect(100, 100, 800, 600)},
                        Case{QRect(100, 100, 1920, 1040), QRect(0, 30, 1366, 738)},
                        Case{QRect(900, 400, 800, 600), QRect(566, 168, 800, 600)},
                        Case{QRect(-300, -50, 800, 600), QRect(0, 30, 800, 600)},
                        Case{QRect(200, 0, 1000, 1000), QRect(200, 30, 1000, 738)}}) {
    EXPECT_EQ(FitFrameInto(c.frame, screen), c.fitted) << c.frame.x() << "," << c.frame.y();
  }
}

// The program's keys work while the cursor is in a text field, although a
// text field claims some of them (Ctrl+E moves to the end of its line):
// "Guardar" (Ctrl+S) writes a case with a file back to it, "Guardar como…"
// (Ctrl+Shift+S, also on the arrow of "Guardar") asks, "Exportar PDF" (Ctrl+E)
// asks where the report goes.
TEST_F(DocumentTest, TheProgramsKeysWorkFromATextField) {
  app.documentsFolder = folder.path();
  const QString path = folder.filePath("caso.txt");
  dialogs.saveAnswer = path;
  TypeInto("EditTi", "30", false);
  ASSERT_TRUE(W("EditTi")->hasFocus());
  QTest::keyClick(W("EditTi"), Qt::Key_S, Qt::ControlModifier);
  ASSERT_EQ(dialogs.savesAsked.size(), 1) << "a case without a file asks";
  EXPECT_EQ(app.projectPath, path);
  EXPECT_FALSE(app.modified);

  TypeInto("EditTi", "31", false);
  QTest::keyClick(W("EditTi"), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(dialogs.savesAsked.size(), 1) << "written back without a question";
  EXPECT_FALSE(app.modified);

  dialogs.saveAnswer.clear();
  QTest::keyClick(W("EditTi"), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_EQ(dialogs.savesAsked.size(), 2);
  EXPECT_TRUE(dialogs.savesAsked[1].startsWith(QStringLiteral("txt:")));
  QMenu* saveMenu = As<QToolButton>("SBGuardar")->menu();
  ASSERT_NE(saveMenu, nullptr);
  ASSERT_EQ(saveMenu->actions().size(), 1);
  saveMenu->actions().first()->trigger();
  EXPECT_EQ(dialogs.savesAsked.size(), 3);

  Click("SpeedButton1");
  ASSERT_TRUE(W("SBExportarPdf")->isEnabled());
  auto* reference = As<QLineEdit>("EditReferencia");
  reference->setFocus(Qt::MouseFocusReason);
  reference->setCursorPosition(0);
  QTest::keyClick(reference, Qt::Key_E, Qt::ControlModifier);
  ASSERT_EQ(dialogs.savesAsked.size(), 4);
  EXPECT_TRUE(dialogs.savesAsked[3].startsWith(QStringLiteral("pdf:") + folder.filePath("Brenak/informes/")));
  EXPECT_EQ(reference->cursorPosition(), 0) << "the key was the program's, not the field's";
  EXPECT_TRUE(errors.isEmpty());
}
