// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/SurfaceCoefficients.h"

#include <array>
#include <optional>

struct CalcContext;
class FallingCost;

// Runs of steps of the economic search when a surface coefficient follows
// its surface temperature: the exterior one, or the interior one of a plate.
// Step j then works out its total resistance with the coefficient step j - 1
// left, and leaves the coefficient of its own surface temperature, so a
// step's figures follow from every step before it. A run is passed over when
// three things are shown:
//  1. an interval that holds the coefficient of every step of the run: the
//     coefficients the steps can leave, worked out for every thickness of the
//     run and every coefficient of the interval, lie in the interval again;
//  2. every step of the run costs less than the one before, for any
//     coefficients of that interval (FallingCost::Falls);
//  3. the exact coefficient of a step near the end of the run, found from the
//     interval. The surface temperature a step leaves follows from its total
//     resistance (and, for a plate's interior, from the interior term too),
//     each of which moves one way with the coefficient the step works with:
//     the temperatures the coefficients of the interval give lie between
//     those of its ends, and the interval of the next step is the one those
//     temperatures give. Once they are a few numbers, the coefficient of each
//     is worked out; when they all give the same one, the coefficient of the
//     next step is known, and the steps are followed one by one to the end
//     of the run (when they do not within a few steps, the end of the run
//     before is tried).
// The search then goes on from the end of the run as it would have.
//
// Only one coefficient may follow. Where its flow may switch between its
// laminar and its turbulent correlation over a run, the interval holds the
// coefficients of both, and the coefficient may jump from one to the other
// from a step to the next.
class FollowingSurface {
 public:
  struct Interval {
    float low = 0, high = 0;
    bool Holds(const Interval& other) const { return low <= other.low && other.high <= high; }
  };
  // Where the search goes on: the step, and the exterior coefficient the
  // step before it left, which the step works with.
  struct Landing {
    int step = 0;
    float coefficientBefore = 0;
  };

  // The surface whose coefficient follows its temperature.
  enum class Side { Interior, Exterior };
  // `fixed` is the other surface's coefficient, which every step works with.
  // One object serves a whole search: it keeps the length of the runs it finds.
  FollowingSurface(CalcContext& c, int insulation, float Ti, float Te, float fixed, Side side);

  // From step `from`, which works with coefficient `before` and leaves `now`:
  // the furthest step the search can go on from, with every step up to it
  // shown to cost less than the one before; none when no run is shown.
  std::optional<Landing> PassOver(FallingCost& falling, int from, float before, float now);

 private:
  // The radii and resistances over a run of steps, the exterior term apart.
  struct RunFigures {
    double outerLow = 0, outerHigh = 0;       // outer radius, m
    double insideLow = 0, insideHigh = 0;     // the sum of the other terms
    double insideStep = 0;                    // the most that sum changes from a step to the next
    double radiusStep = 0;                    // the most a radius grows from a step to the next
    float diameterLow = 0, diameterHigh = 0;  // as the exterior coefficient is given it
  };
  // The exterior term and the surface temperature over a run, for the
  // coefficients of an interval.
  struct SurfaceBox {
    double areaLow = 0;  // the least area the exterior term divides by
    double exteriorLow = 0, exteriorHigh = 0;
    double nearest = 0, furthest = 0;  // the exact distance of the surface from the air, K
    double error = 0;                  // of the computed surface temperature
    float Tlow = 0, Thigh = 0;         // the computed surface temperatures
  };
  struct Bounds {
    Interval x;
    double convection = 0;  // the greatest convection part
    double jump = 0;        // the most the coefficient jumps where the flow switches regime
  };
  std::optional<SurfaceBox> Surface(const RunFigures& run, const Interval& x) const;
  double Area(double r) const;
  // The most the coefficient changes from one step of the run to the next,
  // the coefficients being in x; not a number when it cannot be bounded.
  double StepChange(const RunFigures& run, const Interval& x, double startChange) const;
  std::optional<RunFigures> Figures(int first, int last);
  // The coefficients the steps between `first` and `last` can leave when they
  // work with one of `x`; none when they cannot be bounded.
  std::optional<Interval> Image(const RunFigures& run, const Interval& x) const;
  // The coefficients surface temperatures of [Tlow, Thigh] and diameters of
  // [Dlow, Dhigh] give, as computed.
  std::optional<Bounds> Coefficients(float Tlow, float Thigh, float Dlow, float Dhigh) const;
  std::optional<Interval> Enclosure(const RunFigures& run, const Interval& start) const;
  // The landing at the end `to` of a run whose steps from `first` on work
  // with coefficients of x; none when the coefficient is not found.
  std::optional<Landing> Land(int first, int to, Interval x);
  float TotalAt(int step, float h);
  // The coefficient a step whose temperatures are T leaves (D: the outer diameter).
  float Coefficient(SurfaceParts& parts, const std::array<float, 7>& T, float D) const;

  CalcContext& c_;
  const int insulation_;
  const float Ti_, Te_, fixed_;
  const bool interior_;  // the interior coefficient follows, not the exterior one
  const float fluid_;    // the temperature of the fluid on the side that follows
  SurfaceParts parts_;   // filled by the coefficients worked out here, not the calculation's
  int run_;              // the length of run tried first
};
