#pragma once

#include "engine/EconomicThickness.h"

#include <array>

struct CalcContext;

// Runs of steps of the economic search over which the total cost surely
// falls at every step, so that the search, which stops at the first step that
// costs no less than the one before, can pass over them.
//
// It works only while every step's cost follows from its thickness alone: the
// surface coefficients must not depend on the surface temperatures (given,
// neglected, or those of flowing fluids inside a pipe or duct), and the element
// must not be buried (the search then also stops where the pipe outgrows its
// place). For such elements a bound tells, from the figures of the steps just
// before a run and at its end, that every step of the run costs less than the
// one before by more than the rounding of the figures (see FallingCost.cpp).
// When no layer of the element is the insulation, every step has the same
// resistance and heat flow; once a step leaves the coefficients as it found
// them (`settled`), every later step does too, whatever their kind.
class FallingCost {
 public:
  // The coefficients hi and he are those every step uses; rIn is the radius of
  // the insulation's inner face (m).
  FallingCost(CalcContext& c, int insulation, const EconomicFigures& figures, double rIn, float Ti, float Te,
              float hi, float he, bool settled);

  // Whether the element's steps can be passed over at all.
  bool Usable() const { return usable_; }

  // The last step b such that every step of from+1 .. b costs less than the
  // one before it (`from` itself when none is shown). Steps from LastStep()
  // on are never passed over. The arrays are left as the bound's last
  // evaluation leaves them.
  int LastFalling(int from);

  // Every step j of a..b (1 <= a <= b) costs less than step j - 1.
  bool Falls(int a, int b);

 private:
  struct StepFigures {
    float t = 0;            // thickness, mm
    float total = 0;        // total resistance
    std::array<float, 11> R{};
    std::array<float, 7> r{};
  };
  StepFigures Evaluate(int step);
  // The least rise of the exact total resistance from one step to the next
  // over the run from p to b, given the least and greatest growth of the
  // thickness (mm) of one step; not a number when it cannot be bounded.
  double LeastRise(const StepFigures& p, const StepFigures& b, double dtMin, double dtMax) const;
  // Falls() for an element none of whose layers is the insulation.
  bool FallsWithTheSameFlow(const StepFigures& p, const StepFigures& b) const;
  // The greatest slope of the investment (per mm) between thicknesses tp and tb.
  double GreatestInvestmentSlope(double tp, double tb) const;

  CalcContext& c_;
  const int insulation_;
  const EconomicFigures figures_;
  const double rIn_, dT_;
  const float hi_, he_;
  bool usable_ = false;
  bool noInsulation_ = false;  // no layer is the insulation: the total is that of the bare element
  int run_;  // the length of run tried first
};
