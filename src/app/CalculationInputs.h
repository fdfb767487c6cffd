// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/CalcInputs.h"

class WindowState;

// The inputs of a calculation of the case on the window, with the convection
// regimes its last calculation left.
CalcInputs ReadCalcInputs(const WindowState& app);
