// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CliProcess.h"
#include "app/WindowFixture.h"
#include "report/ReportCommand.h"
#include "report/ReportTestSupport.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// The desktop service with the opening of files recorded instead of done.
class RecordingService : public DesktopReportService {
 public:
  bool OpenReport(const QString& path) override {
    opened << path;
    return opens;
  }
  QString NewReportPath(const WindowState& app) override {
    return fixedPath.isEmpty() ? DesktopReportService::NewReportPath(app) : fixedPath;
  }
  bool opens = true;
  QString fixedPath;
  QStringList opened;
};

class PrintReportTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    app.documentsFolder = dir.path();
  }
  QStringList Reports() const {
    return QDir(dir.filePath("Brenak/informes")).entryList({"*.odt"}, QDir::Files, QDir::Name);
  }
  // What the window shows, to see that a failed report changes nothing.
  QStringList WindowState() const {
    QStringList state;
    for (const Control& c : app.form.Controls())
      state << QStringLiteral("%1|%2|%3|%4|%5").arg(c.name, c.text).arg(c.visible).arg(c.enabled).arg(c.index);
    return state;
  }
  QTemporaryDir dir;
  RecordingService service;
};

TEST_F(PrintReportTest, EachPressWritesAndOpensANewDocumentInTheReportsFolder) {
  PrintReport(app, app.lastOutcome.value_or(CaseOutcome{}), service);
  PrintReport(app, app.lastOutcome.value_or(CaseOutcome{}), service);
  EXPECT_TRUE(sink.shown.empty());
  ASSERT_EQ(Reports().size(), 2);
  ASSERT_EQ(service.opened.size(), 2);
  EXPECT_NE(service.opened[0], service.opened[1]);
  for (const QString& path : service.opened) {
    EXPECT_EQ(QFileInfo(path).absolutePath(), QDir(dir.filePath("Brenak/informes")).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(ReadStoredZip(file.readAll()).empty());
  }
}

TEST_F(PrintReportTest, WithoutAnApplicationTheUserIsToldWhereTheReportIs) {
  service.opens = false;
  PrintReport(app, app.lastOutcome.value_or(CaseOutcome{}), service);
  ASSERT_EQ(Reports().size(), 1);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, kAtencion);
  EXPECT_TRUE(sink.shown[0].text.contains(QDir::toNativeSeparators(service.opened.first())));
}

TEST_F(PrintReportTest, ADocumentThatCannotBeWrittenGivesOneWarningAndChangesNothing) {
  QFile blocker(dir.filePath("blocker"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  service.fixedPath = dir.filePath("blocker/informe.odt");
  const QStringList before = WindowState();
  PrintReport(app, app.lastOutcome.value_or(CaseOutcome{}), service);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, kAtencion);
  EXPECT_EQ(sink.shown[0].buttons, MessageButtons::Ok);
  EXPECT_TRUE(service.opened.isEmpty());
  EXPECT_FALSE(QFileInfo::exists(service.fixedPath));
  EXPECT_EQ(WindowState(), before);
}

TEST(ReportNames, FollowTheTimeAndNeverReuseAName) {
  QTemporaryDir dir;
  const QDateTime when(QDate(2024, 5, 1), QTime(10, 32, 5));
  const QString first = NewReportName(dir.path(), when);
  EXPECT_EQ(QFileInfo(first).fileName(), "Informe 2024-05-01 10.32.05.odt");
  QFile(first).open(QIODevice::WriteOnly);
  EXPECT_EQ(QFileInfo(NewReportName(dir.path(), when)).fileName(), "Informe 2024-05-01 10.32.05 (2).odt");
}

// brenak-cli report: the project as "Abrir" calculates it, written out.
TEST(ReportCli, WritesTheReportOfACalculatedProject) {
  QTemporaryDir dir;
  const QString odt = dir.filePath("informe.odt");
  const QString pdf = dir.filePath("informe.pdf");
  ASSERT_EQ(RunCli({"report", CasePath("plate_condensation.txt"), odt}).status, 0);
  QFile file(odt);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_FALSE(ReadStoredZip(file.readAll()).empty());
  ASSERT_EQ(RunCli({"report", CasePath("plate_condensation.txt"), pdf}).status, 0);
  EXPECT_GT(QFileInfo(pdf).size(), 1000);
}

TEST(ReportCli, RefusesAProjectThatWasNotCalculated) {
  QTemporaryDir dir;
  const QString odt = dir.filePath("informe.odt");
  EXPECT_EQ(RunCli({"report", CasePath("incomplete.txt"), odt}).status, 3);
  EXPECT_EQ(RunCli({"report", CasePath("refused_file.txt"), odt}).status, 2);
  EXPECT_EQ(RunCli({"report", CasePath("start.txt")}).status, 1);
  EXPECT_FALSE(QFileInfo::exists(odt));
}

}  // namespace
