// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class QCoreApplication;
class QSettings;

// The languages of the interface. The texts in the source are Spanish; English
// comes from the program's translation file.
enum class Language { Spanish, English };

// "es" or "en".
QString LanguageCode(Language language);
// The language of "es" or "en" (any case); none for any other text.
std::optional<Language> LanguageFromCode(const QString& code);

// The language for a locale name as Qt gives it ("es_ES", "en_GB", "C"):
// Spanish for every Spanish locale and for the C/POSIX locale, English for
// every other language.
Language LanguageOfLocale(const QString& localeName);

// `--lang es|en` or `--lang=es|en` on a command line.
struct LanguageOption {
  std::optional<Language> language;  // none when the option is absent
  QString badValue;                  // the value given when it names no language
  bool bad = false;                  // the option is there without a known language
};

// Reads `--lang` from argv and takes it out (argc shrinks), so the rest of the
// program sees its command line as before. The last one given counts.
LanguageOption TakeLanguageOption(int& argc, char** argv);

// The language the window starts in: the command line's, else the one chosen
// in the window (kept in `settings`), else the user's locale.
Language WindowLanguage(const LanguageOption& option, const QSettings& settings);
// The choice made in the window, for the next start.
void SaveLanguageChoice(QSettings& settings, Language language);

// The language that is now in force in this process: the last one installed.
Language CurrentLanguage();

// Installs the program's translation for `language` (from the program's
// resources, else from the installed translations folder) and Qt's own texts
// for it (standard buttons, file dialogs) on `application`, which owns them.
// Spanish needs no program translation. A missing file leaves the source texts.
void InstallLanguage(QCoreApplication& application, Language language);
