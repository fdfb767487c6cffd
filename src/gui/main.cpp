// brenak: the desktop program.
//
//   brenak [FILE]
//
// One argument is accepted and has no effect; two or more are refused with the
// "Mal uso" box and exit code 1, before any window opens.

#include "gui/MainWindow.h"
#include "gui/WindowServices.h"
#include "shell/Brenak.h"
#include "shell/StartUp.h"

#include <QScreen>
#include <exception>

int main(int argc, char** argv) {
  BrenakApplication application(argc, argv);
  application.setApplicationName(QStringLiteral("Brenak"));
  application.setDesktopFileName(QStringLiteral("org.brenak.Brenak"));
  application.setStyle(QStringLiteral("Fusion"));

  try {
    WidgetMessageSink messages;
    const QStringList arguments = QApplication::arguments();
    if (!CommandLineAccepted(arguments, messages)) return 1;

    Brenak app(messages);
    MainWindow window(app);
    WidgetFileDialogs dialogs(&window);
    app.dialogs = &dialogs;
    app.onClose = [&window] { window.close(); };
    messages.SetWindow(&window);
    messages.beforeShow = [&window] { window.Sync(); };

    CreateMainWindow(app, ProgramFolderFromPath(arguments.value(0)));
    window.Sync();

    // The whole window when the screen has room for it, else the whole screen.
    const QSize available = window.screen()->availableGeometry().size();
    const QSize wanted = window.PreferredSize(QSize(16777215, 16777215));
    if (wanted.width() > available.width() || wanted.height() > available.height() - 40) {
      window.showMaximized();
    } else {
      window.resize(wanted);
      window.show();
    }
    return application.exec();
  } catch (const std::exception& error) {
    ShowErrorBox(nullptr, QString::fromLocal8Bit(error.what()));
  }
  return 0;
}
