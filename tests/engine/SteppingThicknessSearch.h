// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/CalcContext.h"
#include "engine/ThicknessSearch.h"
#include "engine/ThicknessSolver.h"

// The thickness search as a walk through every step: 0.1 mm added to a
// running single-precision sum, the radii and the total resistance worked out
// at each, until the total is not below the requirement or the thickness
// reaches 5000 mm. Every faster search must stop where this one stops.
inline ThicknessStep SteppingThicknessSearch(CalcContext& c, int insulation, float required, float hi, float he) {
  float t = 0;
  int steps = 0;
  float R = 0;
  do {
    t += 0.1f;
    c.s.e[insulation] = t;
    UpdateRadii(c.in, c.s);
    R = c.Resistance(ResistanceMode::WithInsulation, insulation, hi, he);
    ++steps;
  } while (R < required && t < kMaxInsulationThickness);
  ThicknessStep step;
  step.step = steps;
  step.thickness = t;
  step.total = R;
  return step;
}
