// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/CaseCalculation.h"

class WindowState;

// "Calcular" after the completeness check: reads the inputs from the window,
// runs the engine, and shows what the run produced in the order it produced
// it (each warning in its box, the bare element's line before the warning that
// refuses a condition, the results before the warnings about them). The
// figures worked out on the way are written even for a refused run; a run with
// a "Datos absurdos" warning ends with its results cleared. The calculation is
// that of the case on the window (CalculateCase), whose outcome it returns.
CaseOutcome RunCalculation(WindowState& app);
