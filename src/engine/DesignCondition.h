// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/GeometryKind.h"

// The design condition that a thickness calculation must meet. The condition
// lists of the element kinds share their first six rows; the last two rows
// mean one thing for a plate and another for a pipe in air.
enum class DesignCondition {
  None,                        // the heat-flow target: no condition
  HeatFlow,                    // row 0: a given heat flow
  Percentage,                  // row 1: a percentage of the bare element's heat flow
  Resistance,                  // row 2: a resistance, or an overall coefficient for a plate
  Economic,                    // row 3: the economic thickness
  ExteriorSurfaceTemperature,  // row 4
  NoExteriorCondensation,      // row 5
  InteriorSurfaceTemperature,  // row 6 of a plate
  NoInteriorCondensation,      // row 7 of a plate
  FinalWaterTemperature,       // row 6 of a pipe in air
  FreezingTime,                // row 7 of a pipe in air
  NotForElement,               // a row the element has no condition for
};

// The condition of row `row` of the condition list of the element; a pipe in
// air (not buried) has the water conditions in its last two rows.
DesignCondition ConditionOfRow(GeometryKind kind, bool pipeInAir, int row);

// How a surface coefficient is obtained (RGhi, RGhe).
enum class SurfaceCoefMode { Impose = 0, Neglect = 1, Calculate = 2 };
