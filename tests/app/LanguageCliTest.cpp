// SPDX-License-Identifier: GPL-3.0-or-later
// brenak-cli and the language of its texts: Spanish unless --lang en, whatever
// the user's locale.

#include "app/CliProcess.h"

#include <gtest/gtest.h>

namespace {

TEST(LanguageCliTest, SpanishUnlessToldWhateverTheLocale) {
  const QStringList args{QStringLiteral("calc"), CasePath(QStringLiteral("start.txt"))};
  const CliRun plain = RunCli(args, QStringLiteral("en_GB.UTF-8"));
  ASSERT_EQ(plain.status, 0) << plain.err.toStdString();
  EXPECT_EQ(plain.Text("LabelTituloExt"), QStringLiteral("Exterior"));

  const CliRun english =
      RunCli(args + QStringList{QStringLiteral("--lang"), QStringLiteral("en")}, QStringLiteral("es_ES.UTF-8"));
  ASSERT_EQ(english.status, 0) << english.err.toStdString();
  EXPECT_EQ(english.Text("LabelTituloExt"), QStringLiteral("Outside"));
  // The layout's texts and the catalog's both come from the translation.
  EXPECT_EQ(english.Text("LabelResisT"), QStringLiteral("Thermal     resistance       (m2ºC/W)"));
  // Only the texts change: every control and its state are those of the Spanish run.
  EXPECT_EQ(english.Controls().keys(), plain.Controls().keys());

  const CliRun spanish = RunCli(QStringList{QStringLiteral("--lang=es")} + args, QStringLiteral("en_GB.UTF-8"));
  ASSERT_EQ(spanish.status, 0);
  EXPECT_EQ(spanish.out, plain.out);
}

// The picture commands say what is wrong in the language of their window.
TEST(LanguageCliTest, PictureCommandsExplainWrongUseInTheirLanguage) {
  const QStringList args{QStringLiteral("screenshot"), CasePath(QStringLiteral("start.txt"))};
  const CliRun spanish = RunCli(args, QStringLiteral("es_ES.UTF-8"));
  EXPECT_EQ(spanish.status, 1);
  EXPECT_TRUE(spanish.err.startsWith("brenak-cli: se esperan un archivo de proyecto y un archivo PNG\nUso:\n"))
      << spanish.err.constData();

  const CliRun english = RunCli(QStringList{QStringLiteral("--lang"), QStringLiteral("en")} + args);
  EXPECT_EQ(english.status, 1);
  EXPECT_TRUE(english.err.startsWith("brenak-cli: a project file and a PNG file are expected\nUsage:\n"))
      << english.err.constData();
  EXPECT_TRUE(english.out.isEmpty());
}

TEST(LanguageCliTest, UnknownLanguageIsWrongUse) {
  const CliRun run = RunCli(
      {QStringLiteral("--lang"), QStringLiteral("fr"), QStringLiteral("calc"), CasePath(QStringLiteral("start.txt"))});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.isEmpty());
  EXPECT_TRUE(run.err.contains("fr"));
}

}  // namespace
