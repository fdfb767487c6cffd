// SPDX-License-Identifier: GPL-3.0-or-later
// brenak-cli: the program without its window, for scripts and tests.
//
//   brenak-cli calc FILE [--set CONTROL=TEXT]... [--click CONTROL[=ROW]]... [--decimal-separator , | .]
//   brenak-cli sweep FILE [--thickness E1,E2,...] [--layer N] [--format csv|json] [--decimal-separator , | .]
//   brenak-cli summary FILE... [--format csv|json] [--decimal-separator , | .]
//   brenak-cli installation FILE | --import-csv LIST.csv --template PROJECT.txt [--power-kw P] [--save DOC] [--format
//   csv|json] brenak-cli report FILE OUT.odt|OUT.pdf [--decimal-separator , | .] brenak-cli screenshot FILE OUT.png
//   [...]     (with the window) brenak-cli chart FILE OUT.png [...]          (with the window) brenak-cli --help |
//   --version
//
// `--lang es|en` anywhere on the line chooses the language of the texts. The
// tool speaks Spanish unless told, so its output does not change with the
// user's desktop; the pictures of the window follow the user's locale, as the
// window itself does.
//
// The tool reads its own options and the name of the subcommand; everything
// after the name is the subcommand's to read (CommandLine.h lists them).

#include "CommandLine.h"
#include "app/Language.h"

#ifdef BRENAK_HAVE_GUI
#include "PictureSubcommands.h"
#include "gui/WindowPictures.h"
#endif

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>

namespace {

// Reads the arguments of the tool (the program's path first) and runs the
// subcommand they name.
int RunCommandLine(const QStringList& arguments) {
  const QString programPath = arguments.value(0);
  if (arguments.size() < 2) return UsageError(QCoreApplication::translate("CommandLine", "falta la orden"));

  const QCommandLineOption helpOption = HelpOption();
  const QCommandLineOption versionOption = VersionOption();
  QCommandLineParser parser;
  parser.addOptions({helpOption, versionOption});
  parser.addPositionalArgument(QCoreApplication::translate("CommandLine", "orden"),
                               QCoreApplication::translate("CommandLine", "la orden y sus argumentos"));
  // The options after the subcommand's name are the subcommand's.
  parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
  if (!parser.parse(arguments))
    return UsageError(QCoreApplication::translate("CommandLine", "orden desconocida: %1").arg(arguments.at(1)));
  if (parser.isSet(helpOption)) return PrintProgramHelp();
  if (parser.isSet(versionOption)) return PrintVersion();

  QStringList args = parser.positionalArguments();
  if (args.isEmpty()) return UsageError(QCoreApplication::translate("CommandLine", "falta la orden"));
  const QString name = args.takeFirst();
  const Subcommand* command = FindSubcommand(name);
  // A picture command is run only as the first argument, before the application exists.
  if (!command || !command->run)
    return UsageError(QCoreApplication::translate("CommandLine", "orden desconocida: %1").arg(name));
  return command->run(args, programPath);
}

}  // namespace

int main(int argc, char** argv) {
  const LanguageOption language = TakeLanguageOption(argc, argv);
  if (language.bad) return UsageError(QStringLiteral("--lang: ") + language.badValue + QStringLiteral(" (es | en)"));
#ifdef BRENAK_HAVE_GUI
  // The picture commands draw the real window and make their own application object.
  const Language windowLanguage = language.language.value_or(LanguageOfLocale(QLocale::system().name()));
  if (IsPictureSubcommand(argc, argv))
    return RunPictureSubcommand(argc, argv, windowLanguage, language.language.value_or(Language::Spanish));
  if (argc > 1 && IsLayoutCheckCommand(argv[1])) return RunLayoutCheckCommand(argc, argv, windowLanguage);
#endif
  // Reports draw pictures and lay out pages, which needs the font database of a
  // QGuiApplication; the offscreen platform needs no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (language.language) InstallLanguage(application, *language.language);
  return RunCommandLine(QCoreApplication::arguments());
}
