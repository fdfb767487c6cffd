#include "ReportSubcommand.h"

#include "app/ProjectCommands.h"
#include "report/ReportContent.h"
#include "report/ReportFiles.h"
#include "report/ReportPictures.h"
#include "report/ReportWriter.h"
#include "app/Brenak.h"
#include "form/MessageSink.h"
#include "form/NumberFormat.h"
#include "app/StartUp.h"

#include <cstdio>

namespace {

void PrintMessages(const RecordingMessageSink& sink) {
  for (const Message& message : sink.shown)
    std::fprintf(stderr, "%s: %s\n", message.caption.toLocal8Bit().constData(),
                 message.text.toLocal8Bit().constData());
}

int Fail(const QString& text, int status) {
  std::fprintf(stderr, "brenak-cli: %s\n", text.toLocal8Bit().constData());
  return status;
}

}  // namespace

int RunReportSubcommand(const QStringList& argsIn, const QString& programPath) {
  QStringList args = argsIn;
  // "--decimal-separator X": the separator the numbers of the report are written with.
  bool wrongOption = false;
  const qsizetype option = args.indexOf(QStringLiteral("--decimal-separator"));
  if (option >= 0) {
    const QString value = option + 1 < args.size() ? args[option + 1] : QString();
    wrongOption = value != QLatin1String(",") && value != QLatin1String(".");
    if (!wrongOption) {
      SetDecimalSeparator(value.at(0));
      args.remove(option, 2);
    }
  }
  if (wrongOption || args.size() != 2 || args[0].startsWith(QLatin1String("--")) || args[1].startsWith(QLatin1String("--"))) {
    std::fputs("Uso:\n  brenak-cli report FILE OUT.odt|OUT.pdf [--decimal-separator , | .]\n", stderr);
    return 1;
  }
  RecordingMessageSink sink;
  Brenak app(sink);
  CreateMainWindow(app, ProgramFolderFromPath(programPath));
  const bool read = OpenProjectFile(app, args[0]);
  PrintMessages(sink);
  if (!read) return Fail(QStringLiteral("el archivo no es un proyecto: ") + args[0], 2);
  // "Imprimir" is offered only once a calculation has run.
  if (!app.form.Enabled(QStringLiteral("SBImpresor")))
    return Fail(QStringLiteral("el proyecto no se ha calculado; no hay informe"), 3);

  FileReportDocument document;
  ArtworkPictures pictures;
  if (!WriteReport(app, document, pictures)) return Fail(QStringLiteral("no se ha podido componer el informe"), 4);
  QString error;
  if (!SaveReport(document.Content(), args[1], &error))
    return Fail(QStringLiteral("no se ha podido escribir %1: %2").arg(args[1], error), 4);
  return 0;
}
