// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/CaseCalculation.h"

#include "engine/DesignCondition.h"
#include "engine/ResultFigures.h"
#include "form/NumberFormat.h"

CalcInputs CaseInputs(const Case& c, ConvectionRegimes regimes) {
  auto num = [](const QString& text) { return ParseNumber(text); };
  CalcInputs in;
  in.kind = c.kind;
  in.plateOrientation = c.plateOrientation;
  in.pipePlacing = c.pipePlacing;
  in.specialVariant = c.specialVariant;
  in.thicknessTarget = c.ThicknessTarget();
  in.condition = in.thicknessTarget && !c.IsTank() ? ConditionOfRow(c.kind, c.IsPipeInAir(), c.ConditionRow())
                                                   : DesignCondition::None;

  in.Ti = num(c.interiorTemperature);
  in.Te = num(c.exteriorTemperature);
  in.soilTemperature = num(c.soilTemperature);
  in.interiorHumidity = num(c.interiorHumidity);
  in.exteriorHumidity = num(c.exteriorHumidity);

  const int interiorMode = InteriorModeOf(c);
  const int exteriorMode = ExteriorModeOf(c);
  in.interiorMode = static_cast<SurfaceCoefMode>(interiorMode);
  in.exteriorMode = static_cast<SurfaceCoefMode>(exteriorMode);
  in.interiorCoef = num(c.interiorCoefficient);
  in.exteriorCoef = num(c.exteriorCoefficient);
  in.interiorEmission = num(c.interiorEmissivity);
  in.exteriorEmission = num(c.exteriorEmissivity);
  in.interiorVelocity = num(c.interiorVelocity);
  in.exteriorVelocity = num(c.exteriorVelocity);
  in.interiorHeight = num(c.interiorHeight);
  in.ductWidth = num(c.ductWidth);
  in.exteriorLength = num(c.exteriorLength);
  // A plate's face size serves its calculated interior coefficient; a duct's
  // height and width its section.
  in.interiorHeightShown = (c.IsPlate() && interiorMode == 2) || c.IsDuct();
  in.ductWidthShown = c.IsDuct();
  in.surroundings = c.surroundings;

  in.interiorDiameter = num(c.interiorDiameter);
  in.layerCount = c.LayerCount();
  const int mark = c.MarkRow();
  const int marked = in.thicknessTarget ? c.MarkedLayer() : 0;
  for (int n = 1; n <= Case::kMaxLayers; ++n) {
    const CaseLayer& row = c.layers[n - 1];
    LayerInput& layer = in.layers[n];
    layer.conductivityEntered = row.conductivityGiven;
    // The insulation layer's resistance is what the solver works out.
    layer.resistanceEntered = row.resistanceGiven && n != marked;
    layer.thickness = num(row.thickness);
    layer.conductivity = num(row.conductivity);
    layer.resistance = num(row.resistance);
    layer.vapourResistivity = num(row.vapourResistivity);
    layer.marked = n == mark;
  }

  in.boxMode = c.boxByResistance ? 2 : c.boxMaterial;
  in.boxSize = num(c.boxSize);
  in.boxConductivity = num(c.boxConductivity);
  in.boxResistance = num(c.boxResistance);
  in.soilMode = c.soilMode;
  in.soilConductivity = num(c.soilConductivity);
  in.depth = num(c.depth);
  in.soilDensity = num(c.soilDensity);
  in.soilHumidity = num(c.soilHumidity);

  in.wantedHeatFlow = num(c.wantedHeatFlow);
  in.wantedPercentage = num(c.wantedPercentage);
  in.wantedResistance = num(c.wantedResistance);
  in.wantedExteriorSurface = num(c.wantedExteriorSurface);
  in.wantedInteriorSurface = num(c.wantedInteriorSurface);
  in.wantedFinalTemperature = num(c.wantedFinalTemperature);
  in.finalTemperatureLength = num(c.finalTemperatureLength);
  in.freezingHours = num(c.freezingHours);
  in.frozenPercentage = num(c.frozenPercentage);

  in.inflation = num(c.inflation);
  in.opportunity = num(c.opportunity);
  in.lifeYears = num(c.lifeYears);
  in.hoursPerYear = num(c.hoursPerYear);
  in.energyCost = num(c.energyCost);
  in.thickness1 = num(c.thickness1);
  in.cost1 = num(c.cost1);
  in.thickness2 = num(c.thickness2);
  in.cost2 = num(c.cost2);

  in.length = num(c.length);
  in.waterEstimate = c.waterEstimateRow == 0;
  in.airEstimate = c.airEstimateRow == 0;
  in.condensationStudy = c.condensationRow == 0;
  in.interiorLaminar = regimes.interiorLaminar;
  in.exteriorLaminar = regimes.exteriorLaminar;
  return in;
}

CaseOutcome CalculateCase(const Case& c, ConvectionRegimes regimes) {
  CaseOutcome out;
  out.inputs = CaseInputs(c, regimes);
  const CalcInputs& in = out.inputs;
  out.engine = Calculate(in);
  if (!out.engine.hasResults) return out;
  const Results& r = out.engine.results;
  const float R = r.resistanceTotal;
  if (in.IsPipe() && !in.thicknessTarget && in.waterEstimate)
    out.finalWater = FinalWaterTemperature(in, R, in.IsBuried() ? in.soilTemperature : in.Te);
  if (in.IsDuct() && !in.thicknessTarget && in.airEstimate) {
    const double perimeter = ResultsDuctPerimeter(in, r);
    out.finalAir = FinalAirTemperature(in, static_cast<float>(R / perimeter));
  }
  if (in.IsPlate() && !in.thicknessTarget && in.condensationStudy) {
    // Face 0 is the interior surface; face k the outer face of layer k.
    int count = 0;
    for (int k = 0; k <= r.layerCount; ++k)
      if (r.temperatures[k] < r.dewPoints[k]) ++count;
    out.condensingFaces = count;
  }
  out.rite = CheckRite(in, r);
  return out;
}
