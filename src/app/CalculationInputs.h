#pragma once

#include "engine/CalcInputs.h"

class WindowState;

// The inputs of a calculation as the window holds them: every number read with
// ParseNumber, the lists by their selected rows, the layers with their states.
CalcInputs ReadCalcInputs(const WindowState& app);
