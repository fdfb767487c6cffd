// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <cstring>

namespace {

const QString kLanguageKey = QStringLiteral("interface/language");

Language current = Language::Spanish;

// The folder of the installed translations beside the program file:
// <prefix>/bin/brenak finds <prefix>/share/brenak/translations.
QString InstalledTranslationsFolder() {
  return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../share/brenak/translations"));
}

bool LoadInto(QTranslator& translator, const QString& name, const QStringList& folders) {
  for (const QString& folder : folders)
    if (translator.load(name, folder)) return true;
  return false;
}

}  // namespace

QString LanguageCode(Language language) {
  return language == Language::English ? QStringLiteral("en") : QStringLiteral("es");
}

std::optional<Language> LanguageFromCode(const QString& code) {
  const QString lower = code.trimmed().toLower();
  if (lower == QLatin1String("es")) return Language::Spanish;
  if (lower == QLatin1String("en")) return Language::English;
  return std::nullopt;
}

Language LanguageOfLocale(const QString& localeName) {
  const QString name = localeName.trimmed();
  if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX") ||
      name.startsWith(QLatin1String("C.")) || name.startsWith(QLatin1String("es_")) ||
      name.startsWith(QLatin1String("es-")) || name == QLatin1String("es"))
    return Language::Spanish;
  return Language::English;
}

LanguageOption TakeLanguageOption(int& argc, char** argv) {
  LanguageOption option;
  int kept = argc > 0 ? 1 : 0;
  for (int i = kept; i < argc; ++i) {
    const char* argument = argv[i];
    QString value;
    if (std::strcmp(argument, "--lang") == 0) {
      if (i + 1 < argc) value = QString::fromLocal8Bit(argv[++i]);
    } else if (std::strncmp(argument, "--lang=", 7) == 0) {
      value = QString::fromLocal8Bit(argument + 7);
    } else {
      argv[kept++] = argv[i];
      continue;
    }
    option.language = LanguageFromCode(value);
    option.bad = !option.language;
    option.badValue = option.bad ? value : QString();
  }
  if (kept < argc) argv[kept] = nullptr;
  argc = kept;
  return option;
}

Language WindowLanguage(const LanguageOption& option, const QSettings& settings) {
  if (option.language) return *option.language;
  if (const auto saved = LanguageFromCode(settings.value(kLanguageKey).toString())) return *saved;
  return LanguageOfLocale(QLocale::system().name());
}

void SaveLanguageChoice(QSettings& settings, Language language) {
  settings.setValue(kLanguageKey, LanguageCode(language));
}

Language CurrentLanguage() { return current; }

void InstallLanguage(QCoreApplication& application, Language language) {
  current = language;
  const QString code = LanguageCode(language);
  if (language != Language::Spanish) {
    auto* program = new QTranslator(&application);
    if (LoadInto(*program, QStringLiteral("brenak_") + code, {QStringLiteral(":/i18n"), InstalledTranslationsFolder()}))
      QCoreApplication::installTranslator(program);
    else
      delete program;
  }
  auto* qt = new QTranslator(&application);
  if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qt);
  else
    delete qt;
}
