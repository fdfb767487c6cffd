// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportSubcommand.h"

#include "CommandLine.h"

#include "app/Brenak.h"
#include "app/ProjectCommands.h"
#include "app/StartUp.h"
#include "form/MessageSink.h"
#include "form/NumberFormat.h"
#include "form/WindowCase.h"
#include "report/ReportContent.h"
#include "report/ReportFiles.h"
#include "report/ReportPictures.h"
#include "report/ReportWriter.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {

void PrintMessages(const RecordingMessageSink& sink) {
  for (const Message& message : sink.shown)
    std::fprintf(stderr, "%s: %s\n", message.caption.toLocal8Bit().constData(), message.text.toLocal8Bit().constData());
}

int Fail(const QString& text, int status) {
  std::fprintf(stderr, "brenak-cli: %s\n", text.toLocal8Bit().constData());
  return status;
}

}  // namespace

int RunReportSubcommand(const QStringList& args, const QString& programPath) {
  const QCommandLineOption separatorOption = DecimalSeparatorOption();
  const QCommandLineOption helpOption = HelpOption();
  QCommandLineParser parser;
  parser.addOptions({separatorOption, helpOption});
  const bool parsed = ParseArguments(parser, args);
  // "--decimal-separator X": the separator the numbers of the report are written with.
  QChar separator;
  const SeparatorChoice choice = ReadDecimalSeparator(parser, separatorOption, &separator);
  const auto wrongUse = [] {
    PrintUsage(QStringLiteral("report"));
    return kWrongUse;
  };
  if (!parsed || choice == SeparatorChoice::MissingValue || choice == SeparatorChoice::WrongValue) return wrongUse();
  if (parser.isSet(helpOption)) return PrintHelp(QStringLiteral("report"), {separatorOption, helpOption});
  const QStringList files = parser.positionalArguments();
  if (files.size() != 2) return wrongUse();
  if (!separator.isNull()) SetDecimalSeparator(separator);

  RecordingMessageSink sink;
  Brenak app(sink);
  CreateMainWindow(app, ProgramFolderFromPath(programPath));
  const bool read = OpenProjectFile(app, files[0]);
  PrintMessages(sink);
  if (!read)
    return Fail(QCoreApplication::translate("ReportSubcommand", "el archivo no es un proyecto: %1").arg(files[0]), 2);
  // "Imprimir" is offered only once a calculation has run.
  if (!app.form.Enabled(QStringLiteral("SBImpresor")))
    return Fail(QCoreApplication::translate("ReportSubcommand", "el proyecto no se ha calculado; no hay informe"), 3);

  FileReportDocument document;
  ArtworkPictures pictures;
  WriteReport(ReportCase(CaseFromWindow(app), app.lastOutcome.value_or(CaseOutcome{}), app.projectPath), document,
              pictures);
  QString error;
  if (!SaveReport(document.Content(), files[1], &error))
    return Fail(QCoreApplication::translate("ReportSubcommand", "no se ha podido escribir %1: %2").arg(files[1], error),
                4);
  return 0;
}
