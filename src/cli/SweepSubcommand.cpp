// SPDX-License-Identifier: GPL-3.0-or-later
#include "SweepSubcommand.h"

#include "CommandLine.h"
#include "app/ThicknessTable.h"
#include "checking/CaseCheck.h"
#include "files/CaseFile.h"
#include "form/CaseOpening.h"
#include "form/MessageSink.h"
#include "form/NumberFormat.h"
#include "studies/ThicknessSweep.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>

std::vector<float> ParseThicknessOption(const QString& text) {
  std::vector<float> thicknesses;
  for (const QString& entry : text.split(QLatin1Char(','))) {
    // Each entry is one number: the list reader takes blanks and ";" as separators.
    const std::vector<float> one = ParseThicknessList(entry);
    if (one.size() != 1) return {};
    thicknesses.push_back(one.front());
  }
  return thicknesses;
}

int RunSweepSubcommand(const QStringList& args, const QString& /*programPath*/) {
  const QCommandLineOption thicknessOption(
      QStringLiteral("thickness"),
      QCoreApplication::translate(
          "SweepSubcommand",
          "espesores del aislante en mm, separados por comas (12.5 con punto decimal); por omisión, "
          "la serie comercial"),
      QStringLiteral("E1,E2,..."));
  const QCommandLineOption layerOption(
      QStringLiteral("layer"),
      QCoreApplication::translate(
          "SweepSubcommand",
          "capa cuyo espesor varía, de 1 a 6 desde el interior, entre las capas en uso; por omisión, "
          "la capa de aislamiento del caso"),
      QStringLiteral("N"));
  const QCommandLineOption formatOption = FormatOption();
  const QCommandLineOption separatorOption = DecimalSeparatorOption();
  const QCommandLineOption helpOption = HelpOption();
  const QList<QCommandLineOption> options{thicknessOption, layerOption, formatOption, separatorOption, helpOption};
  QCommandLineParser parser;
  parser.addOptions(options);
  const bool parsed = ParseArguments(parser, args);

  QChar separator;
  if (const int status = SeparatorUsageError(ReadDecimalSeparator(parser, separatorOption, &separator))) return status;
  for (const QCommandLineOption& option : {thicknessOption, layerOption, formatOption})
    if (MissingValue(parser, option))
      return UsageError(
          QCoreApplication::translate("SweepSubcommand", "falta el valor tras --%1").arg(option.names().constFirst()));
  if (!parsed)
    return UsageError(
        QCoreApplication::translate("SweepSubcommand", "opción desconocida: %1").arg(RefusedArgument(parser, args)));
  if (parser.isSet(helpOption)) return PrintHelp(QStringLiteral("sweep"), options);
  TableFormat format = TableFormat::Csv;
  if (!ReadTableFormat(parser, formatOption, &format))
    return UsageError(QCoreApplication::translate("SweepSubcommand", "el formato debe ser csv o json"));
  const QStringList files = parser.positionalArguments();
  if (files.size() != 1)
    return UsageError(QCoreApplication::translate("SweepSubcommand", "sweep espera un archivo de proyecto"));
  std::vector<float> thicknesses = CommercialThicknesses();
  if (parser.isSet(thicknessOption)) {
    thicknesses = ParseThicknessOption(parser.value(thicknessOption));
    if (thicknesses.empty())
      return UsageError(
          QCoreApplication::translate("SweepSubcommand",
                                      "espesores no válidos: %1 (mm, separados por comas, mayores que 0 y hasta 5000)")
              .arg(parser.value(thicknessOption)));
  }
  int layer = 0;
  if (parser.isSet(layerOption)) {
    bool number = false;
    layer = parser.value(layerOption).trimmed().toInt(&number);
    if (!number || layer < 1 || layer > 6)
      return UsageError(QCoreApplication::translate("SweepSubcommand", "capa no válida: %1 (un número entero de 1 a 6)")
                            .arg(parser.value(layerOption)));
  }
  if (!separator.isNull()) SetDecimalSeparator(separator);

  // The case as the file holds it, as opening it gives it; a file that is
  // no project, or a case the checks refuse, gives no table.
  const CaseReading reading = ReadCaseFile(files.first());
  if (!reading.ok()) {
    PrintError(kAtencion + QStringLiteral(": ") + ProjectNotOpenedText(files.first(), reading.error));
    return 2;
  }
  const Case opened = AsOpened(reading.value);
  const std::vector<CaseProblem> problems = CheckCase(opened);
  for (const CaseProblem& problem : problems)
    for (const Message& box : problem.boxes) PrintError(box.caption + QStringLiteral(": ") + box.text);
  if (!problems.empty()) return 2;
  const ThicknessTable table = BuildThicknessTable(opened, thicknesses, {}, layer);
  if (table.refused != SweepRefusal::None) {
    PrintError(table.refusal);
    return 2;
  }
  WriteOut(format == TableFormat::Json ? QJsonDocument(TableAsJson(table)).toJson(QJsonDocument::Indented)
                                       : TableAsCsv(table).toUtf8());
  return 0;
}
