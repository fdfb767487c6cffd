// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstallationSubcommand.h"

#include "CommandLine.h"
#include "files/CaseFile.h"
#include "form/NumberFormat.h"
#include "installation/InstallationCalculation.h"
#include "installation/InstallationExport.h"
#include "installation/InstallationFile.h"
#include "installation/RowCase.h"
#include "installation/SectionCsvImport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

int RunInstallationSubcommand(const QStringList& args, const QString& /*programPath*/) {
  const QCommandLineOption importOption(
      QStringLiteral("import-csv"),
      QCoreApplication::translate("InstallationSubcommand",
                                  "lista de secciones en CSV de la que construir la instalación"),
      QCoreApplication::translate("InstallationSubcommand", "LISTA.csv"));
  const QCommandLineOption templateOption(
      QStringLiteral("template"),
      QCoreApplication::translate("InstallationSubcommand",
                                  "proyecto que da lo que las filas no dicen (con --import-csv)"),
      QCoreApplication::translate("InstallationSubcommand", "PROYECTO.txt"));
  const QCommandLineOption powerOption(
      QStringLiteral("power-kw"),
      QCoreApplication::translate("InstallationSubcommand", "potencia máxima de la instalación, kW"),
      QStringLiteral("P"));
  const QCommandLineOption saveOption(
      QStringLiteral("save"),
      QCoreApplication::translate("InstallationSubcommand", "guarda la instalación construida (con --import-csv)"),
      QStringLiteral("DOC") + kInstallationSuffix);
  const QCommandLineOption formatOption = FormatOption();
  const QCommandLineOption separatorOption = DecimalSeparatorOption();
  const QCommandLineOption helpOption = HelpOption();
  const QList<QCommandLineOption> options{importOption, templateOption,  powerOption, saveOption,
                                          formatOption, separatorOption, helpOption};
  QCommandLineParser parser;
  parser.addOptions(options);
  const bool parsed = ParseArguments(parser, args);

  QChar separator;
  if (const int status = SeparatorUsageError(ReadDecimalSeparator(parser, separatorOption, &separator))) return status;
  for (const QCommandLineOption& option : {importOption, templateOption, powerOption, saveOption, formatOption})
    if (MissingValue(parser, option))
      return UsageError(QCoreApplication::translate("InstallationSubcommand", "falta el valor tras --%1")
                            .arg(option.names().constFirst()));
  if (!parsed)
    return UsageError(QCoreApplication::translate("InstallationSubcommand", "opción desconocida: %1")
                          .arg(RefusedArgument(parser, args)));
  if (parser.isSet(helpOption)) return PrintHelp(QStringLiteral("installation"), options);
  TableFormat format = TableFormat::Csv;
  if (!ReadTableFormat(parser, formatOption, &format))
    return UsageError(QCoreApplication::translate("InstallationSubcommand", "el formato debe ser csv o json"));
  const QStringList files = parser.positionalArguments();
  const bool importing = parser.isSet(importOption);
  if (importing && !files.isEmpty())
    return UsageError(QCoreApplication::translate("InstallationSubcommand",
                                                  "installation espera un documento o --import-csv, no ambos"));
  if (!importing && files.size() != 1)
    return UsageError(
        QCoreApplication::translate("InstallationSubcommand", "installation espera un documento de instalación"));
  if (importing && !parser.isSet(templateOption))
    return UsageError(QCoreApplication::translate("InstallationSubcommand",
                                                  "--import-csv necesita --template con el proyecto plantilla"));
  if (!importing && (parser.isSet(templateOption) || parser.isSet(saveOption)))
    return UsageError(
        QCoreApplication::translate("InstallationSubcommand", "--template y --save van con --import-csv"));
  if (parser.isSet(powerOption)) {
    const std::optional<float> power = TryParseNumber(parser.value(powerOption));
    if (!power || !(*power > 0))
      return UsageError(
          QCoreApplication::translate("InstallationSubcommand", "potencia no válida: %1 (kW, mayor que 0)")
              .arg(parser.value(powerOption)));
  }
  if (!separator.isNull()) SetDecimalSeparator(separator);

  InstallationDocument doc;
  std::vector<CsvLineProblem> lineProblems;
  if (importing) {
    const QString listPath = parser.value(importOption);
    const QString templatePath = parser.value(templateOption);
    const CaseReading reading = ReadCaseFile(templatePath);
    if (!reading.ok()) {
      PrintError(ProjectNotOpenedText(templatePath, reading.error));
      return 2;
    }
    QFile list(listPath);
    if (!QFileInfo(listPath).isFile() || !list.open(QIODevice::ReadOnly)) {
      PrintError(
          QCoreApplication::translate("InstallationSubcommand", "no se puede leer la lista \"%1\"").arg(listPath));
      return 2;
    }
    const QByteArray bytes = list.read(kInstallationFileMaxBytes + 1);
    if (bytes.size() > kInstallationFileMaxBytes) {
      PrintError(
          QCoreApplication::translate("InstallationSubcommand", "la lista \"%1\" es demasiado grande").arg(listPath));
      return 2;
    }
    std::vector<UserMaterial> userMaterials;
    const QString userPath = UserMaterialsPath();
    if (QFileInfo::exists(userPath)) userMaterials = LoadUserMaterials(userPath).materials;
    const SectionCsvImport imported = ImportSectionsCsv(bytes, userMaterials);
    if (!imported.ok()) {
      PrintError(QCoreApplication::translate("InstallationSubcommand", "la lista \"%1\" no se puede importar: %2")
                     .arg(listPath, imported.error));
      return 2;
    }
    for (const QString& column : imported.unknownColumns)
      PrintError(
          QCoreApplication::translate("InstallationSubcommand", "%1: columna desconocida \"%2\", no se tiene en cuenta")
              .arg(listPath, column));
    for (const CsvLineProblem& problem : imported.problems)
      PrintError(QStringLiteral("%1:%2: %3").arg(listPath).arg(problem.line).arg(problem.reason));
    lineProblems = imported.problems;
    doc.templateCase = reading.value;
    doc.rows = imported.rows;
    doc.userMaterials = UserMaterialsNamed(doc.rows, userMaterials);
  } else {
    const InstallationReading reading = ReadInstallationFile(files.first());
    if (!reading.ok()) {
      PrintError(InstallationNotOpenedText(files.first(), reading.error));
      return 2;
    }
    doc = reading.document;
  }
  if (parser.isSet(powerOption)) doc.totals.maximumPower = parser.value(powerOption).trimmed();

  const InstallationResults results = CalculateInstallation(doc);
  bool refused = !lineProblems.empty();
  for (size_t i = 0; i < results.rows.size(); ++i) {
    const RowOutcome& outcome = results.rows[i];
    if (outcome.Calculated()) continue;
    refused = true;
    const QString reference =
        doc.rows[i].reference.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(doc.rows[i].reference);
    PrintError(QCoreApplication::translate("InstallationSubcommand", "fila %1%2: %3")
                   .arg(i + 1)
                   .arg(reference, outcome.refusal->text));
  }

  if (!results.totals.dataProblem.isEmpty()) PrintError(results.totals.dataProblem);

  if (format == TableFormat::Json) {
    WriteOut(QJsonDocument(InstallationAsJson(doc, results, lineProblems)).toJson(QJsonDocument::Indented));
  } else {
    WriteOut((RowsAsCsv(doc, results) + QLatin1Char('\n') + TotalsAsCsv(results.totals) + QLatin1Char('\n') +
              BillAsCsv(results.bill))
                 .toUtf8());
  }

  if (importing && parser.isSet(saveOption)) {
    const QString path = parser.value(saveOption);
    const QString error = SaveInstallationFile(path, doc);
    if (!error.isEmpty()) {
      PrintError(InstallationNotSavedText(path, error));
      return 3;
    }
  }
  return refused ? 2 : 0;
}
