// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/DesignCondition.h"

struct CalcContext;

// Turns the design condition in force into the heat flow the insulated element
// may let through (in the element's unit), 0 for the conditions that are only
// checked here, or -1 after a warning when the condition cannot be met.
// q0 is the heat flow of the bare element.
float EvaluateCondition(CalcContext& c, DesignCondition condition, float Rsa, float he, float hi, float Te, float Ti,
                        float q0);

// Outer perimeter of a duct's wall at mid-thickness, m.
double DuctPerimeter(const CalcContext& c, bool onlyShownSides);

// The perimeter a duct's condition per metre is solved with, its insulation
// left out: a heat flow's over the sides shown, a resistance's over all four.
double BareDuctPerimeter(const CalcContext& c, int insulation, DesignCondition condition);
