// SPDX-License-Identifier: GPL-3.0-or-later
// The golden cases under a Spanish desktop: the C library's numeric locale
// (a comma) must not reach a number the program writes, and the separator is
// the one chosen, from the locale or from --decimal-separator.

#include "app/CliProcess.h"

#include <gtest/gtest.h>
#include <QDir>
#include <clocale>

namespace {

const QString kSpanish = QStringLiteral("es_ES.UTF-8");
const QString kPlain = QStringLiteral("C");

bool SpanishLocaleInstalled() {
  const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
  const bool installed = std::setlocale(LC_NUMERIC, "es_ES.UTF-8") != nullptr;
  std::setlocale(LC_NUMERIC, previous.c_str());
  return installed;
}

std::vector<std::string> CaseFiles() {
  std::vector<std::string> names;
  for (const QString& file : QDir(QStringLiteral(BRENAK_CASES_DIR)).entryList({"*.txt"}, QDir::Files, QDir::Name))
    names.push_back(file.toStdString());
  return names;
}

class GoldenCasesUnderSpanish : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    if (!SpanishLocaleInstalled()) GTEST_SKIP() << "es_ES.UTF-8 is not installed";
  }
  QString file() const { return CasePath(QString::fromStdString(GetParam())); }
};

TEST_P(GoldenCasesUnderSpanish, WriteWhatTheCLocaleWritesForEitherSeparator) {
  for (const char* separator : {".", ","}) {
    const QStringList args{"calc", file(), "--decimal-separator", separator};
    const CliRun spanish = RunCli(args, kSpanish);
    const CliRun plain = RunCli(args, kPlain);
    ASSERT_NE(spanish.status, -1);
    EXPECT_EQ(spanish.status, plain.status) << separator;
    EXPECT_EQ(spanish.out.toStdString(), plain.out.toStdString()) << "separator " << separator;
    // No number written twice over: "1,,32", "1,.32", "0,3,0".
    EXPECT_FALSE(spanish.out.contains(",,") || spanish.out.contains(",.") || spanish.out.contains(".,"));
  }
}

TEST_P(GoldenCasesUnderSpanish, TakeTheCommaOfTheLocaleWhenNoSeparatorIsGiven) {
  const CliRun byLocale = RunCli({"calc", file()}, kSpanish);
  const CliRun byOption = RunCli({"calc", file(), "--decimal-separator", ","}, kPlain);
  EXPECT_EQ(byLocale.status, byOption.status);
  EXPECT_EQ(byLocale.out.toStdString(), byOption.out.toStdString());
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenCasesUnderSpanish, ::testing::ValuesIn(CaseFiles()), [](const auto& info) {
  std::string name = info.param.substr(0, info.param.size() - 4);
  return name;
});

}  // namespace
