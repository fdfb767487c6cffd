// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/CalcInputs.h"
#include "engine/CalcOutcome.h"
#include "engine/Results.h"
#include "results/CaseCalculation.h"

#include <QVector>

class WindowState;

// Writes a calculation's results into the window: the three result lines, the
// interface temperatures and dew points, the computed resistances and
// coefficients and, for the thickness target, the insulation layer.
void ShowResults(WindowState& app, const CaseOutcome& outcome);

// The economic panel shown over the results panel.
void EconomicResults(WindowState& app, const CalcInputs& in, const EconomicOutcome& outcome);
