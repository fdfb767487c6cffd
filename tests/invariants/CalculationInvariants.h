// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

struct CalcInputs;
struct CalcOutcome;

// Physical laws that every calculation must keep, checked on what the engine
// gave for a set of inputs by calculating the element again:
//  - heat flow: flow × total resistance = the temperature difference, the
//    total is the sum of its parts, and the temperatures fall (or rise)
//    steadily from the interior fluid to the exterior fluid or the soil;
//  - thickness: a heat-flow run with the insulation at the thickness found
//    meets the design condition, and one step (0.1 mm) less does not meet it
//    by more than rounding;
//  - more insulation (10 mm) never lets more heat through, unless the outer
//    radius of a pipe or sphere lies below its critical radius or a
//    calculated coefficient changes its convection regime in between;
//  - the economic thickness costs no more than 0.1 mm either side of it.
struct InvariantReport {
  bool opened = false;      // the file was read as a project
  bool calculated = false;  // it was complete and its fields passed their checks
  bool hasResults = false;  // the engine gave results and no absurd-data warning
  bool heatFlowChecked = false;
  bool thicknessChecked = false;
  bool unsettled = false;  // the search ended between two flow regimes: not checked
  bool monotonicChecked = false;
  bool belowCriticalRadius = false;  // the monotonic check was skipped for it
  // A convection regime changed with the insulation: the monotonic check, or
  // the step beyond the thickness found, was skipped for it.
  bool regimeChanged = false;
  bool economicChecked = false;
  std::vector<std::string> violations;
};

// `out` is what Calculate(in) gave. A run without results, or with an
// absurd-data warning, is not checked.
InvariantReport CheckCalculationInvariants(const CalcInputs& in, const CalcOutcome& out);

// Every line of a report's violations, for a failure message.
std::string Describe(const InvariantReport& report);
