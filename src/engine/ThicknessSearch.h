// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct CalcContext;

// The search for the insulation thickness of a pipe or sphere works on steps
// of 0.1 mm. Step k is the thickness of k steps added one after the other in
// single precision, so their rounding accumulates exactly as a running sum
// does; the steps end at the first thickness of 5000 mm or more.

// Where a search stops.
struct ThicknessStep {
  int step = 0;         // 1 is the first 0.1 mm
  float thickness = 0;  // mm
  float total = 0;      // total resistance of the element there
};

// Thickness of step k (0 for k = 0), mm.
float StepThickness(int step);
// The step at which the thickness first reaches 5000 mm.
int LastStep();

// Gives the insulation layer the thickness of step k and works out the
// element's total resistance with the coefficients hi and he; the radii and
// resistances of the arrays are left as that thickness gives them.
float ResistanceAtStep(CalcContext& c, int insulation, int step, float hi, float he);

// The first step whose total resistance is not below `required`, or the last
// step when none before it reaches it; the arrays are left as that step leaves
// them. The answer is the one a walk through every step gives: runs of steps
// whose greatest possible resistance falls short are passed over whole.
ThicknessStep FindThicknessStep(CalcContext& c, int insulation, float required, float hi, float he);

// A search of this form; a calculation can be given another one (the tests
// compare the searches on whole calculations).
using ThicknessSearch = ThicknessStep (*)(CalcContext& c, int insulation, float required, float hi, float he);
