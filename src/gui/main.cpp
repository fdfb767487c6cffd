// brenak: the desktop program.
//
//   brenak [FILE]
//
// One argument is accepted and has no effect; two or more are refused with the
// "Mal uso" box and exit code 1, before any window opens.

#include "gui/MainWindow.h"
#include "gui/WindowServices.h"
#include "report/ReportCommand.h"
#include "app/Brenak.h"
#include "app/StartUp.h"

#include <QScreen>
#include <QStringList>
#include <exception>

int main(int argc, char** argv) {
  // The arguments as given: QApplication takes the options it knows (-style,
  // -platform, -reverse ...) out of its own list, and they count here too.
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

  BrenakApplication application(argc, argv);
  application.setApplicationName(QStringLiteral("Brenak"));
  application.setDesktopFileName(QStringLiteral("org.brenak.Brenak"));
  application.setStyle(QStringLiteral("Fusion"));

  try {
    WidgetMessageSink messages;
    if (!CommandLineAccepted(arguments, messages)) return 1;

    Brenak app(messages);
    MainWindow window(app);
    WidgetFileDialogs dialogs(&window);
    app.dialogs = &dialogs;
    DesktopReportService reports;
    app.report = &reports;
    app.onClose = [&window] { window.close(); };
    messages.SetWindow(&window);
    messages.beforeShow = [&window] { window.Sync(); };

    CreateMainWindow(app, ProgramFolderFromPath(arguments.value(0)));
    window.Sync();

    // The layouts measure the window once it is shown; it then takes the room
    // it needs when the screen has it, else the whole screen.
    window.show();
    const QRect available = window.screen()->availableGeometry();
    const QSize wanted = window.PreferredSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)).expandedTo(QSize(1280, 700));
    const QSize frame = window.frameGeometry().size() - window.size();
    if (wanted.width() + frame.width() > available.width() || wanted.height() + frame.height() > available.height()) {
      window.resize(available.size() - frame);
      window.showMaximized();
    } else {
      window.resize(wanted);
      window.move(available.center() - QPoint(wanted.width() + frame.width(), wanted.height() + frame.height()) / 2);
    }
    return application.exec();
  } catch (const std::exception& error) {
    ShowErrorBox(nullptr, QString::fromLocal8Bit(error.what()));
  }
  return 0;
}
