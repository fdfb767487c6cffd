// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ResultFigures.h"

#include "engine/Constants.h"

#include "engine/FluidTemperature.h"
#include "engine/LayerStack.h"

double ResultsDuctPerimeter(const CalcInputs& in, const Results& r) {
  float total = 0;
  for (int i = 1; i <= r.layerCount; ++i) total += static_cast<float>(double(r.thicknesses[i]) * 0.001);
  return DuctWallPerimeter(total, in.ductWidth, in.interiorHeight);
}

double TankHeatFlow(const CalcInputs& in, float q) {
  const double Dm = double(in.interiorDiameter) * 0.001;
  const double circumference = kPiPerMillimetre * double(in.interiorDiameter);
  return (q / circumference) * (circumference * Dm * 0.25 * 2 + circumference * in.length);
}

QVector<double> ResultFigures(const CalcInputs& in, const Results& r) {
  QVector<double> figures;
  // Room for every figure at once: every calculation looks them over.
  figures.reserve(20 + 3 * (r.layerCount + 1) + 2 * r.profile.size());
  const double R = r.resistanceTotal, q = r.heatFlow;
  figures << R << q << r.interiorCoef << r.exteriorCoef << r.insulationThickness << r.insulationResistance;
  for (int i = 0; i <= r.layerCount; ++i) {
    figures << r.temperatures[i] << r.resistances[i];
    if (r.hasDewPoints) figures << r.dewPoints[i];
  }
  figures << r.resistances[10];
  if (in.IsPlate()) figures << 1 / R;
  if (in.IsTank()) figures << TankHeatFlow(in, r.heatFlow);
  if (in.IsDuct()) {
    const double P = ResultsDuctPerimeter(in, r);
    figures << R / P << q * P << q * P / (2 * double(in.ductWidth) + 2 * double(in.interiorHeight));
    if (!in.thicknessTarget && in.airEstimate) {
      const FluidEnd end = FinalAirTemperature(in, static_cast<float>(R / P));
      figures << end.finalTemperature << end.totalHeatFlow;
    }
  }
  if (in.IsPipe() && !in.thicknessTarget && in.waterEstimate) {
    const FluidEnd end = FinalWaterTemperature(in, r.resistanceTotal, in.IsBuried() ? in.soilTemperature : in.Te);
    figures << end.finalTemperature << end.totalHeatFlow;
  }
  for (const QPointF& p : r.profile) figures << p.x() << p.y();
  figures << r.boxTemperature;
  return figures;
}
