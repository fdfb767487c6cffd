// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CliProcess.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace {

// The desktop program run with the X11 platform and no display to reach: it
// would end in Qt's fatal "could not connect to display" were a window made.
// Its language is the C locale's (Spanish) and no choice made in a window is
// read, unless --lang says otherwise.
CliRun RunProgramWithoutDisplay(const QStringList& args) {
  const QTemporaryDir home;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
  environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  return RunProgram(QStringLiteral(BRENAK_PROGRAM), args, environment);
}

TEST(ProgramOptions, VersionAndHelpArePrintedWithoutAWindow) {
  for (const char* option : {"--version", "-v"}) {
    const CliRun run = RunProgramWithoutDisplay({QString::fromLatin1(option)});
    EXPECT_EQ(run.status, 0) << option << run.err.constData();
    EXPECT_EQ(run.out, QByteArray("brenak " BRENAK_VERSION "\n")) << option;
    EXPECT_TRUE(run.err.isEmpty()) << option << run.err.constData();
  }
  for (const char* option : {"--help", "-h"}) {
    const CliRun run = RunProgramWithoutDisplay({QString::fromLatin1(option)});
    EXPECT_EQ(run.status, 0) << option << run.err.constData();
    const QString out = QString::fromLocal8Bit(run.out);
    EXPECT_TRUE(out.startsWith(QStringLiteral("Uso:\n  brenak [PROYECTO]\n"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("--version"))) << out.toStdString();
  }
}

TEST(ProgramOptions, HelpFollowsTheLanguageAsked) {
  const CliRun english =
      RunProgramWithoutDisplay({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("-h")});
  EXPECT_EQ(english.status, 0) << english.err.constData();
  const QString out = QString::fromLocal8Bit(english.out);
  EXPECT_TRUE(out.startsWith(QStringLiteral("Usage:\n  brenak [PROJECT]\n"))) << out.toStdString();
  EXPECT_TRUE(out.contains(QStringLiteral("shows the program's version"))) << out.toStdString();
  // The version reads the same in every language.
  const CliRun version = RunProgramWithoutDisplay({QStringLiteral("--lang=en"), QStringLiteral("--version")});
  EXPECT_EQ(version.out, QByteArray("brenak " BRENAK_VERSION "\n"));
}

TEST(ProgramOptions, AProjectStillNeedsTheDisplay) {
  // The same run with a project to open does reach for the display, so the
  // test above tells apart a program that answered from one that opened a window.
  const CliRun run = RunProgramWithoutDisplay({QStringLiteral(BRENAK_CASES_DIR "/start.txt")});
  EXPECT_NE(run.status, 0);
  EXPECT_TRUE(run.out.isEmpty());
}

}  // namespace
