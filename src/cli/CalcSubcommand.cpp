#include "CalcSubcommand.h"

#include "CommandLine.h"
#include "app/ProjectCalculation.h"
#include "app/StartUp.h"
#include "form/NumberFormat.h"

#include <QCommandLineParser>
#include <QJsonDocument>
#include <cstdio>

int RunCalcSubcommand(const QStringList& args, const QString& programPath) {
  const QCommandLineOption separatorOption = DecimalSeparatorOption();
  const QCommandLineOption helpOption = HelpOption();
  QCommandLineParser parser;
  parser.addOptions({separatorOption, helpOption});
  const bool parsed = ParseArguments(parser, args);

  // A wrong separator is told before an unknown option, and that before a
  // wrong number of files.
  QChar separator;
  switch (ReadDecimalSeparator(parser, separatorOption, &separator)) {
    case SeparatorChoice::MissingValue:
      return UsageError(QStringLiteral("falta el separador decimal tras --decimal-separator"));
    case SeparatorChoice::WrongValue:
      return UsageError(QStringLiteral("el separador decimal debe ser \",\" o \".\""));
    case SeparatorChoice::Given:
    case SeparatorChoice::NotGiven:
      break;
  }
  if (!parsed) return UsageError(QStringLiteral("opción desconocida: ") + RefusedArgument(parser, args));
  if (parser.isSet(helpOption)) return PrintHelp(QStringLiteral("calc"), {separatorOption, helpOption});
  const QStringList files = parser.positionalArguments();
  if (files.size() != 1) return UsageError(QStringLiteral("calc espera un archivo de proyecto"));
  if (!separator.isNull()) SetDecimalSeparator(separator);

  const CalculatedProject outcome = CalculateProjectFile(files.first(), ProgramFolderFromPath(programPath));
  const QByteArray json = QJsonDocument(outcome.json).toJson(QJsonDocument::Indented);
  std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
  std::fflush(stdout);
  return outcome.read ? 0 : 2;
}
