// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the window, run by hand:
//
//   brenak_gui_timings [RUNS]
//
// prints how long the window takes to be on screen (from the start of the
// process and from main) and, for every project in the test cases, how long a
// click on "Calcular" takes until the window has been repainted.

#include "app/Brenak.h"
#include "app/ProjectCommands.h"
#include "app/StartUp.h"
#include "gui/MainWindow.h"
#include "gui/WindowServices.h"

#include <unistd.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <algorithm>
#include <cstdio>

namespace {

// Milliseconds since the process started, from /proc (10 ms resolution).
double ProcessAgeMs() {
  QFile stat(QStringLiteral("/proc/self/stat"));
  QFile uptime(QStringLiteral("/proc/uptime"));
  if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly)) return -1;
  const QByteArray s = stat.readAll();
  const QList<QByteArray> fields = s.mid(s.lastIndexOf(')') + 2).split(' ');
  const double startTicks = fields.value(19).toDouble();  // field 22 of the whole line
  const double upSeconds = uptime.readAll().split(' ').value(0).toDouble();
  return (upSeconds - startTicks / static_cast<double>(sysconf(_SC_CLK_TCK))) * 1000.0;
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer sinceMain;
  sinceMain.start();
  BrenakApplication application(argc, argv);
  application.setStyle(QStringLiteral("Fusion"));
  const int runs = argc > 1 ? qMax(1, atoi(argv[1])) : 20;

  RecordingMessageSink sink;
  Brenak app(sink);
  MainWindow window(app);
  CreateMainWindow(app, QString());
  window.Sync();
  window.resize(window.PreferredSize(QSize(1366, 740)));
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) std::fputs("the window was never exposed\n", stderr);
  window.repaint();
  std::printf("window on screen: %.0f ms after main, %.0f ms after the process started (platform %s)\n",
              static_cast<double>(sinceMain.nsecsElapsed()) / 1e6, ProcessAgeMs(),
              qPrintable(QGuiApplication::platformName()));

  const QDir cases(QStringLiteral(BRENAK_CASES_DIR));
  QWidget* calculate = window.ControlWidget(QStringLiteral("SpeedButton1"));
  double worst = 0;
  for (const QString& file : cases.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
    if (!OpenProjectFile(app, cases.filePath(file))) continue;
    if (app.form.Visible(QStringLiteral("Panel6"))) app.form.UserClick(QStringLiteral("Image1"));
    window.Sync();
    QApplication::processEvents();
    QVector<double> times;
    for (int i = 0; i < runs; ++i) {
      sink.shown.clear();
      QElapsedTimer timer;
      timer.start();
      QTest::mouseClick(calculate, Qt::LeftButton);
      window.repaint();
      times << static_cast<double>(timer.nsecsElapsed()) / 1e6;
      QApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    double sum = 0;
    for (double t : times) sum += t;
    worst = std::max(worst, times.last());
    std::printf("Calcular %-28s mean %6.2f ms  median %6.2f ms  max %6.2f ms\n", qPrintable(file), sum / times.size(),
                times[times.size() / 2], times.last());
  }
  std::printf("slowest Calcular: %.2f ms\n", worst);
  return 0;
}
