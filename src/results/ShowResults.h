#pragma once

#include "engine/CalcInputs.h"
#include "engine/Results.h"

#include <QVector>

class Brenak;

// Writes a calculation's results into the window: the three result lines, the
// interface temperatures and dew points, the computed resistances and
// coefficients and, for the thickness target, the insulation layer.
void ShowResults(Brenak& app, const CalcInputs& in, const Results& results);

// Every number ShowResults would write for these results, including those it
// works out itself (duct and tank figures, the fluid's final temperature), so
// that the caller can refuse results that are not finite.
QVector<double> ResultFigures(const CalcInputs& in, const Results& results);

// The economic panel shown over the results panel.
struct EconomicOutcome {
  float resistance = 0;
  float heatFlow = 0;
  float thickness = 0;
  float cost = 0;
  float investment = 0;
};
void EconomicResults(Brenak& app, const CalcInputs& in, const EconomicOutcome& outcome);
