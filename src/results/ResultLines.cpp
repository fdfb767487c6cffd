#include "results/ResultLines.h"

#include "engine/ResultFigures.h"
#include "form/NumberFormat.h"
#include "results/RiteLine.h"

namespace {

QString FF(double value, int precision, int digits) { return FormatFixed(value, precision, digits); }
// Resistances keep four significant digits where three decimals would lose them.
QString FR(double value, int precision) { return FormatResistance(value, precision); }

// A figure with its unit, as a line writes it.
QString Figure(const QString& number, const char* unit) { return number + QLatin1Char(' ') + QString::fromUtf8(unit); }

}  // namespace

ResultLines MakeResultLines(const CaseOutcome& outcome) {
  const CalcInputs& in = outcome.inputs;
  const Results& r = outcome.engine.results;
  ResultLines lines;
  const float R = r.resistanceTotal;
  const float q = r.heatFlow;
  const double perimeter = in.IsDuct() ? ResultsDuctPerimeter(in, r) : 0;

  if (in.IsPlate()) {
    lines.resistance = "Coef. global de transferencia de calor " + FF(1 / double(R), 6, 3) + " W/m2ºC";
    lines.heatFlow = "Densidad sup. flujo de calor " + FF(q, 5, 2) + " W/m2";
    lines.resistanceFigure = Figure(FF(1 / double(R), 6, 3), "W/m2ºC");
    lines.heatFlowFigure = Figure(FF(q, 5, 2), "W/m2");
  } else if (in.IsPipe()) {
    lines.resistance = "Resistencia térmica lineal " + FR(R, 6) + " mºC/W";
    lines.heatFlow = "Densidad lineal flujo de calor " + FF(q, 5, 2) + " W/m";
    lines.resistanceFigure = Figure(FR(R, 6), "mºC/W");
    lines.heatFlowFigure = Figure(FF(q, 5, 2), "W/m");
  } else if (in.IsSphere()) {
    lines.resistance = "Resistencia térmica total " + FR(R, 6) + " ºC/W";
    lines.heatFlow = "Flujo de calor " + FF(q, 5, 2) + " W";
    lines.resistanceFigure = Figure(FR(R, 6), "ºC/W");
    lines.heatFlowFigure = Figure(FF(q, 5, 2), "W");
  } else if (in.IsDuct()) {
    lines.resistance = "Resistencia térmica lineal " + FR(R / perimeter, 6) + " mºC/W";
    lines.heatFlow = "Flujo de calor " + FF(q * perimeter, 5, 2) + " W/m  o  " + FF(q, 5, 2) + " W/m2";
    lines.resistanceFigure = Figure(FR(R / perimeter, 6), "mºC/W");
    lines.heatFlowFigure = Figure(FF(q * perimeter, 5, 2), "W/m");
  } else {
    lines.resistance = QStringLiteral("Mismo flujo de calor por m2 en todo el depósito");
    lines.heatFlow = "Flujo de calor " + FF(TankHeatFlow(in, q), 5, 2) + " W";
    lines.heatFlowFigure = Figure(FF(TankHeatFlow(in, q), 5, 2), "W");
    lines.note = QStringLiteral("Atención.   Se ha considerado:");
  }

  if ((r.condition == DesignCondition::Resistance && !in.IsTank()) || r.condition == DesignCondition::FreezingTime) {
    lines.heatFlow.clear();
    lines.heatFlowFigure.clear();
  }

  if (in.thicknessTarget) lines.note = "Esp. aislamiento " + FF(r.insulationThickness, 6, 2) + " mm";

  if (outcome.condensingFaces)
    lines.note = *outcome.condensingFaces >= 1 ? QStringLiteral("Atención: Condensa en el interior de las placas planas")
                                               : QStringLiteral("No condensa en el interior de las placas planas");

  if (outcome.finalWater) {
    lines.note = "La temperatura al final de la tubería es " + FF(outcome.finalWater->finalTemperature, 5, 3) + " ºC";
    lines.heatFlow = "Densidad lineal " + FF(q, 5, 2) + " W/m    Flujo calor total " +
                     FF(outcome.finalWater->totalHeatFlow, 5, 0) + " W";
  }

  if (in.IsDuct() && !in.thicknessTarget) {
    const double w = in.ductWidth, h = in.interiorHeight;
    lines.resistance = "Resistencia térmica lineal " + FR(R / perimeter, 6) + " mºC/W";
    lines.heatFlow = "Flujo de calor " + FF(q * perimeter, 5, 2) + " W/m lineal o " +
                     FF(q * perimeter / (2 * w + 2 * h), 5, 2) + " W/m2 sup. int.";
    if (outcome.finalAir) {
      lines.note = "La temperatura al final del conducto es " + FF(outcome.finalAir->finalTemperature, 5, 3) + " ºC";
      lines.heatFlow = "Densidad lineal " + FF(q * perimeter, 5, 2) + " W/m    Flujo calor total " +
                       FF(outcome.finalAir->totalHeatFlow, 5, 0) + " W";
    }
  }

  if (outcome.rite) lines.rite = RiteLine(*outcome.rite);
  return lines;
}

QString BareElementLineText(const BareElementLine& line) {
  return line.caption + FormatFixed(line.value, 6, line.decimals) + line.unit;
}

EconomicLines MakeEconomicLines(const CalcInputs& in, const EconomicOutcome& o) {
  EconomicLines lines;
  QString unit;
  lines.thickness = "Esp. aislamiento " + FF(o.thickness, 6, 2) + " mm";
  if (in.IsPlate()) {
    lines.resistance = "Coef. global de transferencia de calor " + FF(1 / double(o.resistance), 6, 3) + " W/m2ºC";
    lines.heatFlow = "Densidad sup. flujo de calor " + FF(o.heatFlow, 5, 2) + " W/m2";
    unit = " euros/m2";
  } else if (in.IsPipe()) {
    lines.resistance = "Resistencia térmica lineal " + FR(o.resistance, 6) + " mºC/W";
    lines.heatFlow = "Densidad lineal flujo de calor " + FF(o.heatFlow, 5, 2) + " W/m";
    unit = " euros/m";
  } else {
    lines.resistance = "Resistencia térmica total " + FR(o.resistance, 6) + " ºC/W";
    lines.heatFlow = "Flujo de calor " + FF(o.heatFlow, 5, 2) + " W";
    unit = " euros";
  }
  lines.totalCost = "Coste total (inversión + explotación) " + FF(o.cost, 5, 2) + unit;
  lines.investment = "Coste inversión " + FF(o.investment, 5, 2) + unit;
  return lines;
}
