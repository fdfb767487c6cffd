// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Language.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <string>
#include <vector>

namespace {

struct LocaleCase {
  const char* locale;
  Language language;
};

class LanguageOfLocaleTest : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LanguageOfLocaleTest, SpanishForSpanishAndPlainLocales) {
  EXPECT_EQ(LanguageOfLocale(QString::fromLatin1(GetParam().locale)), GetParam().language);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LanguageOfLocaleTest,
    ::testing::Values(LocaleCase{"es_ES", Language::Spanish}, LocaleCase{"es_MX", Language::Spanish},
                      LocaleCase{"es", Language::Spanish}, LocaleCase{"C", Language::Spanish},
                      LocaleCase{"C.UTF-8", Language::Spanish}, LocaleCase{"POSIX", Language::Spanish},
                      LocaleCase{"", Language::Spanish}, LocaleCase{"en_GB", Language::English},
                      LocaleCase{"en_US", Language::English}, LocaleCase{"de_DE", Language::English},
                      LocaleCase{"ca_ES", Language::English}, LocaleCase{"eu_ES", Language::English}));

// Runs TakeLanguageOption on a command line and gives what is left of it.
std::vector<std::string> Take(std::vector<std::string> words, LanguageOption* option) {
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  int argc = static_cast<int>(words.size());
  *option = TakeLanguageOption(argc, argv.data());
  EXPECT_EQ(argv[static_cast<size_t>(argc)], nullptr);
  return {argv.begin(), argv.begin() + argc};
}

TEST(LanguageOptionTest, TakenOutWhereverItStands) {
  LanguageOption option;
  EXPECT_EQ(Take({"brenak-cli", "--lang", "en", "calc", "a.txt"}, &option),
            (std::vector<std::string>{"brenak-cli", "calc", "a.txt"}));
  EXPECT_EQ(option.language, Language::English);

  EXPECT_EQ(Take({"brenak", "a.txt", "--lang=ES"}, &option), (std::vector<std::string>{"brenak", "a.txt"}));
  EXPECT_EQ(option.language, Language::Spanish);

  // The last one counts.
  Take({"brenak", "--lang", "es", "--lang", "en"}, &option);
  EXPECT_EQ(option.language, Language::English);

  // The program's own path is never read as the option.
  EXPECT_EQ(Take({"--lang", "x.txt"}, &option), (std::vector<std::string>{"--lang", "x.txt"}));
  EXPECT_FALSE(option.language);
  EXPECT_FALSE(option.bad);
}

TEST(LanguageOptionTest, UnknownOrMissingValueIsWrongUse) {
  LanguageOption option;
  EXPECT_EQ(Take({"brenak", "--lang", "fr", "a.txt"}, &option), (std::vector<std::string>{"brenak", "a.txt"}));
  EXPECT_TRUE(option.bad);
  EXPECT_EQ(option.badValue, QStringLiteral("fr"));
  EXPECT_FALSE(option.language);

  EXPECT_EQ(Take({"brenak", "--lang"}, &option), (std::vector<std::string>{"brenak"}));
  EXPECT_TRUE(option.bad);
}

TEST(LanguageChoiceTest, CommandLineBeforeSavedChoiceBeforeLocale) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QSettings settings(folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
  const Language fromLocale = LanguageOfLocale(QLocale::system().name());
  EXPECT_EQ(WindowLanguage({}, settings), fromLocale);

  SaveLanguageChoice(settings, Language::English);
  EXPECT_EQ(WindowLanguage({}, settings), Language::English);
  LanguageOption option;
  option.language = Language::Spanish;
  EXPECT_EQ(WindowLanguage(option, settings), Language::Spanish);

  // A saved value the program does not know falls back to the locale.
  settings.setValue(QStringLiteral("interface/language"), QStringLiteral("xx"));
  EXPECT_EQ(WindowLanguage({}, settings), fromLocale);
}

}  // namespace
