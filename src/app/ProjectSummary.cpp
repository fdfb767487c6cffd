#include "app/ProjectSummary.h"

#include "app/Brenak.h"
#include "app/CalculationInputs.h"
#include "app/ProjectCommands.h"
#include "app/StartUp.h"
#include "app/ThicknessTable.h"
#include "engine/InsulationLayer.h"

#include <QJsonObject>
#include <QRegularExpression>

namespace {

// A number as FormatFixed writes it, with either separator and its exponent.
const QString kNumber = QStringLiteral("-?\\d+(?:[.,]\\d+)?(?:E[+-]\\d+)?");

// The selected row of a list, its blanks run together. Some condition rows
// carry the captions of the fields beside them after a wide padding
// ("Temp.final agua      Longitud      m"): only what comes before it is kept.
QString SelectedRow(const Form& form, const QString& list) {
  if (list.isEmpty()) return QString();
  static const QRegularExpression padding(QStringLiteral("\\s{3,}"));
  const Control& control = form.At(list);
  return control.items.value(control.index).split(padding).constFirst().simplified();
}

// The list of the element kind's variants: plate orientation, pipe placing,
// duct or tank; a sphere has none.
QString VariantList(const WindowState& app) {
  switch (app.kind) {
    case GeometryKind::Plate: return QStringLiteral("RGTipoPared");
    case GeometryKind::Pipe: return QStringLiteral("RGTipoTuberias");
    case GeometryKind::Sphere: return QString();
    case GeometryKind::Special: return QStringLiteral("RGTipoOtros");
  }
  return QString();
}

// The element kind, as the toolbar names the kinds, in the singular.
QString KindName(GeometryKind kind) {
  switch (kind) {
    case GeometryKind::Plate: return QStringLiteral("Placa plana");
    case GeometryKind::Pipe: return QStringLiteral("Tubería");
    case GeometryKind::Sphere: return QStringLiteral("Esfera");
    case GeometryKind::Special: return QStringLiteral("Conducto o depósito");
  }
  return QString();
}

// The first figure of the heat-flow line with its unit. The line may carry a
// second figure after it (the total along a pipe, a duct's flow per m2).
QString HeatFlowFigure(const QString& line) {
  static const QRegularExpression figure(QStringLiteral("(%1) ?(W/m2|W/m|W)(?![\\w/])").arg(kNumber));
  const QRegularExpressionMatch match = figure.match(line);
  return match.hasMatch() ? match.captured(1) + QLatin1Char(' ') + match.captured(2) : QString();
}

// The figure that ends the resistance line, with its unit; a tank's line has none.
QString EndingFigure(const QString& line) {
  static const QRegularExpression figure(QStringLiteral("(%1) (\\S+)$").arg(kNumber));
  const QRegularExpressionMatch match = figure.match(line);
  return match.hasMatch() ? match.captured(1) + QLatin1Char(' ') + match.captured(2) : QString();
}

QString JoinedMessages(const std::vector<Message>& shown) {
  QStringList texts;
  for (const Message& message : shown) texts << message.text;
  return texts.join(QStringLiteral(" | "));
}

}  // namespace

ProjectSummary SummarizeWindow(const WindowState& app, const QString& file, bool read,
                               const std::vector<Message>& shown) {
  ProjectSummary s;
  s.file = file;
  s.read = read;
  s.messages = JoinedMessages(shown);
  // A refused file leaves the window as it was: nothing on it is the file's.
  if (!read) return s;

  const Form& form = app.form;
  s.reference = form.Text(QStringLiteral("EditReferencia"));
  s.element = KindName(app.kind);
  s.variant = SelectedRow(form, VariantList(app));
  s.target = SelectedRow(form, QStringLiteral("RadioGroupCalcular"));
  if (app.ThicknessTarget()) s.condition = SelectedRow(form, app.ConditionGroup());
  if (const int layer = InsulationLayerOf(ReadCalcInputs(app))) {
    const QString row = QString::number(layer);
    s.insulation = form.Text(QStringLiteral("ENombre") + row);
    s.thickness = form.Text(QStringLiteral("Edit") + row + QStringLiteral("e"));
  }

  // The regulation's line is the last a calculation writes and goes with the
  // results: without it the window shows no results (a refused condition
  // leaves only the bare element's line).
  s.rite = form.Text(QStringLiteral("LabelRITE"));
  if (s.rite.isEmpty()) return s;
  s.heatFlow = HeatFlowFigure(form.Text(QStringLiteral("LabelQ")));
  s.resistance = EndingFigure(form.Text(QStringLiteral("LabelRT")));
  s.surfaceTemperature = form.Text(QStringLiteral("LT") + QString::number(app.LayerCount()));
  return s;
}

ProjectSummary SummarizeProjectFile(const QString& path, const QString& programFolder) {
  RecordingMessageSink sink;
  Brenak app(sink);
  CreateMainWindow(app, programFolder);
  const bool read = OpenProjectFile(app, path);
  return SummarizeWindow(app, path, read, sink.shown);
}

QStringList SummaryHeader() {
  return {QStringLiteral("Archivo"),
          QStringLiteral("Referencia"),
          QStringLiteral("Elemento"),
          QStringLiteral("Tipo"),
          QStringLiteral("Calcular"),
          QStringLiteral("Condición de diseño"),
          QStringLiteral("Capa aislante"),
          QStringLiteral("Espesor aislante (mm)"),
          QStringLiteral("Flujo de calor"),
          QStringLiteral("Resistencia térmica o coef. global"),
          QStringLiteral("T. superficie exterior (ºC)"),
          QStringLiteral("RITE"),
          QStringLiteral("Mensajes")};
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
  const QStringList header = SummaryHeader();
  QJsonArray rows;
  for (const ProjectSummary& s : summaries) {
    const QStringList cells = SummaryCells(s);
    QJsonObject object;
    for (int c = 0; c < header.size(); ++c) object.insert(header[c], cells[c]);
    rows.append(object);
  }
  return rows;
}
