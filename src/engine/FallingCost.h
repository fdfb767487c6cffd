// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/EconomicThickness.h"

#include <array>

struct CalcContext;

// Runs of steps of the economic search over which the total cost surely
// falls at every step, so that the search, which stops at the first step that
// costs no less than the one before, can pass over them.
//
// A buried pipe's search also stops where the pipe outgrows its place, so a
// run passed over must end before it. Where every step's cost follows from its thickness
// alone (the surface coefficients are given, neglected, or those of flowing
// fluids inside a pipe or duct), a bound tells, from the figures of the steps
// just before a run and at its end, that every step of the run costs less than
// the one before by more than the rounding of the figures (see
// FallingCost.cpp). When no layer of the element is the insulation, every
// step has the same resistance and heat flow; once a step leaves the
// coefficients as it found them (`settled`), every later step does too,
// whatever their kind.
//
// When one surface coefficient follows its surface temperature (the exterior
// one, or a plate's interior one, and nothing else does), each step works with
// the coefficient the step before left: the bound then holds for every
// coefficient within an interval the steps of the run are shown to stay in
// (FollowingSurface.h).
class FallingCost {
 public:
  // The coefficients hi and he are those every step uses; rIn is the radius of
  // the insulation's inner face (m).
  FallingCost(CalcContext& c, int insulation, const EconomicFigures& figures, double rIn, float Ti, float Te, float hi,
              float he, bool settled);

  // Whether the element's steps can be passed over at all.
  bool Usable() const { return usable_; }
  // Whether a surface coefficient follows its surface temperature: the
  // runs are then found by FollowingSurface, with Falls(a, b, low, high).
  bool Following() const { return following_; }

  // The last step b such that every step of from+1 .. b costs less than the
  // one before it (`from` itself when none is shown). Steps from LastStep()
  // on are never passed over. The arrays are left as the bound's last
  // evaluation leaves them.
  int LastFalling(int from);

  // Every step j of a..b (1 <= a <= b) costs less than step j - 1.
  bool Falls(int a, int b);
  // The same when each step j of a - 1..b works with a coefficient of the
  // surface that follows of its own within [low, high] (low > 0) instead of the one given, whose
  // inverse differs from that of the step before by at most inverseStep.
  bool Falls(int a, int b, float low, float high, double inverseStep);

 private:
  struct StepFigures {
    float t = 0;      // thickness, mm
    float total = 0;  // total resistance
    std::array<float, 11> R{};
    std::array<float, 7> r{};
    float box = 0;  // a buried pipe's box term
  };
  // The step's figures, the coefficient that follows (or he) being h.
  StepFigures Evaluate(int step, float h);
  // The least rise of the exact total resistance from one step to the next
  // over the run from p to b, given the least and greatest growth of the
  // thickness (mm) of one step; not a number when it cannot be bounded.
  // `fixedRise` receives the same for steps that all work with one
  // coefficient of the interval (not a number when it cannot be bounded).
  double LeastRise(const StepFigures& p, const StepFigures& b, double dtMin, double dtMax, double& fixedRise) const;
  // Falls() for an element none of whose layers is the insulation.
  bool FallsWithTheSameFlow(const StepFigures& p, const StepFigures& b) const;
  // The most a buried pipe's soil or box term falls from one step to the next
  // over the run from p to b, its outer radius growing by at most `growth`
  // (m) a step; not a number outside the formula's range.
  double GreatestBuriedFall(const StepFigures& p, const StepFigures& b, double growth) const;
  // The greatest slope of the investment (per mm) between thicknesses tp and tb.
  double GreatestInvestmentSlope(double tp, double tb) const;

  CalcContext& c_;
  const int insulation_;
  const EconomicFigures figures_;
  const double rIn_, dT_;
  const float hi_, he_;
  // The coefficients a step may work with, of the surface that follows: the
  // exterior one, or a plate's interior one when `interiorFollows_` (both
  // the coefficient given unless following).
  float heLow_, heHigh_;
  bool interiorFollows_ = false;
  double inverseStep_ = 0;  // the most the inverse of the coefficient changes from a step to the next
  bool usable_ = false;
  bool following_ = false;
  bool noInsulation_ = false;  // no layer is the insulation: the total is that of the bare element
  int run_;                    // the length of run tried first
};
