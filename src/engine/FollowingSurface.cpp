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
#include <vector>

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
//    stays on one side of the fluid and the regime of the correlation does not
//    change: their least and greatest values over a box of temperatures and
//    diameters lie at its corners, within the errors of pow (a last place of
//    the single-precision figures at most); above the fluid's temperature both
//    grow with the surface's, and so does the coefficient;
//  - the total resistance a step computes grows with the coefficient it works
//    with (every operation on the way rounds monotonically), and the exterior
//    surface temperature follows from the total alone; a plate's interior
//    one follows from the total and the interior term, which is the only
//    figure of the step the interior coefficient enters.

namespace {

constexpr double kRounding = 1.0 / (1 << 24);
constexpr double kTermSlack = 4 * kRounding;
// The runs first tried, the shortest, and how many steps before the end of a
// run its exact coefficient is looked for.
constexpr int kFirstRun = 64;
constexpr int kShortestRun = 16;
constexpr int kLandingSteps = 24;
constexpr int kEnclosurePasses = 12;
// The most coefficients a landing follows one by one. The interval of a
// plate's interior coefficient shrinks to some hundreds of numbers (the
// bound on the computed surface temperature holds it there), and the steps
// those give leave only a few.
constexpr std::uint32_t kFewCoefficients = 16;
constexpr std::uint32_t kFewInteriorCoefficients = 512;

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

// How many single-precision numbers lie in [low, high], both positive.
std::uint32_t FloatsBetween(float low, float high) {
  std::uint32_t a = 0, b = 0;
  std::memcpy(&a, &low, sizeof a);
  std::memcpy(&b, &high, sizeof b);
  return b >= a ? b - a + 1 : 0;
}

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
  double convection[2] = {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
  double radiation[2] = {convection[0], convection[1]};
  float coefficient[2] = {std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity()};
  bool first = true, laminar = false;
  for (float T : {Tlow, Thigh}) {
    for (float D : {Dlow, Dhigh}) {
      SurfaceParts parts = parts_;
      const float h = interior_ ? InteriorCoefficient(c_.in, parts, T, Ti_, Te_)
                                : ExteriorCoefficient(c_.in, parts, T, Ti_, Te_, D);
      if (!Finite(h) || !Finite(parts.convection) || !Finite(parts.radiation)) return std::nullopt;
      if (!first && parts.laminar != laminar) return std::nullopt;  // the regime changes
      first = false;
      laminar = parts.laminar;
      coefficient[0] = std::min(coefficient[0], h);
      coefficient[1] = std::max(coefficient[1], h);
      convection[0] = std::min(convection[0], double(parts.convection));
      convection[1] = std::max(convection[1], double(parts.convection));
      radiation[0] = std::min(radiation[0], double(parts.radiation));
      radiation[1] = std::max(radiation[1], double(parts.radiation));
    }
  }
  Interval x;
  if (Tlow > fluid_) {
    // A surface warmer than the air: both parts grow with its temperature,
    // so their sum does, as computed within a last place (pow is not
    // rounded exactly).
    x = {std::nextafter(coefficient[0], 0.0f), std::nextafter(coefficient[1], std::numeric_limits<float>::infinity())};
  } else {
    // Colder: the parts move apart, each bounded on its own, as computed
    // within a last place of its own and of their sum.
    const double slack = Ulp(convection[0]) + Ulp(convection[1]) + Ulp(radiation[0]) + Ulp(radiation[1]);
    x = {Down(convection[0] + radiation[0] - slack), Up(convection[1] + radiation[1] + slack)};
    x = {std::nextafter(x.low, 0.0f), std::nextafter(x.high, std::numeric_limits<float>::infinity())};
  }
  if (!(x.low > 0) || !Finite(x.high)) return std::nullopt;
  return Bounds{x, std::max(std::abs(convection[0]), std::abs(convection[1]))};
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
      perMetre * 2 * run.radiusStep + 4 * Ulp(x.high) + 1e-15 * x.high;
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
  std::array<float, 7> T{};
  // Once the interval holds only a few coefficients, each is followed
  // through the step: the coefficients the step can leave are then exactly
  // those they give, no more than before.
  std::vector<float> few;
  for (int j = std::max(first, to - kLandingSteps); j < to; ++j) {
    if (few.empty() && FloatsBetween(x.low, x.high) <= (interior_ ? kFewInteriorCoefficients : kFewCoefficients))
      for (float c = x.low; c <= x.high; c = std::nextafter(c, std::numeric_limits<float>::infinity()))
        few.push_back(c);
    if (!few.empty()) {
      std::vector<float> next;
      for (float c : few) {
        ComputeInterfaceTemperatures(c_.s, TotalAt(j, c), Ti_, Te_, T);
        SurfaceParts parts = parts_;
        const float left = Coefficient(parts, T, 2 * c_.s.r[n]);
        if (std::find(next.begin(), next.end(), left) == next.end()) next.push_back(left);
      }
      if (next.size() == 1) return Landing{j + 1, next.front()};
      few = std::move(next);
      continue;
    }
    // x holds the coefficient step j works with.
    if (interior_) {
      // The interior term is the one figure the coefficient gives a plate's
      // step: when both ends of x give the same, every coefficient of x
      // does. Otherwise the next step's coefficients lie in the image of x
      // over this one step.
      TotalAt(j, x.low);
      const float first = c_.s.R[0];
      const float total = TotalAt(j, x.high);
      if (c_.s.R[0] == first) {
        ComputeInterfaceTemperatures(c_.s, total, Ti_, Te_, T);
        SurfaceParts parts = parts_;
        return Landing{j + 1, Coefficient(parts, T, 0)};
      }
      const std::optional<RunFigures> step = Figures(j, j);
      const std::optional<Interval> next = step ? Image(*step, x) : std::nullopt;
      if (!next) return std::nullopt;
      x = *next;
      continue;
    }
    const float least = TotalAt(j, x.high);
    const float greatest = TotalAt(j, x.low);
    const float D = 2 * c_.s.r[n];
    if (least == greatest) {
      ComputeInterfaceTemperatures(c_.s, greatest, Ti_, Te_, T);
      SurfaceParts parts = parts_;
      return Landing{j + 1, Coefficient(parts, T, D)};
    }
    ComputeInterfaceTemperatures(c_.s, least, Ti_, Te_, T);
    const float a = T[n];
    ComputeInterfaceTemperatures(c_.s, greatest, Ti_, Te_, T);
    const float b = T[n];
    const std::optional<Bounds> next = Coefficients(std::min(a, b), std::max(a, b), D, D);
    if (!next) return std::nullopt;
    x = next->x;
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
  bool halved = false;
  // From the length of the last run shown: doubled while runs are shown,
  // halved (down to the shortest) when one is not.
  for (int length = run_;;) {
    const int to = std::min(reached + length, last);
    if (to < reached + 3) break;
    std::optional<Interval> x;
    double change = 0;
    if (const std::optional<RunFigures> run = Figures(reached, to)) {
      x = Enclosure(*run, start);
      if (x) change = StepChange(*run, *x, startChange);
    }
    if (x && Finite(change) && falling.Falls(reached + 1, to, x->low, x->high, change / (double(x->low) * x->low))) {
      runFrom = reached;
      reached = to;
      held = start = *x;
      startChange = change;
      run_ = length;
      if (to == last) break;
      if (!halved) length *= 2;
    } else if (length > kShortestRun) {
      length /= 2;
      run_ = length;
      halved = true;
    } else {
      break;
    }
  }
  if (reached < from + 3) return std::nullopt;
  return Land(std::max(from + 1, runFrom), reached, held);
}
