// brenak-cli as scripts run it: exit status, JSON on stdout, usage on stderr.

#include <QFile>
#include <QJsonDocument>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct CliRun {
  int status = -1;
  QByteArray out;
  QByteArray err;
};

CliRun Cli(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(BRENAK_CLI), args);
  CliRun r;
  if (!p.waitForFinished(30000)) {
    p.kill();
    p.waitForFinished();
    return r;
  }
  r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.out = p.readAllStandardOutput();
  r.err = p.readAllStandardError();
  return r;
}

QString Case(const char* name) { return QStringLiteral(BRENAK_CASES_DIR "/") + name; }

TEST(CliCalc, PrintsTheWindowStateOfAReadProject) {
  const CliRun r = Cli({"calc", Case("start.txt"), "--decimal-separator", ","});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  const QJsonObject json = QJsonDocument::fromJson(r.out).object();
  const QJsonObject controls = json["controls"].toObject();
  EXPECT_EQ(controls["Edit1e"].toObject()["text"].toString(), "33,06");
  EXPECT_EQ(controls["Edit1e"].toObject()["state"].toString(), "computed");
  EXPECT_TRUE(json["messages"].toArray().isEmpty());
  EXPECT_EQ(json["chart"].toObject()["series"].toArray().size(), 9);
}

TEST(CliCalc, RefusedFileExitsWithTwoAndStillPrintsItsMessage) {
  const CliRun r = Cli({"calc", Case("refused_file.txt"), "--decimal-separator=."});
  ASSERT_EQ(r.status, 2) << r.err.toStdString();
  const QJsonArray messages = QJsonDocument::fromJson(r.out).object()["messages"].toArray();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].toObject()["text"].toString().startsWith("No es posible abrir el proyecto"));
}

class CliUsage : public ::testing::TestWithParam<std::vector<const char*>> {};

TEST_P(CliUsage, IsAnErrorOnStderrWithStatusOne) {
  QStringList args;
  for (const char* a : GetParam()) args << QString::fromUtf8(a).replace("CASE", Case("start.txt"));
  const CliRun r = Cli(args);
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.out.isEmpty());
  EXPECT_TRUE(r.err.contains("brenak-cli calc FILE")) << r.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Mistakes, CliUsage,
                         ::testing::Values(std::vector<const char*>{}, std::vector<const char*>{"calcular", "CASE"},
                                           std::vector<const char*>{"calc", "CASE", "CASE"},
                                           std::vector<const char*>{"calc", "CASE", "--decimal-separator"},
                                           std::vector<const char*>{"calc", "CASE", "--decimal-separator", ";"}));

}  // namespace
