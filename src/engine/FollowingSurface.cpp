// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/FollowingSurface.h"

#include "engine/CalcContext.h"
#include "engine/Constants.h"
#include "engine/FallingCost.h"
#include "engine/TemperatureProfile.h"
#include "engine/ThicknessSearch.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

// The bounds below hold for the figures as computed, not only for the exact
// ones:
//  - a resistance term is computed within 2^-24 of the exact formula of the
//    single-precision radii, plus what the logarithm or the difference of
//    inverses loses; over a run, the insulation's term grows with its outer
//    radius, and a layer outside it keeps the width it is given, give or
//    take the last place of its outer radius;
//  - the exterior surface temperature is Ti - (Ti - Te) c / R, c and R sums
//    of n + 1 and n + 2 terms in single precision: it lies within
//    |Ti - Te| (2n + 4) 2^-24 of the exact formula of the terms, plus its own
//    rounding; a plate's interior surface temperature, Ti - (Ti - Te) R0 / R,
//    lies within that bound too;
//  - the convection part of the coefficient grows (or falls) with the
//    difference between the surface and its fluid and with the diameter, and
//    the radiation part with the surface temperature, as long as the surface
//    stays on one side of the fluid, in each regime of the correlation: their
//    least and greatest values over a box of temperatures and diameters lie
//    at its corners, within the errors of pow (a last place of the
//    single-precision figures at most); above the fluid's temperature both
//    grow with the surface's, and so does the coefficient. The regime itself
//    follows the temperature difference and the diameter one way, so a box
//    whose corners flow alike flows alike throughout;
//  - the total resistance a step computes grows with the coefficient it works
//    with (every operation on the way rounds monotonically), and the exterior
//    surface temperature follows from the total alone, one way; a plate's
//    interior one follows from the total and the interior term (the only
//    figure of the step the interior coefficient enters), one way with each.

namespace {

constexpr double kRounding = 1.0 / (1 << 24);
constexpr double kTermSlack = 4 * kRounding;
// The runs first tried, the shortest, and how many steps before the end of a
// run its exact coefficient is looked for.
constexpr int kFirstRun = 64;
constexpr int kShortestRun = 16;
constexpr int kLandingSteps = 24;
constexpr int kEnclosurePasses = 12;
// The most surface temperatures a landing works the coefficient out for one
// by one.
constexpr std::int64_t kFewTemperatures = 64;

float Down(double x) {
  float f = static_cast<float>(x);
  if (double(f) > x) f = std::nextafter(f, -std::numeric_limits<float>::infinity());
  return f;
}

float Up(double x) {
  float f = static_cast<float>(x);
  if (double(f) < x) f = std::nextafter(f, std::numeric_limits<float>::infinity());
  return f;
}

double Ulp(double x) {
  const float f = static_cast<float>(std::abs(x));
  return double(std::nextafter(f, std::numeric_limits<float>::infinity())) - f;
}

bool Finite(double x) { return std::isfinite(x); }

// The place of a single-precision number among all of them, in their order.
std::int64_t Place(float x) {
  std::int32_t bits = 0;
  std::memcpy(&bits, &x, sizeof bits);
  return bits < 0 ? -std::int64_t(bits & 0x7fffffff) : std::int64_t(bits);
}

// How many single-precision numbers lie in [low, high].
std::int64_t FloatsBetween(float low, float high) { return low <= high ? Place(high) - Place(low) + 1 : 0; }

}  // namespace

FollowingSurface::FollowingSurface(CalcContext& c, int insulation, float Ti, float Te, float fixed, Side side)
    : c_(c),
      insulation_(insulation),
      Ti_(Ti),
      Te_(Te),
      fixed_(fixed),
      interior_(side == Side::Interior),
      fluid_(interior_ ? Ti : Te),
      parts_(interior_ ? c.interior : c.exterior),
      run_(kFirstRun) {}

float FollowingSurface::TotalAt(int step, float h) {
  // As the search works a step out: a plate or duct keeps its radii.
  c_.s.e[insulation_] = StepThickness(step);
  if (c_.in.HasRadii()) UpdateRadii(c_.in, c_.s);
  return interior_ ? c_.Resistance(ResistanceMode::WithInsulation, insulation_, h, fixed_)
                   : c_.Resistance(ResistanceMode::WithInsulation, insulation_, fixed_, h);
}

float FollowingSurface::Coefficient(SurfaceParts& parts, const std::array<float, 7>& T, float D) const {
  return interior_ ? InteriorCoefficient(c_.in, parts, T[0], Ti_, Te_)
                   : ExteriorCoefficient(c_.in, parts, T[c_.s.n], Ti_, Te_, D);
}

std::optional<FollowingSurface::RunFigures> FollowingSurface::Figures(int first, int last) {
  const CalcInputs& in = c_.in;
  const LayerStack& s = c_.s;
  const int n = s.n, ins = insulation_;
  TotalAt(first, 1);
  const LayerStack p = s;
  TotalAt(last, 1);
  const LayerStack& e = s;
  const bool flat = in.IsPlate() || in.IsDuct(), sphere = in.IsSphere();
  const double shell = sphere ? kFourPi : kTwoPi;
  // The greatest growth of the thickness, and of a radius, from one step to the next.
  const double dtMax = double(0.1f) + Ulp(StepThickness(last));
  const double radiusStep = flat ? 0.0 : dtMax * 0.001 * (1 + 1e-12) + (n + 1) * Ulp(e.r[n]);
  RunFigures run;
  run.radiusStep = radiusStep;
  // Every term but the surface that follows: the interior surface, the
  // layers and, when the interior follows, the exterior surface.
  for (int i = interior_ ? 1 : 0; i <= (interior_ ? n + 1 : n); ++i) {
    if (i == n + 1) i = 10;
    double low = std::min(p.R[i], e.R[i]), high = std::max(p.R[i], e.R[i]);
    if (i > ins && i <= n && !flat && s.resistanceComputed[i]) {
      // A layer outside the insulation: its inner radius lies between those
      // of the ends, its width within a last place of its outer radius.
      const double k = s.k[i];
      if (!(k > 0) || !Finite(k)) return std::nullopt;
      const double width = double(s.e[i]) * 0.001, slack = Ulp(e.r[i]);
      const double innerLow = p.r[i - 1], innerHigh = e.r[i - 1];
      const double wide = width + slack, narrow = std::max(width - slack, 0.0);
      if (!(innerLow > 0)) return std::nullopt;
      if (sphere) {
        high = wide / (innerLow * (innerLow + wide)) / (k * shell);
        low = narrow / (innerHigh * (innerHigh + narrow)) / (k * shell);
      } else {
        high = std::log1p(wide / innerLow) / (k * shell);
        low = std::log1p(narrow / innerHigh) / (k * shell);
      }
    }
    // What the logarithm of a ratio near 1, or a difference of inverses,
    // loses besides the rounding of the term.
    double lost = 0;
    if (!flat && i >= ins && i <= n && s.resistanceComputed[i]) {
      const double k = s.k[i];
      lost = sphere ? 4 * std::numeric_limits<double>::epsilon() / (double(p.r[i - 1]) * k * shell)
                    : 4 * std::numeric_limits<double>::epsilon() / (k * shell);
    }
    if (!(low >= 0) || !Finite(high)) return std::nullopt;
    run.insideLow += low * (1 - kTermSlack) - lost;
    run.insideHigh += high * (1 + kTermSlack) + lost;
    // How much the term can change from one step to the next: its rounding,
    // and its exact change as the radii grow (or the thickness, on a flat
    // element), its width within last places.
    double change = 2 * (high * kTermSlack + lost);
    if (i >= ins && i <= n && s.resistanceComputed[i]) {
      const double k = s.k[i];
      if (!(k > 0) || !Finite(k)) return std::nullopt;
      if (flat) {
        if (i == ins) change += dtMax * 0.001 / k;
      } else {
        const double inner = i == ins ? p.r[ins] : p.r[i - 1];
        const double width = i == ins ? 0.0 : double(s.e[i]) * 0.001 + Ulp(e.r[i]);
        const double wobble = i == ins ? 0.0 : 2 * Ulp(e.r[i]);
        if (!(inner > 0)) return std::nullopt;
        if (sphere) {
          change += (i == ins ? radiusStep / (inner * inner)
                              : width * (2 * inner + width) * radiusStep / (inner * inner * inner * inner) +
                                    wobble / (inner * inner)) /
                    (k * shell);
        } else {
          change +=
              (i == ins ? radiusStep / inner : width * radiusStep / (inner * inner) + wobble / inner) / (k * shell);
        }
      }
    }
    run.insideStep += change;
  }
  run.insideLow = std::max(run.insideLow, 0.0);
  run.outerLow = p.r[n];
  run.outerHigh = e.r[n];
  run.diameterLow = 2 * p.r[n];
  run.diameterHigh = 2 * e.r[n];
  if (!flat && !(run.outerLow > 0)) return std::nullopt;
  if (!Finite(run.insideHigh) || !Finite(run.outerHigh)) return std::nullopt;
  return run;
}

std::optional<FollowingSurface::Bounds> FollowingSurface::Coefficients(float Tlow, float Thigh, float Dlow,
                                                                       float Dhigh) const {
  // The surface on one side of the air, and no temperature below absolute zero.
  if (!(Tlow > fluid_ || Thigh < fluid_) || !(double(fluid_) + 273.15 >= 0) || !(double(Tlow) + 273.15 >= 0))
    return std::nullopt;
  // The least and greatest coefficient and parts at the corners of the box,
  // worked out in `regime`; false when they are not finite. `mixed` tells
  // whether the corners flow in different regimes.
  struct Extremes {
    double convection[2] = {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
    double radiation[2] = {convection[0], convection[1]};
    float coefficient[2] = {std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity()};
  };
  bool mixed = false;
  const auto corners = [&](FlowRegime regime, Extremes& e) {
    bool first = true, laminar = false;
    // A flat surface, or a box of one diameter, has two corners.
    const int diameters = interior_ || Dlow == Dhigh ? 1 : 2;
    for (float T : {Tlow, Thigh}) {
      for (int d = 0; d < diameters; ++d) {
        const float D = d == 0 ? Dlow : Dhigh;
        SurfaceParts parts = parts_;
        const float h = interior_ ? InteriorCoefficient(c_.in, parts, T, Ti_, Te_, regime)
                                  : ExteriorCoefficient(c_.in, parts, T, Ti_, Te_, D, regime);
        if (!Finite(h) || !Finite(parts.convection) || !Finite(parts.radiation)) return false;
        if (!first && parts.laminar != laminar) mixed = true;
        first = false;
        laminar = parts.laminar;
        e.coefficient[0] = std::min(e.coefficient[0], h);
        e.coefficient[1] = std::max(e.coefficient[1], h);
        e.convection[0] = std::min(e.convection[0], double(parts.convection));
        e.convection[1] = std::max(e.convection[1], double(parts.convection));
        e.radiation[0] = std::min(e.radiation[0], double(parts.radiation));
        e.radiation[1] = std::max(e.radiation[1], double(parts.radiation));
      }
    }
    return true;
  };
  Extremes e;
  if (!corners(FlowRegime::AsItFlows, e)) return std::nullopt;
  // Where the corners flow in different regimes, the flow switches inside the
  // box (the regime follows the temperature difference and the diameter one
  // way): each correlation, worked out over the whole box, is bounded at its
  // corners, and a coefficient of the box is one of the two. From one step
  // to the next the coefficient may also jump from one correlation to the
  // other at the same surface, by at most the widest gap between them.
  double jump = 0;
  if (mixed) {
    Extremes laminar, turbulent;
    if (!corners(FlowRegime::Laminar, laminar) || !corners(FlowRegime::Turbulent, turbulent)) return std::nullopt;
    for (int i : {0, 1}) {
      const auto pick = [i](double a, double b) { return i == 0 ? std::min(a, b) : std::max(a, b); };
      e.convection[i] = pick(laminar.convection[i], turbulent.convection[i]);
      e.radiation[i] = pick(laminar.radiation[i], turbulent.radiation[i]);
      e.coefficient[i] = static_cast<float>(pick(laminar.coefficient[i], turbulent.coefficient[i]));
    }
    jump = std::max(turbulent.convection[1] - laminar.convection[0], laminar.convection[1] - turbulent.convection[0]);
    jump += 2 * (Ulp(e.convection[0]) + Ulp(e.convection[1]));
  }
  Interval x;
  if (Tlow > fluid_) {
    // A surface warmer than the air: both parts grow with its temperature,
    // so their sum does, as computed within a last place (pow is not
    // rounded exactly).
    x = {std::nextafter(e.coefficient[0], 0.0f),
         std::nextafter(e.coefficient[1], std::numeric_limits<float>::infinity())};
  } else {
    // Colder: the parts move apart, each bounded on its own, as computed
    // within a last place of its own and of their sum.
    const double slack = Ulp(e.convection[0]) + Ulp(e.convection[1]) + Ulp(e.radiation[0]) + Ulp(e.radiation[1]);
    x = {Down(e.convection[0] + e.radiation[0] - slack), Up(e.convection[1] + e.radiation[1] + slack)};
    x = {std::nextafter(x.low, 0.0f), std::nextafter(x.high, std::numeric_limits<float>::infinity())};
  }
  if (!(x.low > 0) || !Finite(x.high) || !Finite(jump)) return std::nullopt;
  return Bounds{x, std::max(std::abs(e.convection[0]), std::abs(e.convection[1])), jump};
}

std::optional<FollowingSurface::SurfaceBox> FollowingSurface::Surface(const RunFigures& run, const Interval& x) const {
  SurfaceBox box;
  // The exterior term: least with the greatest coefficient and radius.
  box.areaLow = Area(run.outerLow);
  box.exteriorLow = 1 / (double(x.high) * Area(run.outerHigh)) * (1 - kTermSlack);
  box.exteriorHigh = 1 / (double(x.low) * box.areaLow) * (1 + kTermSlack);
  const double dT = double(Ti_) - double(Te_);
  if (dT == 0 || !Finite(dT) || !Finite(box.exteriorHigh)) return std::nullopt;
  // The exact surface temperature lies |dT| · exterior / (inside + exterior) from the air.
  box.nearest = std::abs(dT) * box.exteriorLow / (run.insideHigh + box.exteriorLow);
  box.furthest = std::abs(dT) * box.exteriorHigh / (run.insideLow + box.exteriorHigh);
  const int n = c_.s.n;
  box.error = std::abs(dT) * (2 * n + 4) * kRounding * 1.02 +
              4 * std::numeric_limits<double>::epsilon() * (std::abs(Ti_) + std::abs(Te_)) +
              Ulp(std::abs(fluid_) + box.furthest) + 1e-30;
  if (!(box.nearest - box.error > 0) || !Finite(box.furthest)) return std::nullopt;
  // The exterior surface lies from the exterior air towards the interior
  // fluid, the interior surface from the interior fluid towards the air.
  const double sign = (dT > 0) == interior_ ? -1 : 1;
  const double a = fluid_ + sign * (box.nearest - box.error), b = fluid_ + sign * (box.furthest + box.error);
  box.Tlow = Down(std::min(a, b));
  box.Thigh = Up(std::max(a, b));
  return box;
}

double FollowingSurface::Area(double r) const {
  const CalcInputs& in = c_.in;
  if (in.IsPlate() || in.IsDuct()) return 1.0;
  return in.IsSphere() ? kFourPi * r * r : kTwoPi * r;
}

std::optional<FollowingSurface::Interval> FollowingSurface::Image(const RunFigures& run, const Interval& x) const {
  const std::optional<SurfaceBox> box = Surface(run, x);
  if (!box) return std::nullopt;
  const std::optional<Bounds> h = Coefficients(box->Tlow, box->Thigh, run.diameterLow, run.diameterHigh);
  if (!h) return std::nullopt;
  return h->x;
}

double FollowingSurface::StepChange(const RunFigures& run, const Interval& x, double startChange) const {
  constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
  const CalcInputs& in = c_.in;
  const std::optional<SurfaceBox> box = Surface(run, x);
  if (!box) return kNone;
  const std::optional<Bounds> h = Coefficients(box->Tlow, box->Thigh, run.diameterLow, run.diameterHigh);
  if (!h) return kNone;
  const bool flat = in.IsPlate() || in.IsDuct(), sphere = in.IsSphere();
  const double dT = std::abs(double(Ti_) - double(Te_));
  // How fast the coefficient follows the surface temperature: the convection
  // part as a power of at most 0.34 of the difference, the radiation part as
  // the derivative of its cubic; and the diameter.
  const double a = (double(fluid_) + 273.15) * 0.01;
  const double b = (std::max(std::abs(double(box->Tlow)), std::abs(double(box->Thigh))) + 273.15) * 0.01;
  const double emission = std::abs(double(interior_ ? in.interiorEmission : in.exteriorEmission));
  const double perDegree =
      0.34 * h->convection / (box->nearest - box->error) + emission * 5.67e-4 * (a * a + 3 * b * b + 2 * a * b);
  const double perMetre = flat ? 0.0 : (0.5 * h->convection + 0.0081 / run.diameterLow) / run.diameterLow;
  // How much the exterior term can change from a step to the next with the
  // same coefficient, and per change of the inverse of the coefficient.
  const double r = run.outerLow;
  const double geometric = flat     ? 0.0
                           : sphere ? 2 * run.radiusStep / (double(x.low) * kFourPi * r * r * r)
                                    : run.radiusStep / (double(x.low) * kTwoPi * r * r);
  const double exteriorStep = geometric + 2 * kTermSlack * box->exteriorHigh;
  const double perInverse = 1 / box->areaLow;
  // The surface temperature moves by at most |dT| (exterior · Δinside +
  // inside · Δexterior) / (inside + exterior)², and as computed by twice its error more.
  const double inside = run.insideLow + box->exteriorLow;
  const double spread = dT / (inside * inside);
  const double fixed =
      perDegree * (spread * (box->exteriorHigh * run.insideStep + run.insideHigh * exteriorStep) + 2 * box->error) +
      perMetre * 2 * run.radiusStep + h->jump + 4 * Ulp(x.high) + 1e-15 * x.high;
  // A change d of the coefficient changes its inverse by at most d / low².
  const double following = perDegree * spread * run.insideHigh * perInverse / (double(x.low) * x.low);
  if (!Finite(fixed) || !Finite(following) || !(following < 0.9)) return kNone;
  return std::max(fixed / (1 - following), startChange);
}

std::optional<FollowingSurface::Interval> FollowingSurface::Enclosure(const RunFigures& run,
                                                                      const Interval& start) const {
  Interval x = start;
  for (int pass = 0; pass < kEnclosurePasses; ++pass) {
    const std::optional<Interval> image = Image(run, x);
    if (!image) return std::nullopt;
    if (x.Holds(*image)) return x;
    // Wider than both, so that the next image falls inside it.
    const double low = std::min(start.low, image->low), high = std::max(start.high, image->high);
    const double grow = 0.25 * (high - low);
    x = {Down(low - grow - std::abs(low) * 1e-7), Up(high + grow + std::abs(high) * 1e-7)};
    if (!(x.low > 0)) return std::nullopt;
  }
  return std::nullopt;
}

std::optional<FollowingSurface::Landing> FollowingSurface::Land(int first, int to, Interval x) {
  const int n = c_.s.n;
  const int side = interior_ ? 0 : n;
  std::array<float, 7> T{};
  for (int j = std::max(first, to - kLandingSteps); j < to; ++j) {
    // x holds the coefficient step j works with. The surface temperature the
    // step leaves follows from its total and, for a plate's interior, from
    // the interior term; each moves one way with the coefficient, and the
    // temperature one way with each, so the temperatures the coefficients of
    // x give lie between those of the corners.
    const float least = TotalAt(j, x.high);
    const float termLeast = c_.s.R[0];
    const float greatest = TotalAt(j, x.low);
    const float termGreatest = c_.s.R[0];
    const float D = 2 * c_.s.r[n];
    float Tlow = std::numeric_limits<float>::infinity(), Thigh = -Tlow;
    for (float term : {termLeast, termGreatest}) {
      if (interior_) c_.s.R[0] = term;
      for (float total : {least, greatest}) {
        ComputeInterfaceTemperatures(c_.s, total, Ti_, Te_, T);
        Tlow = std::min(Tlow, T[side]);
        Thigh = std::max(Thigh, T[side]);
      }
    }
    c_.s.R[0] = termGreatest;
    if (!(Tlow <= Thigh)) return std::nullopt;
    if (FloatsBetween(Tlow, Thigh) > kFewTemperatures) {
      const std::optional<Bounds> next = Coefficients(Tlow, Thigh, D, D);
      if (!next) return std::nullopt;
      x = next->x;
      continue;
    }
    // Few temperatures: the coefficients the step can leave are those they
    // give, worked out as the step would.
    float low = std::numeric_limits<float>::infinity(), high = -low;
    for (float t = Tlow;; t = std::nextafter(t, std::numeric_limits<float>::infinity())) {
      SurfaceParts parts = parts_;
      T[side] = t;
      const float h = Coefficient(parts, T, D);
      low = std::min(low, h);
      high = std::max(high, h);
      if (!(t < Thigh)) break;
    }
    if (!(low > 0) || !Finite(high)) return std::nullopt;
    if (low < high) {
      x = {low, high};
      continue;
    }
    // The coefficient step j + 1 works with is known: every step of the run
    // up to `to` is shown to cost less than the one before, so the steps are
    // followed one by one to its end, as the search would work them out.
    float h = low;
    for (int k = j + 1; k < to; ++k) {
      ComputeInterfaceTemperatures(c_.s, TotalAt(k, h), Ti_, Te_, T);
      SurfaceParts parts = parts_;
      h = Coefficient(parts, T, 2 * c_.s.r[n]);
    }
    return Landing{to, h};
  }
  return std::nullopt;
}

std::optional<FollowingSurface::Landing> FollowingSurface::PassOver(FallingCost& falling, int from, float before,
                                                                    float now) {
  if (!falling.Following() || !falling.Usable()) return std::nullopt;
  const int last = LastStep() - 1;
  // The runs follow one another: each starts where the one before ended,
  // from the interval that held its coefficients and the most they changed
  // from a step to the next. Only the last run's end is landed on.
  Interval start{std::min(before, now), std::max(before, now)};
  double startChange = std::abs(double(now) - double(before));
  int reached = from, runFrom = from;
  Interval held;
  // The run before the last, landed on when the last one cannot be.
  int earlierFrom = from, earlierReached = from;
  Interval earlierHeld;
  // From the length of the last run shown: doubled while runs are shown,
  // halved (down to the shortest) when one is not, and doubled again after
  // two runs are shown in a row.
  int shownInARow = 2;
  for (int length = run_;;) {
    const int to = std::min(reached + length, last);
    if (to < reached + 3) break;
    std::optional<Interval> x, left;
    double change = 0;
    if (const std::optional<RunFigures> run = Figures(reached, to)) {
      x = Enclosure(*run, start);
      if (x) {
        change = StepChange(*run, *x, startChange);
        left = Image(*run, *x);
      }
    }
    if (x && left && Finite(change) &&
        falling.Falls(reached + 1, to, x->low, x->high, change / (double(x->low) * x->low))) {
      earlierFrom = runFrom;
      earlierReached = reached;
      earlierHeld = held;
      runFrom = reached;
      reached = to;
      // Every step after the first works with a coefficient a step of the
      // run left, and the last leaves one: the next run starts from those.
      held = start = *left;
      startChange = change;
      run_ = length;
      if (to == last) break;
      if (++shownInARow >= 2) length *= 2;
    } else if (length > kShortestRun) {
      length /= 2;
      run_ = length;
      shownInARow = 0;
    } else {
      break;
    }
  }
  if (reached < from + 3) return std::nullopt;
  if (const std::optional<Landing> landing = Land(runFrom + 1, reached, held)) return landing;
  // The last run may end where the coefficient cannot be found (where the
  // flow switches between its regimes from step to step).
  if (earlierReached < from + 3) return std::nullopt;
  return Land(earlierFrom + 1, earlierReached, earlierHeld);
}
