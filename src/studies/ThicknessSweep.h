// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/RiteCheck.h"
#include "engine/CalcInputs.h"

#include <QString>
#include <vector>

// The commercial insulation thicknesses a table starts from, mm.
const std::vector<float>& CommercialThicknesses();

// One thickness of the insulation layer, worked out as a heat-flow calculation
// of the same case with that layer at that thickness.
struct SweepRow {
  float thickness = 0;      // mm
  bool calculated = false;  // false: `message` says why there are no figures
  QString message;
  float heatFlow = 0;            // per m2, per m or per unit, as the window shows it
  float surfaceTemperature = 0;  // exterior surface, ºC
  float dewPoint = 0;            // of the exterior air, ºC
  bool condenses = false;        // the surface lies below the exterior dew point
  double energyPerYear = 0;      // kWh per year: heat flow × hours of operation
  double energyCostPerYear = 0;  // euros per year: energy × its cost
  bool hasCosts = false;         // the two cost points are distinct
  double investment = 0;         // euros, as the economic thickness counts it
  double totalCost = 0;          // investment plus the present worth of the energy lost
  RiteVerdict rite;
};

// Why a case gives no table.
enum class SweepRefusal {
  None,
  NoMarkedLayer,      // a thickness calculation without its insulation mark
  NoInsulatingLayer,  // a heat flow none of whose layers is an insulant given by its conductivity
  LayerNotInUse,      // the layer chosen is not among the layers of the case
  GivenByResistance,  // the layer to vary is given by its resistance, not its conductivity
};

struct Sweep {
  SweepRefusal refusal = SweepRefusal::None;  // not None: no row could be worked out
  int insulationLayer = 0;                    // the layer whose thickness varies
  std::vector<SweepRow> rows;
};

// Works out every thickness, in the order given, varying the layer `layer`
// (1..6) or, when it is 0, the case's insulation layer (InsulationLayerOf).
Sweep RunThicknessSweep(const CalcInputs& inputs, const std::vector<float>& thicknesses, int layer = 0);

// The row of the first thickness at or above `found` (mm), -1 when none is.
int CommercialRow(const std::vector<float>& thicknesses, float found);
