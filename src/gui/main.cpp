// SPDX-License-Identifier: GPL-3.0-or-later
// brenak: the desktop program.
//
//   brenak [--lang es|en] [FILE]
//   brenak --help | --version
//
// One argument is a project file, opened as "Abrir" does once the window is on
// the screen; two or more are refused with the "Mal uso" box and exit code 1,
// before any window opens. --help and --version print their text and end
// before the application object is made, so they need no display.

#include "app/Brenak.h"
#include "app/Language.h"
#include "app/StartUp.h"
#include "app/UserMaterialCommands.h"
#include "gui/MainWindow.h"
#include "gui/WindowServices.h"
#include "report/ReportCommand.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStringList>
#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
  // --lang chooses the language for this run and is no argument of the window.
  const LanguageOption language = TakeLanguageOption(argc, argv);
  if (language.bad) {
    std::fprintf(stderr, "brenak: --lang: %s (es | en)\n", language.badValue.toLocal8Bit().constData());
    return 1;
  }
  // The arguments as given: QApplication takes the options it knows (-style,
  // -platform, -reverse ...) out of its own list, and they count here too.
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const QSettings chosen(QStringLiteral("Brenak"), QStringLiteral("Brenak"));
  if (!CommandLineAnswer(arguments).isEmpty()) {
    // In the window's language; a bare application carries it without a display.
    QCoreApplication texts(argc, argv);
    InstallLanguage(texts, WindowLanguage(language, chosen));
    std::fputs(CommandLineAnswer(arguments).toLocal8Bit().constData(), stdout);
    return 0;
  }

  BrenakApplication application(argc, argv, WindowLanguage(language, chosen));
  application.setApplicationName(QStringLiteral("Brenak"));
  application.setDesktopFileName(QStringLiteral("org.brenak.Brenak"));
  application.setStyle(QStringLiteral("Fusion"));

  try {
    WidgetMessageSink messages;
    if (!CommandLineAccepted(arguments, messages)) return 1;

    Brenak app(messages);
    // The recent projects, the last folder and the window's place.
    QSettings settings(QStringLiteral("Brenak"), QStringLiteral("Brenak"));
    app.settings = &settings;
    MainWindow window(app);
    WidgetFileDialogs dialogs(&window);
    app.dialogs = &dialogs;
    DesktopReportService reports;
    app.report = &reports;
    app.onClose = [&window] { window.close(); };
    messages.SetWindow(&window);
    messages.beforeShow = [&window] { window.Sync(); };

    CreateMainWindow(app, ProgramFolderFromPath(arguments.value(0)));
    // The user's own materials, for the material chooser.
    LoadUserMaterialLibrary(app, UserMaterialsPath());
    window.Sync();

    window.ShowOnScreen();

    // A project named on the command line opens over the shown window, and
    // the welcome panel makes way for it.
    OpenStartFile(app, arguments);
    if (!app.projectPath.isEmpty() && app.form.Visible("Panel6")) app.form.UserClick("Image1");
    window.Sync();
    return application.exec();
  } catch (const std::exception& error) {
    ShowErrorBox(nullptr, QString::fromLocal8Bit(error.what()));
  }
  return 0;
}
