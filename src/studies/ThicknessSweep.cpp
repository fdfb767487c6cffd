// SPDX-License-Identifier: GPL-3.0-or-later
#include "studies/ThicknessSweep.h"

#include "engine/CalcOutcome.h"
#include "engine/Constants.h"
#include "engine/EconomicThickness.h"
#include "engine/Moisture.h"
#include "engine/ResultFigures.h"

#include <QCoreApplication>
#include <cmath>

const std::vector<float>& CommercialThicknesses() {
  static const std::vector<float> series = {10, 13, 19, 25, 32, 40, 50, 60, 70, 80, 100, 120, 150};
  return series;
}

Sweep RunThicknessSweep(const CalcInputs& inputs, const std::vector<float>& thicknesses, int chosen) {
  Sweep sweep;
  if (chosen != 0 && (chosen < 1 || chosen > inputs.layerCount || chosen >= static_cast<int>(inputs.layers.size()))) {
    sweep.refusal = SweepRefusal::LayerNotInUse;
    return sweep;
  }
  sweep.insulationLayer = chosen != 0 ? chosen : InsulationLayerOf(inputs);
  if (sweep.insulationLayer == 0) {
    sweep.refusal = inputs.thicknessTarget ? SweepRefusal::NoMarkedLayer : SweepRefusal::NoInsulatingLayer;
    return sweep;
  }
  const LayerInput& varied = inputs.layers[sweep.insulationLayer];
  if (varied.resistanceEntered && !varied.conductivityEntered) {
    sweep.refusal = SweepRefusal::GivenByResistance;
    return sweep;
  }

  CalcInputs in = inputs;
  in.thicknessTarget = false;
  in.condition = DesignCondition::None;
  LayerInput& layer = in.layers[sweep.insulationLayer];
  layer.resistanceEntered = false;
  layer.conductivityEntered = true;

  const bool costs = in.thickness1 != in.thickness2;
  const EconomicFigures economic = costs ? PrepareEconomicFigures(in) : EconomicFigures{};
  const float exterior = in.IsBuried() ? in.soilTemperature : in.Te;
  const float dewPoint = static_cast<float>(
      DewPointTemperature(static_cast<float>(double(SaturationPressure(exterior)) * in.exteriorHumidity * 0.01)));

  for (float t : thicknesses) {
    SweepRow row;
    row.thickness = t;
    layer.thickness = t;
    const CalcOutcome outcome = Calculate(in);
    if (!outcome.hasResults || outcome.absurdData) {
      const std::vector<CalcMessage> messages = outcome.Messages();
      row.message =
          messages.empty() ? QCoreApplication::translate("ThicknessSweep", "Sin resultados") : messages.back().text;
      sweep.rows.push_back(row);
      continue;
    }
    const Results& r = outcome.results;
    row.calculated = true;
    // A tank's calculation gives the flow per metre of its wall; the window
    // shows the whole tank's.
    row.heatFlow = in.IsTank() ? static_cast<float>(TankHeatFlow(in, r.heatFlow)) : r.heatFlow;
    row.surfaceTemperature = r.temperatures[r.layerCount];
    row.dewPoint = dewPoint;
    row.condenses = !in.IsBuried() && row.surfaceTemperature < dewPoint;
    row.energyPerYear = double(row.heatFlow) * in.hoursPerYear * 0.001;
    row.energyCostPerYear = row.energyPerYear * in.energyCost;
    if (costs) {
      double rIn = double(in.interiorDiameter) * 0.0005;
      for (int i = 1; i < sweep.insulationLayer; ++i) rIn += double(r.thicknesses[i]) * 0.001;
      row.hasCosts = true;
      if (in.IsTank()) {
        // The whole tank, as its heat flow: the price per m2 over the
        // insulation's outer surface, its side and both ends. The economic
        // thickness itself keeps the engine's own cost per unit of wall.
        const double r = rIn + t * 0.001;
        row.investment = Investment(in, economic, rIn, t) * kTwoPi * r * (double(in.length) + r);
        row.totalCost = row.investment + double(economic.hours) * row.heatFlow * economic.price * economic.F * 0.001;
      } else {
        row.investment = Investment(in, economic, rIn, t);
        row.totalCost = TotalCost(in, economic, rIn, t, row.heatFlow);
      }
    }
    row.rite = CheckRite(in, r, sweep.insulationLayer);
    sweep.rows.push_back(row);
  }
  return sweep;
}

int CommercialRow(const std::vector<float>& thicknesses, float found) {
  int best = -1;
  for (int i = 0; i < static_cast<int>(thicknesses.size()); ++i)
    if (thicknesses[i] + 1e-4f >= found && (best < 0 || thicknesses[i] < thicknesses[best])) best = i;
  return best;
}
