// SPDX-License-Identifier: GPL-3.0-or-later
// The window fuzzers check most inputs on the path without a window and
// compare it with the window on a sample: the comparison must find nothing on
// projects where both agree, and must tell each step at which they do not.
#include "CasePath.h"
#include "ProjectGenerator.h"
#include "ReusedWindow.h"

#include "form/NumberFormat.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class CasePathTest : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator('.'); }
  void TearDown() override { ResetDecimalSeparator(); }

  std::vector<std::string> Compare(const QByteArray& bytes, const CaseRun& run) {
    QFile file(path_);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    return WindowDisagreements(window_, path_, run);
  }

  QTemporaryDir dir_;
  QString path_ = dir_.filePath(QStringLiteral("project.txt"));
  ReusedWindow window_{dir_.path()};
};

TEST_F(CasePathTest, AgreesWithTheWindowOnGoldenAndGeneratedProjects) {
  const QDir cases(QStringLiteral(BRENAK_GOLDEN_CASES));
  int calculated = 0;
  for (const QString& name : cases.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
    QFile file(cases.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const CaseRun run = RunCase(bytes);
    calculated += run.calculable;
    EXPECT_TRUE(Compare(bytes, run).empty()) << name.toStdString();
  }
  for (std::uint32_t n = 1; n <= 60; ++n) {
    const QByteArray bytes = NumberedProject(n).toUtf8();
    const CaseRun run = RunCase(bytes);
    calculated += run.calculable;
    EXPECT_TRUE(Compare(bytes, run).empty()) << "generated project " << n;
  }
  EXPECT_GT(calculated, 40);
}

// A case run altered at each step the window takes: each alteration is told.
TEST_F(CasePathTest, TellsEachStepAtWhichTheCaseDiffers) {
  const QByteArray bytes = NumberedProject(1).toUtf8();
  const CaseRun run = RunCase(bytes);
  ASSERT_TRUE(run.calculable && run.outcome);
  ASSERT_TRUE(run.outcome->HasResults());

  CaseRun refused = run;
  refused.reading.error = QStringLiteral("no es un proyecto");
  EXPECT_EQ(Compare(bytes, refused).size(), 1u);

  CaseRun stopped = run;
  stopped.calculable = false;
  stopped.outcome.reset();
  EXPECT_EQ(Compare(bytes, stopped).size(), 1u);

  CaseRun otherFlow = run;
  otherFlow.outcome->engine.results.heatFlow *= 2;
  EXPECT_FALSE(Compare(bytes, otherFlow).empty());

  CaseRun otherWarning = run;
  otherWarning.outcome->engine.events.push_back(CalcEvent{});
  otherWarning.outcome->engine.events.back().kind = CalcEvent::Kind::Message;
  otherWarning.outcome->engine.events.back().message.text = QStringLiteral("Atención");
  const std::vector<std::string> told = Compare(bytes, otherWarning);
  EXPECT_EQ(told.size(), 2u);  // the outcome and the warnings shown

  // The sample is chosen by the bytes alone, about one input in `every`.
  int sampled = 0;
  for (std::uint32_t n = 1; n <= 800; ++n) sampled += SampledForWindow(NumberedProject(n).toUtf8(), 8);
  EXPECT_GT(sampled, 50);
  EXPECT_LT(sampled, 150);
  EXPECT_EQ(SampledForWindow(bytes, 8), SampledForWindow(bytes, 8));
}

}  // namespace
