// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultLines.h"

#include "engine/ResultFigures.h"
#include "form/NumberFormat.h"
#include "results/RiteLine.h"

#include <QCoreApplication>

namespace {

QString FF(double value, int precision, int digits) { return FormatFixed(value, precision, digits); }
// Resistances keep four significant digits where three decimals would lose them.
QString FR(double value, int precision) { return FormatResistance(value, precision); }

// A figure with its unit, as a line writes it.
QString Figure(const QString& number, const char* unit) { return number + QLatin1Char(' ') + QString::fromUtf8(unit); }

// A line of the results in the language the program speaks.
QString Tr(const char* text) { return QCoreApplication::translate("ResultLines", text); }

}  // namespace

ResultLines MakeResultLines(const CaseOutcome& outcome) {
  const CalcInputs& in = outcome.inputs;
  const Results& r = outcome.engine.results;
  ResultLines lines;
  const float R = r.resistanceTotal;
  const float q = r.heatFlow;
  const double perimeter = in.IsDuct() ? ResultsDuctPerimeter(in, r) : 0;

  if (in.IsPlate()) {
    lines.resistance = QCoreApplication::translate("ResultLines", "Coef. global de transferencia de calor %1 W/m2ºC")
                           .arg(FF(1 / double(R), 6, 3));
    lines.heatFlow =
        QCoreApplication::translate("ResultLines", "Densidad sup. flujo de calor %1 W/m2").arg(FF(q, 5, 2));
    lines.resistanceFigure = Figure(FF(1 / double(R), 6, 3), "W/m2ºC");
    lines.heatFlowFigure = Figure(FF(q, 5, 2), "W/m2");
  } else if (in.IsPipe()) {
    lines.resistance = QCoreApplication::translate("ResultLines", "Resistencia térmica lineal %1 mºC/W").arg(FR(R, 6));
    lines.heatFlow =
        QCoreApplication::translate("ResultLines", "Densidad lineal flujo de calor %1 W/m").arg(FF(q, 5, 2));
    lines.resistanceFigure = Figure(FR(R, 6), "mºC/W");
    lines.heatFlowFigure = Figure(FF(q, 5, 2), "W/m");
  } else if (in.IsSphere()) {
    lines.resistance = QCoreApplication::translate("ResultLines", "Resistencia térmica total %1 ºC/W").arg(FR(R, 6));
    lines.heatFlow = QCoreApplication::translate("ResultLines", "Flujo de calor %1 W").arg(FF(q, 5, 2));
    lines.resistanceFigure = Figure(FR(R, 6), "ºC/W");
    lines.heatFlowFigure = Figure(FF(q, 5, 2), "W");
  } else if (in.IsDuct()) {
    lines.resistance =
        QCoreApplication::translate("ResultLines", "Resistencia térmica lineal %1 mºC/W").arg(FR(R / perimeter, 6));
    lines.heatFlow = QCoreApplication::translate("ResultLines", "Flujo de calor %1 W/m  o  %2 W/m2")
                         .arg(FF(q * perimeter, 5, 2), FF(q, 5, 2));
    lines.resistanceFigure = Figure(FR(R / perimeter, 6), "mºC/W");
    lines.heatFlowFigure = Figure(FF(q * perimeter, 5, 2), "W/m");
  } else {
    lines.resistance = QCoreApplication::translate("ResultLines", "Mismo flujo de calor por m2 en todo el depósito");
    lines.heatFlow =
        QCoreApplication::translate("ResultLines", "Flujo de calor %1 W").arg(FF(TankHeatFlow(in, q), 5, 2));
    lines.heatFlowFigure = Figure(FF(TankHeatFlow(in, q), 5, 2), "W");
    lines.note = QCoreApplication::translate("ResultLines", "Atención.   Se ha considerado:");
  }

  if ((r.condition == DesignCondition::Resistance && !in.IsTank()) || r.condition == DesignCondition::FreezingTime) {
    lines.heatFlow.clear();
    lines.heatFlowFigure.clear();
  }

  if (in.thicknessTarget)
    lines.note =
        QCoreApplication::translate("ResultLines", "Esp. aislamiento %1 mm").arg(FF(r.insulationThickness, 6, 2));

  if (outcome.condensingFaces)
    lines.note =
        *outcome.condensingFaces >= 1
            ? QCoreApplication::translate("ResultLines", "Atención: Condensa en el interior de las placas planas")
            : QCoreApplication::translate("ResultLines", "No condensa en el interior de las placas planas");

  if (outcome.finalWater) {
    lines.note = QCoreApplication::translate("ResultLines", "La temperatura al final de la tubería es %1 ºC")
                     .arg(FF(outcome.finalWater->finalTemperature, 5, 3));
    lines.heatFlow = QCoreApplication::translate("ResultLines", "Densidad lineal %1 W/m    Flujo calor total %2 W")
                         .arg(FF(q, 5, 2), FF(outcome.finalWater->totalHeatFlow, 5, 0));
  }

  if (in.IsDuct() && !in.thicknessTarget) {
    const double w = in.ductWidth, h = in.interiorHeight;
    lines.resistance =
        QCoreApplication::translate("ResultLines", "Resistencia térmica lineal %1 mºC/W").arg(FR(R / perimeter, 6));
    lines.heatFlow = QCoreApplication::translate("ResultLines", "Flujo de calor %1 W/m lineal o %2 W/m2 sup. int.")
                         .arg(FF(q * perimeter, 5, 2), FF(q * perimeter / (2 * w + 2 * h), 5, 2));
    if (outcome.finalAir) {
      lines.note = QCoreApplication::translate("ResultLines", "La temperatura al final del conducto es %1 ºC")
                       .arg(FF(outcome.finalAir->finalTemperature, 5, 3));
      lines.heatFlow = QCoreApplication::translate("ResultLines", "Densidad lineal %1 W/m    Flujo calor total %2 W")
                           .arg(FF(q * perimeter, 5, 2), FF(outcome.finalAir->totalHeatFlow, 5, 0));
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
  // The cost lines' unit: per m2 of a wall, per metre of a pipe, per element.
  const char* costLine = nullptr;
  const char* investmentLine = nullptr;
  lines.thickness = QCoreApplication::translate("ResultLines", "Esp. aislamiento %1 mm").arg(FF(o.thickness, 6, 2));
  if (in.IsPlate()) {
    lines.resistance = QCoreApplication::translate("ResultLines", "Coef. global de transferencia de calor %1 W/m2ºC")
                           .arg(FF(1 / double(o.resistance), 6, 3));
    lines.heatFlow =
        QCoreApplication::translate("ResultLines", "Densidad sup. flujo de calor %1 W/m2").arg(FF(o.heatFlow, 5, 2));
    costLine = QT_TRANSLATE_NOOP("ResultLines", "Coste total (inversión + explotación) %1 euros/m2");
    investmentLine = QT_TRANSLATE_NOOP("ResultLines", "Coste inversión %1 euros/m2");
  } else if (in.IsPipe()) {
    lines.resistance =
        QCoreApplication::translate("ResultLines", "Resistencia térmica lineal %1 mºC/W").arg(FR(o.resistance, 6));
    lines.heatFlow =
        QCoreApplication::translate("ResultLines", "Densidad lineal flujo de calor %1 W/m").arg(FF(o.heatFlow, 5, 2));
    costLine = QT_TRANSLATE_NOOP("ResultLines", "Coste total (inversión + explotación) %1 euros/m");
    investmentLine = QT_TRANSLATE_NOOP("ResultLines", "Coste inversión %1 euros/m");
  } else {
    lines.resistance =
        QCoreApplication::translate("ResultLines", "Resistencia térmica total %1 ºC/W").arg(FR(o.resistance, 6));
    lines.heatFlow = QCoreApplication::translate("ResultLines", "Flujo de calor %1 W").arg(FF(o.heatFlow, 5, 2));
    costLine = QT_TRANSLATE_NOOP("ResultLines", "Coste total (inversión + explotación) %1 euros");
    investmentLine = QT_TRANSLATE_NOOP("ResultLines", "Coste inversión %1 euros");
  }
  lines.totalCost = Tr(costLine).arg(FF(o.cost, 5, 2));
  lines.investment = Tr(investmentLine).arg(FF(o.investment, 5, 2));
  return lines;
}
