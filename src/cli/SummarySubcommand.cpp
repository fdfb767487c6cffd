// SPDX-License-Identifier: GPL-3.0-or-later
#include "SummarySubcommand.h"

#include "CommandLine.h"
#include "app/ProjectSummary.h"
#include "app/StartUp.h"
#include "form/NumberFormat.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>

int RunSummarySubcommand(const QStringList& args, const QString& programPath) {
  const QCommandLineOption formatOption = FormatOption();
  const QCommandLineOption separatorOption = DecimalSeparatorOption();
  const QCommandLineOption helpOption = HelpOption();
  const QList<QCommandLineOption> options{formatOption, separatorOption, helpOption};
  QCommandLineParser parser;
  parser.addOptions(options);
  const bool parsed = ParseArguments(parser, args);

  QChar separator;
  if (const int status = SeparatorUsageError(ReadDecimalSeparator(parser, separatorOption, &separator))) return status;
  if (MissingValue(parser, formatOption))
    return UsageError(QCoreApplication::translate("SummarySubcommand", "falta el valor tras --format"));
  if (!parsed)
    return UsageError(
        QCoreApplication::translate("SummarySubcommand", "opción desconocida: %1").arg(RefusedArgument(parser, args)));
  if (parser.isSet(helpOption)) return PrintHelp(QStringLiteral("summary"), options);
  TableFormat format = TableFormat::Csv;
  if (!ReadTableFormat(parser, formatOption, &format))
    return UsageError(QCoreApplication::translate("SummarySubcommand", "el formato debe ser csv o json"));
  const QStringList files = parser.positionalArguments();
  if (files.isEmpty())
    return UsageError(
        QCoreApplication::translate("SummarySubcommand", "summary espera uno o más archivos de proyecto"));
  if (!separator.isNull()) SetDecimalSeparator(separator);

  const QString programFolder = ProgramFolderFromPath(programPath);
  std::vector<ProjectSummary> summaries;
  summaries.reserve(static_cast<size_t>(files.size()));
  bool allRead = true;
  for (const QString& file : files) {
    summaries.push_back(SummarizeProjectFile(file, programFolder));
    allRead = allRead && summaries.back().read;
  }
  WriteOut(format == TableFormat::Json ? QJsonDocument(SummaryAsJson(summaries)).toJson(QJsonDocument::Indented)
                                       : SummaryAsCsv(summaries).toUtf8());
  return allRead ? 0 : 2;
}
