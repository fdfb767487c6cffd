// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProjectSummary.h"

#include "app/ThicknessTable.h"
#include "checking/CaseCheck.h"
#include "engine/InsulationLayer.h"
#include "files/CaseFile.h"
#include "form/CaseNames.h"
#include "form/CaseOpening.h"
#include "form/NumberFormat.h"
#include "results/CaseCalculation.h"
#include "results/ResultLines.h"

#include <QCoreApplication>
#include <QJsonObject>

namespace {

QString JoinedMessages(const QStringList& texts) { return texts.join(QStringLiteral(" | ")); }

// The columns in the Spanish source: the JSON's keys as they are, the CSV's
// heading row once translated.
constexpr const char* kHeadings[] = {QT_TRANSLATE_NOOP("ProjectSummary", "Archivo"),
                                     QT_TRANSLATE_NOOP("ProjectSummary", "Referencia"),
                                     QT_TRANSLATE_NOOP("ProjectSummary", "Elemento"),
                                     QT_TRANSLATE_NOOP("ProjectSummary", "Tipo"),
                                     QT_TRANSLATE_NOOP("ProjectSummary", "Calcular"),
                                     QT_TRANSLATE_NOOP("ProjectSummary", "Condición de diseño"),
                                     QT_TRANSLATE_NOOP("ProjectSummary", "Capa aislante"),
                                     QT_TRANSLATE_NOOP("ProjectSummary", "Espesor aislante (mm)"),
                                     QT_TRANSLATE_NOOP("ProjectSummary", "Flujo de calor"),
                                     QT_TRANSLATE_NOOP("ProjectSummary", "Resistencia térmica o coef. global"),
                                     QT_TRANSLATE_NOOP("ProjectSummary", "T. superficie exterior (ºC)"),
                                     QT_TRANSLATE_NOOP("ProjectSummary", "RITE"),
                                     QT_TRANSLATE_NOOP("ProjectSummary", "Mensajes")};

}  // namespace

ProjectSummary SummarizeCase(const QString& file, const Case& opened) {
  ProjectSummary s;
  s.file = file;
  s.read = true;
  s.reference = opened.reference;
  s.element = KindName(opened.kind);
  s.variant = VariantName(opened);
  s.target = TargetName(opened);
  s.condition = ConditionName(opened);

  QStringList messages;
  const std::vector<CaseProblem> problems = CheckCase(opened);
  for (const CaseProblem& problem : problems)
    for (const Message& box : problem.boxes) messages << box.text;
  std::optional<CaseOutcome> outcome;
  if (problems.empty()) {
    outcome = CalculateCase(opened);
    for (const CalcMessage& message : outcome->engine.Messages()) messages << message.text;
  }
  s.messages = JoinedMessages(messages);

  const bool results = outcome && outcome->HasResults();
  if (const int layer = InsulationLayerOf(outcome ? outcome->inputs : CaseInputs(opened))) {
    const CaseLayer& row = opened.layers[layer - 1];
    s.insulation = row.name;
    // A solved thickness is the calculation's, shown only with its results.
    s.thickness = !row.thicknessSolved ? row.thickness
                  : results            ? FormatFixed(outcome->engine.results.insulationThickness, 6, 2)
                                       : QString();
  }
  // The regulation's line goes with the results: without it there are no figures.
  if (!results) return s;
  const ResultLines lines = MakeResultLines(*outcome);
  s.rite = lines.rite;
  s.heatFlow = lines.heatFlowFigure;
  s.resistance = lines.resistanceFigure;
  s.surfaceTemperature = FormatFixed(outcome->engine.results.temperatures[opened.LayerCount()], 5, 2);
  return s;
}

ProjectSummary SummarizeProjectFile(const QString& path, const QString& /*programFolder*/) {
  const CaseReading reading = ReadCaseFile(path);
  if (!reading.ok()) {
    ProjectSummary s;
    s.file = path;
    s.messages = ProjectNotOpenedText(path, reading.error);
    return s;
  }
  return SummarizeCase(path, AsOpened(reading.value));
}

QStringList SummaryKeys() {
  QStringList keys;
  for (const char* heading : kHeadings) keys << QString::fromUtf8(heading);
  return keys;
}

QStringList SummaryHeader() {
  QStringList header;
  for (const char* heading : kHeadings) header << QCoreApplication::translate("ProjectSummary", heading);
  return header;
}

QStringList SummaryCells(const ProjectSummary& s) {
  return {s.file,
          s.reference,
          s.element,
          s.variant,
          s.target,
          s.condition,
          s.insulation,
          s.thickness,
          s.heatFlow,
          s.resistance,
          s.surfaceTemperature,
          s.rite,
          s.messages};
}

QString SummaryAsCsv(const std::vector<ProjectSummary>& summaries) {
  // The table of thicknesses writes its CSV from a header and rows of texts.
  ThicknessTable table;
  table.header = SummaryHeader();
  for (const ProjectSummary& s : summaries) table.rows << SummaryCells(s);
  return TableAsCsv(table);
}

QJsonArray SummaryAsJson(const std::vector<ProjectSummary>& summaries) {
  const QStringList header = SummaryKeys();
  QJsonArray rows;
  for (const ProjectSummary& s : summaries) {
    const QStringList cells = SummaryCells(s);
    QJsonObject object;
    for (int c = 0; c < header.size(); ++c) object.insert(header[c], cells[c]);
    rows.append(object);
  }
  return rows;
}
