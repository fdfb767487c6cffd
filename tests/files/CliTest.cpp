// SPDX-License-Identifier: GPL-3.0-or-later
// brenak-cli as scripts run it: exit status, JSON on stdout, usage on stderr.

#include "app/CliProcess.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

TEST(CliCalc, PrintsTheWindowStateOfAReadProject) {
  const CliRun r = RunCli({"calc", CasePath("start.txt"), "--decimal-separator", ","});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  const QJsonObject json = QJsonDocument::fromJson(r.out).object();
  const QJsonObject controls = json["controls"].toObject();
  EXPECT_EQ(controls["Edit1e"].toObject()["text"].toString(), "33,06");
  EXPECT_EQ(controls["Edit1e"].toObject()["state"].toString(), "computed");
  EXPECT_TRUE(json["messages"].toArray().isEmpty());
  EXPECT_EQ(json["chart"].toObject()["series"].toArray().size(), 9);
}

TEST(CliCalc, RefusedFileExitsWithTwoAndStillPrintsItsMessage) {
  const CliRun r = RunCli({"calc", CasePath("refused_file.txt"), "--decimal-separator=."});
  ASSERT_EQ(r.status, 2) << r.err.toStdString();
  const QJsonArray messages = QJsonDocument::fromJson(r.out).object()["messages"].toArray();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(messages[0].toObject()["text"].toString(),
            "No es posible abrir el proyecto \"refused_file.txt\": el dato nº 66 está fuera de límites (7, se espera "
            "de 1 a 4).");
}

class CliUsage : public ::testing::TestWithParam<std::vector<const char*>> {};

TEST_P(CliUsage, IsAnErrorOnStderrWithStatusOne) {
  QStringList args;
  for (const char* a : GetParam()) args << QString::fromUtf8(a).replace("CASE", CasePath("start.txt"));
  const CliRun r = RunCli(args);
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.out.isEmpty());
  EXPECT_TRUE(r.err.contains("brenak-cli calc FILE")) << r.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Mistakes, CliUsage,
                         ::testing::Values(std::vector<const char*>{}, std::vector<const char*>{"calcular", "CASE"},
                                           std::vector<const char*>{"calc", "CASE", "CASE"},
                                           std::vector<const char*>{"calc", "CASE", "--decimal-separator"},
                                           std::vector<const char*>{"calc", "CASE", "--decimal-separator", ";"},
                                           std::vector<const char*>{"calc", "CASE", "--foo"},
                                           std::vector<const char*>{"calc", "CASE", "-x"},
                                           std::vector<const char*>{"--foo", "calc", "CASE"}));

// What a wrong use says: the problem first, the argument as it was written,
// then the usage.
struct UsageCase {
  std::vector<const char*> args;
  const char* message;
};

void PrintTo(const UsageCase& c, std::ostream* out) {
  for (const char* a : c.args) *out << a << ' ';
}

class CliUsageMessage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(CliUsageMessage, NamesTheProblem) {
  QStringList args;
  for (const char* a : GetParam().args) args << QString::fromUtf8(a).replace("CASE", CasePath("start.txt"));
  const CliRun r = RunCli(args);
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.err.contains(QByteArray("brenak-cli: ") + GetParam().message + "\nUso:\n")) << r.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, CliUsageMessage,
    ::testing::Values(
        UsageCase{{}, "falta la orden"}, UsageCase{{"calcular", "CASE"}, "orden desconocida: calcular"},
        UsageCase{{"--decimal-separator", ",", "calc", "CASE"}, "orden desconocida: --decimal-separator"},
        UsageCase{{"calc"}, "calc espera un archivo de proyecto"},
        UsageCase{{"calc", "CASE", "--decimal-separator"}, "falta el separador decimal tras --decimal-separator"},
        UsageCase{{"calc", "--decimal-separator", ",", "CASE", "--decimal-separator"},
                  "falta el separador decimal tras --decimal-separator"},
        UsageCase{{"calc", "CASE", "--foo", "--decimal-separator=;"}, "el separador decimal debe ser \",\" o \".\""},
        UsageCase{{"calc", "--decimal-separator", ",", "CASE", "--foo=bar"}, "opción desconocida: --foo=bar"},
        UsageCase{{"calc", "CASE", "--help=yes"}, "opción desconocida: --help=yes"}));

TEST(CliUsage, OfReportShowsOnlyTheReportLine) {
  const CliRun r = RunCli({"report", CasePath("start.txt"), "--decimal-separator", ";"});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.err.contains("Uso:\n  brenak-cli report FILE OUT.odt|OUT.pdf [--decimal-separator , | .]\n"))
      << r.err.toStdString();
  EXPECT_FALSE(r.err.contains("brenak-cli calc")) << r.err.toStdString();
}

TEST(CliHelp, ListsEveryCommandOnStdoutAndReadsNothing) {
  for (const QStringList& args : {QStringList{"--help"}, QStringList{"-h"}}) {
    const CliRun r = RunCli(args);
    EXPECT_EQ(r.status, 0);
    for (const char* line : {"brenak-cli calc FILE", "brenak-cli report FILE", "--version"}) {
      EXPECT_TRUE(r.out.contains(line)) << line << "\n" << r.out.toStdString();
    }
  }
  // A command's help needs no file, and wins over the files given.
  for (const char* command : {"calc", "report"}) {
    for (const QStringList& rest : {QStringList{"--help"}, QStringList{CasePath("start.txt"), "-h"}}) {
      const CliRun r = RunCli(QStringList{command} + rest);
      EXPECT_EQ(r.status, 0) << command;
      EXPECT_TRUE(r.out.startsWith(QByteArray("Uso:\n  brenak-cli ") + command)) << r.out.toStdString();
      EXPECT_TRUE(r.out.contains("--decimal-separator , | .")) << r.out.toStdString();
      EXPECT_FALSE(r.out.contains("\"controls\"")) << "the project was not calculated";
    }
  }
}

TEST(CliHelp, OfAPictureCommandDrawsNothing) {
  if (!RunCli({"--help"}).out.contains("brenak-cli screenshot")) GTEST_SKIP() << "built without the window";
  QTemporaryDir dir;
  const QString png = dir.filePath("ventana.png");
  const CliRun r = RunCli({"screenshot", CasePath("start.txt"), png, "--help"});
  EXPECT_EQ(r.status, 0);
  for (const char* option : {"--size WxH", "--scale F", "--show-chart", "--welcome", "--click CONTROL"}) {
    EXPECT_TRUE(r.out.contains(option)) << option << "\n" << r.out.toStdString();
  }
  EXPECT_FALSE(QFileInfo::exists(png));
  // A value that merely looks like the option is the command's to read.
  const CliRun click = RunCli({"screenshot", CasePath("start.txt"), png, "--click", "--help"});
  EXPECT_EQ(click.status, 1);
  EXPECT_TRUE(click.err.contains("no hay ningún control --help")) << click.err.toStdString();
}

TEST(CliVersion, IsTheProjectsVersion) {
  for (const char* option : {"--version", "-v"}) {
    const CliRun r = RunCli({option});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(QRegularExpression("^brenak-cli [0-9]+\\.[0-9]+\n$").match(QString::fromUtf8(r.out)).hasMatch())
        << r.out.toStdString();
  }
}

}  // namespace
