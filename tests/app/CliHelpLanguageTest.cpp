// SPDX-License-Identifier: GPL-3.0-or-later
// The help of brenak-cli and its messages to a person: Spanish unless told,
// English under --lang en, with the same commands and options.

#include "app/CliProcess.h"

#include <gtest/gtest.h>

namespace {

// Words of the help's Spanish texts; none may be left in the English help.
const char* const kSpanishWords[] = {
    "Uso:",        "Opciones", "Órdenes",    "Estado de salida", "muestra",    "archivo",
    "proyecto",    "escribe ", "separador",  "uso incorrecto",   "formato de", "Abre FILE",
    "por omisión", "debe",     "desconocid", "espera",           "falta",      "potencia"};

CliRun Help(const QStringList& args, bool english) {
  QStringList line = args;
  if (english) line << QStringLiteral("--lang") << QStringLiteral("en");
  // The user's locale does not choose the tool's language.
  return RunCli(line, english ? QStringLiteral("es_ES.UTF-8") : QStringLiteral("en_GB.UTF-8"));
}

void ExpectEnglish(const QString& text) {
  for (const char* word : kSpanishWords)
    EXPECT_FALSE(text.contains(QString::fromUtf8(word))) << "\"" << word << "\" in\n" << text.toStdString();
}

// The option names of a help text: what a script may rely on.
QStringList OptionNames(const QString& text) {
  QStringList names;
  const QRegularExpression option(QStringLiteral("--[a-z-]+"));
  for (auto it = option.globalMatch(text); it.hasNext();) names << it.next().captured();
  return names;
}

TEST(CliHelpLanguageTest, ProgramHelp) {
  const CliRun spanish = Help({QStringLiteral("--help")}, false);
  ASSERT_EQ(spanish.status, 0);
  const QString es = QString::fromUtf8(spanish.out);
  EXPECT_TRUE(es.startsWith(QLatin1String("Uso:\n  brenak-cli calc FILE [--set CONTROL=TEXTO]")));
  EXPECT_TRUE(es.contains(QStringLiteral("\nÓrdenes:\n  calc ")));
  EXPECT_TRUE(es.contains(QLatin1String("\nOpciones:\n  -h, --help     muestra esta ayuda\n")));

  const CliRun english = Help({QStringLiteral("--help")}, true);
  ASSERT_EQ(english.status, 0);
  const QString en = QString::fromUtf8(english.out);
  EXPECT_TRUE(en.startsWith(QLatin1String("Usage:\n  brenak-cli calc FILE [--set CONTROL=TEXT]"))) << en.toStdString();
  EXPECT_TRUE(en.contains(QLatin1String("\nCommands:\n  calc ")));
  EXPECT_TRUE(en.contains(QLatin1String("\nOptions:\n  -h, --help     shows this help\n"))) << en.toStdString();
  ExpectEnglish(en);
  EXPECT_EQ(OptionNames(en), OptionNames(es));
}

class CliSubcommandHelpTest : public ::testing::TestWithParam<const char*> {};

TEST_P(CliSubcommandHelpTest, HelpInEitherLanguage) {
  const QStringList args{QString::fromLatin1(GetParam()), QStringLiteral("--help")};
  const CliRun spanish = Help(args, false);
  ASSERT_EQ(spanish.status, 0);
  const QString es = QString::fromUtf8(spanish.out);
  EXPECT_TRUE(es.startsWith(QLatin1String("Uso:\n")));
  EXPECT_TRUE(es.contains(QLatin1String("\nEstado de salida: 0 ")));

  const CliRun english = Help(args, true);
  ASSERT_EQ(english.status, 0);
  const QString en = QString::fromUtf8(english.out);
  EXPECT_TRUE(en.startsWith(QLatin1String("Usage:\n")));
  EXPECT_TRUE(en.contains(QLatin1String("\nExit status: 0 "))) << en.toStdString();
  ExpectEnglish(en);
  EXPECT_EQ(OptionNames(en), OptionNames(es)) << "the same options, other words";
}

INSTANTIATE_TEST_SUITE_P(Subcommands, CliSubcommandHelpTest,
                         ::testing::Values("calc", "sweep", "summary", "installation", "report", "screenshot",
                                           "chart"));

// A wrong use is told in the language of the tool, with the usage after it.
TEST(CliHelpLanguageTest, WrongUseMessages) {
  const QStringList wrongUses[] = {
      {QStringLiteral("sweep")},
      {QStringLiteral("calc"), QStringLiteral("--nada"), CasePath(QStringLiteral("start.txt"))},
      {QStringLiteral("summary"), QStringLiteral("--format"), QStringLiteral("xml"),
       CasePath(QStringLiteral("start.txt"))},
      {QStringLiteral("installation"), QStringLiteral("--power-kw"), QStringLiteral("-3"), QStringLiteral("a.json")},
      {QStringLiteral("nada")}};
  for (const QStringList& args : wrongUses) {
    const CliRun spanish = Help(args, false);
    EXPECT_EQ(spanish.status, 1) << args.join(' ').toStdString();
    EXPECT_TRUE(spanish.err.contains("brenak-cli: ") && spanish.err.contains("\nUso:\n")) << spanish.err.toStdString();

    const CliRun english = Help(args, true);
    EXPECT_EQ(english.status, 1);
    const QString en = QString::fromUtf8(english.err);
    // The problem's line, and the usage after it.
    const qsizetype problem = en.indexOf(QLatin1String("brenak-cli: "));
    ASSERT_GE(problem, 0) << en.toStdString();
    EXPECT_TRUE(en.indexOf(QLatin1String("\nUsage:\n"), problem) > problem) << en.toStdString();
    ExpectEnglish(en.mid(problem).section(QLatin1Char('\n'), 0, 0));
  }
}

}  // namespace
