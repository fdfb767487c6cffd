#pragma once

#include "engine/CalcInputs.h"
#include "engine/Results.h"

class Brenak;

// Writes a calculation's results into the window: the three result lines, the
// interface temperatures and dew points, the computed resistances and
// coefficients and, for the thickness target, the insulation layer.
void ShowResults(Brenak& app, const CalcInputs& in, const Results& results);

// The economic panel shown over the results panel.
struct EconomicOutcome {
  float resistance = 0;
  float heatFlow = 0;
  float thickness = 0;
  float cost = 0;
  float investment = 0;
};
void EconomicResults(Brenak& app, const CalcInputs& in, const EconomicOutcome& outcome);
