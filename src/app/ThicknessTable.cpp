// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ThicknessTable.h"

#include "app/CalculationInputs.h"
#include "engine/CalcOutcome.h"
#include "engine/DecimalRounding.h"
#include "engine/InsulationLayer.h"
#include "form/NumberFormat.h"
#include "form/WindowState.h"
#include "results/CaseCalculation.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSettings>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

const QString kSeriesKey = QStringLiteral("tabla/espesores");

// The unit of a figure per unit of the element: m2 of a plate or a duct's
// wall, m of a pipe; a sphere or a tank is counted whole.
QString PerUnit(const CalcInputs& in) {
  if (in.IsPlate() || in.IsDuct()) return QStringLiteral("/m2");
  if (in.IsPipe()) return QStringLiteral("/m");
  return QString();
}

// A source text held in a variable (marked with QT_TRANSLATE_NOOP), translated.
QString Tr(const char* text) { return QCoreApplication::translate("ThicknessTable", text); }

// Why the case gives no table, in words that fit its target.
QString RefusalText(SweepRefusal refusal, const CalcInputs& in, int layer) {
  switch (refusal) {
    case SweepRefusal::None: break;
    case SweepRefusal::NoMarkedLayer:
      return QCoreApplication::translate("ThicknessTable",
                                         "Marque la capa de aislamiento cuyo espesor se quiere variar");
    case SweepRefusal::NoInsulatingLayer:
      return QCoreApplication::translate(
                 "ThicknessTable",
                 "Ninguna capa del caso es un aislante dado por su conductividad (de %1 W/mºC como "
                 "mucho): elija la capa cuyo espesor se quiere variar")
          .arg(FormatFixed(kInsulatingConductivity, 5, 1));
    case SweepRefusal::LayerNotInUse:
      return (in.layerCount == 1
                  ? QCoreApplication::translate("ThicknessTable", "La capa %1 no está en uso: el caso tiene %2 capa")
                  : QCoreApplication::translate("ThicknessTable", "La capa %1 no está en uso: el caso tiene %2 capas"))
          .arg(layer)
          .arg(in.layerCount);
    case SweepRefusal::GivenByResistance:
      return QCoreApplication::translate(
                 "ThicknessTable",
                 "La capa %1 se ha dado por su resistencia: indique su conductividad para variar su espesor")
          .arg(layer);
  }
  return QString();
}

QString Verdict(const RiteVerdict& v) {
  if (v.scope == RiteVerdict::Scope::NotApplicable)
    return QCoreApplication::translate("ThicknessTable", "no se aplica");
  if (v.onlyOutside)
    return v.meetsOutside ? QCoreApplication::translate("ThicknessTable", "cumple")
                          : QCoreApplication::translate("ThicknessTable", "no cumple");
  if (v.meetsOutside) return QCoreApplication::translate("ThicknessTable", "cumple en interior y exterior");
  if (v.meetsInside) return QCoreApplication::translate("ThicknessTable", "cumple en interior");
  return QCoreApplication::translate("ThicknessTable", "no cumple");
}

// The columns' headings as the Spanish source has them; %1 is the unit of a
// figure per unit of the element ("/m2", "/m" or nothing), %2 of a cost.
// Untranslated, they key the JSON rows; translated, they head the table.
constexpr const char* kHeadings[] = {QT_TRANSLATE_NOOP("ThicknessTable", "Espesor (mm)"),
                                     QT_TRANSLATE_NOOP("ThicknessTable", "Flujo de calor (W%1)"),
                                     QT_TRANSLATE_NOOP("ThicknessTable", "T. superficie exterior (ºC)"),
                                     QT_TRANSLATE_NOOP("ThicknessTable", "Margen al rocío exterior (ºC)"),
                                     QT_TRANSLATE_NOOP("ThicknessTable", "Condensa"),
                                     QT_TRANSLATE_NOOP("ThicknessTable", "Energía perdida (kWh%1 y año)"),
                                     QT_TRANSLATE_NOOP("ThicknessTable", "Coste energía (%2 y año)"),
                                     QT_TRANSLATE_NOOP("ThicknessTable", "Inversión aislamiento (%2)"),
                                     QT_TRANSLATE_NOOP("ThicknessTable", "Coste total en la vida útil (%2)"),
                                     QT_TRANSLATE_NOOP("ThicknessTable", "RITE"),
                                     QT_TRANSLATE_NOOP("ThicknessTable", "Nota")};

// A heading with its units put in: %1 the figure's per unit of the element,
// %2 the cost's unit.
QString Heading(QString text, const QString& per, const QString& costUnit) {
  return text.replace(QLatin1String("%1"), per).replace(QLatin1String("%2"), costUnit);
}

// The thickness a thickness calculation of the case finds, when it finds one.
std::optional<float> FoundThickness(const CalcInputs& in) {
  if (!in.thicknessTarget) return std::nullopt;
  const CalcOutcome outcome = Calculate(in);
  if (!outcome.hasResults || outcome.absurdData) return std::nullopt;
  return outcome.results.insulationThickness;
}

// A thickness with the decimals it was typed with ("15.52", "10"): the fewest
// that read back as the same value.
QString ThicknessAsEntered(float t) {
  int decimals = 0;
  while (decimals < 6 && RoundAsWritten(t, 9, decimals) != t) ++decimals;
  return FormatFixed(t, 9, decimals);
}

QString Quoted(QString cell, QChar separator) {
  if (!cell.contains(separator) && !cell.contains('"') && !cell.contains('\n')) return cell;
  return '"' + cell.replace('"', QStringLiteral("\"\"")) + '"';
}

// Where each figure of the table goes among the inputs of a calculation.
float* FigureInput(CalcInputs& in, const QString& control) {
  const std::pair<const char*, float CalcInputs::*> places[] = {
      {"EditFiE", &CalcInputs::exteriorHumidity}, {"EditNh", &CalcInputs::hoursPerYear},
      {"EditCET", &CalcInputs::energyCost},       {"EditInf", &CalcInputs::inflation},
      {"EditOpor", &CalcInputs::opportunity},     {"EditNa", &CalcInputs::lifeYears},
      {"EditEsp1", &CalcInputs::thickness1},      {"EditCI1", &CalcInputs::cost1},
      {"EditEsp2", &CalcInputs::thickness2},      {"EditCI2", &CalcInputs::cost2}};
  for (const auto& [name, member] : places)
    if (control == QLatin1String(name)) return &(in.*member);
  return nullptr;
}

// Whether the window shows the control: it and every panel that holds it.
bool ShownOnWindow(const Form& form, QString name) {
  while (!name.isEmpty()) {
    if (!form.Has(name)) return true;  // the window itself
    if (!form.Visible(name)) return false;
    name = form.At(name).parent;
  }
  return true;
}

}  // namespace

const std::vector<TableFigure>& TableFigures() {
  static const std::vector<TableFigure> figures = {
      {"EditFiE", QT_TRANSLATE_NOOP("ThicknessTable", "Humedad relativa exterior (%)")},
      {"EditNh", QT_TRANSLATE_NOOP("ThicknessTable", "Horas de funcionamiento al año")},
      {"EditCET", QT_TRANSLATE_NOOP("ThicknessTable", "Coste de la energía (euros/kWh)")},
      {"EditInf", QT_TRANSLATE_NOOP("ThicknessTable", "Inflación del combustible (%)")},
      {"EditOpor", QT_TRANSLATE_NOOP("ThicknessTable", "Coste de oportunidad (%)")},
      {"EditNa", QT_TRANSLATE_NOOP("ThicknessTable", "Años de vida de la instalación")},
      {"EditEsp1", QT_TRANSLATE_NOOP("ThicknessTable", "Espesor 1 (mm)")},
      {"EditCI1", QT_TRANSLATE_NOOP("ThicknessTable", "Coste aislamiento 1")},
      {"EditEsp2", QT_TRANSLATE_NOOP("ThicknessTable", "Espesor 2 (mm)")},
      {"EditCI2", QT_TRANSLATE_NOOP("ThicknessTable", "Coste aislamiento 2")}};
  return figures;
}

QString TableFigureCaption(const TableFigure& figure) { return Tr(figure.caption); }

std::vector<TableFigure> FiguresTheWindowHides(const WindowState& app) {
  std::vector<TableFigure> hidden;
  const bool buried = ReadCalcInputs(app).IsBuried();
  for (const TableFigure& figure : TableFigures()) {
    if (ShownOnWindow(app.form, QString::fromLatin1(figure.control))) continue;
    if (buried && figure.control == QLatin1String("EditFiE")) continue;  // no exterior air, no dew point
    hidden.push_back(figure);
  }
  return hidden;
}

namespace {

ThicknessTable BuildTable(CalcInputs in, const std::vector<float>& wanted, const TableFigureValues& figures,
                          int layer) {
  ThicknessTable table;
  for (const auto& [control, value] : figures)
    if (float* input = FigureInput(in, control)) *input = value;
  std::vector<float> thicknesses = wanted;
  std::sort(thicknesses.begin(), thicknesses.end());
  thicknesses.erase(std::unique(thicknesses.begin(), thicknesses.end()), thicknesses.end());

  // A thickness calculation finds the thickness of its marked layer: the
  // commercial thickness follows it when that layer varies, and the marked
  // layer keeps it when another one does.
  const int marked = in.thicknessTarget ? InsulationLayerOf(in) : 0;
  const std::optional<float> found = FoundThickness(in);
  if (found && layer != 0 && layer != marked && marked > 0) in.layers[marked].thickness = *found;

  const Sweep sweep = RunThicknessSweep(in, thicknesses, layer);
  table.refused = sweep.refusal;
  table.layer = sweep.insulationLayer;
  if (sweep.refusal != SweepRefusal::None) {
    table.refusal = RefusalText(sweep.refusal, in, layer != 0 ? layer : sweep.insulationLayer);
    return table;
  }
  const QString per = PerUnit(in);
  table.flowUnit = QStringLiteral("W") + per;
  table.costUnit = QStringLiteral("euros") + per;
  for (const char* heading : kHeadings) {
    table.keys << Heading(QString::fromUtf8(heading), per, table.costUnit);
    table.header << Heading(Tr(heading), per, table.costUnit);
  }
  table.numberColumns = {true, true, true, true, false, true, true, true, true, false, false};
  if (found && sweep.insulationLayer == marked) table.commercialRow = CommercialRow(thicknesses, *found);

  const double none = std::numeric_limits<double>::quiet_NaN();
  for (int i = 0; i < static_cast<int>(sweep.rows.size()); ++i) {
    const SweepRow& row = sweep.rows[i];
    QStringList cells{ThicknessAsEntered(row.thickness)};
    table.thicknesses.push_back(row.thickness);
    table.rowCalculated.push_back(row.calculated);
    if (!row.calculated) {
      cells << row.message;
      while (cells.size() < table.header.size()) cells << QString();
      table.heatFlows.push_back(none);
      table.totalCosts.push_back(none);
    } else {
      const bool flat = !in.IsBuried();
      cells << FormatFixed(row.heatFlow, 6, 2) << FormatFixed(row.surfaceTemperature, 5, 2)
            << (flat ? FormatFixed(double(row.surfaceTemperature) - row.dewPoint, 5, 2) : QString())
            << (flat ? (row.condenses ? QCoreApplication::translate("ThicknessTable", "sí")
                                      : QCoreApplication::translate("ThicknessTable", "no"))
                     : QString())
            << FormatFixed(row.energyPerYear, 8, 1) << FormatFixed(row.energyCostPerYear, 8, 2)
            << (row.hasCosts ? FormatFixed(row.investment, 8, 2) : QString())
            << (row.hasCosts ? FormatFixed(row.totalCost, 8, 2) : QString()) << Verdict(row.rite) << QString();
      table.heatFlows.push_back(row.heatFlow);
      table.totalCosts.push_back(row.hasCosts ? row.totalCost : none);
    }
    if (i == table.commercialRow) cells.last() = QCoreApplication::translate("ThicknessTable", "espesor comercial");
    table.rows << cells;
  }
  return table;
}

}  // namespace

ThicknessTable BuildThicknessTable(const WindowState& app, const std::vector<float>& thicknesses,
                                   const TableFigureValues& figures, int layer) {
  return BuildTable(ReadCalcInputs(app), thicknesses, figures, layer);
}

ThicknessTable BuildThicknessTable(const Case& c, const std::vector<float>& thicknesses,
                                   const TableFigureValues& figures, int layer) {
  return BuildTable(CaseInputs(c), thicknesses, figures, layer);
}

QStringList LayerChoices(const WindowState& app) {
  QStringList choices;
  for (int n = 1; n <= app.LayerCount(); ++n) {
    const QString name = app.form.Text(QStringLiteral("ENombre") + QString::number(n)).simplified();
    choices << (name.isEmpty() ? QString::number(n) : QStringLiteral("%1 · %2").arg(n).arg(name));
  }
  return choices;
}

QString TableAsTabSeparated(const ThicknessTable& table) {
  QStringList lines{table.header.join('\t')};
  for (const QStringList& row : table.rows) lines << row.join('\t');
  return lines.join('\n') + '\n';
}

QString TableAsCsv(const ThicknessTable& table) {
  const QChar separator = DecimalSeparator() == ',' ? QChar(';') : QChar(',');
  auto line = [separator](const QStringList& cells) {
    QStringList quoted;
    for (const QString& cell : cells) quoted << Quoted(cell, separator);
    return quoted.join(separator);
  };
  QStringList lines{line(table.header)};
  for (const QStringList& row : table.rows) lines << line(row);
  return lines.join('\n') + '\n';
}

QJsonArray TableAsJson(const ThicknessTable& table) {
  QJsonArray rows;
  for (const QStringList& row : table.rows) {
    QJsonObject object;
    for (int c = 0; c < table.keys.size() && c < row.size(); ++c) object.insert(table.keys[c], row[c]);
    rows.append(object);
  }
  return rows;
}

std::vector<float> ParseThicknessList(const QString& text) {
  // Entries split by ";" or blanks keep either decimal separator; split by
  // commas, a comma cannot also be the decimal separator.
  const bool commaList = !text.contains(';') && text.contains(',') && !text.contains(' ');
  const QStringList parts = commaList ? text.split(',', Qt::SkipEmptyParts)
                                      : text.split(QRegularExpression(QStringLiteral("[;\\s]+")), Qt::SkipEmptyParts);
  std::vector<float> values;
  for (const QString& part : parts) {
    const std::optional<float> value = TryParseNumber(part);
    if (!value || !(*value > 0) || *value > 5000) return {};
    values.push_back(*value);
  }
  return values;
}

QString ThicknessListText(const std::vector<float>& thicknesses) {
  QStringList parts;
  for (float t : thicknesses) parts << ThicknessAsEntered(t);
  return parts.join(QStringLiteral("; "));
}

std::vector<float> RememberedThicknesses(const WindowState& app) {
  if (app.settings) {
    const std::vector<float> kept = ParseThicknessList(app.settings->value(kSeriesKey).toString());
    if (!kept.empty()) return kept;
  }
  return CommercialThicknesses();
}

void RememberThicknesses(WindowState& app, const std::vector<float>& thicknesses) {
  if (!app.settings || thicknesses.empty()) return;
  // Kept with a point, so that a change of locale reads it back the same.
  QStringList parts;
  for (float t : thicknesses) parts << QString::number(t);
  app.settings->setValue(kSeriesKey, parts.join(QStringLiteral("; ")));
}
