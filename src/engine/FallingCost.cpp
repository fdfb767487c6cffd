// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/FallingCost.h"

#include "engine/CalcContext.h"
#include "engine/Constants.h"
#include "engine/ThicknessSearch.h"

#include <algorithm>
#include <cmath>
#include <limits>

// Why a run of steps can be passed over. Let p = a - 1 be the step before the
// run a..b. Every step's figures are those of a fixed function of its
// thickness t_j (the coefficients do not change from step to step):
//   R_j  the total resistance, a single-precision sum of terms, each the
//        rounding of an exact formula of the radii (or of the thickness);
//   q_j  = |Te - Ti| / R_j, rounded to single precision;
//   X_j  = I(t_j) + G q_j in double, G = hours · price · F / 1000, and the
//        cost is X_j rounded to single precision.
// Write R*_j for the exact sum of the exact terms. Over the run:
//   - the thickness grows at each step by 0.1 mm give or take its last place,
//     and each radius by a thousandth of that give or take the last places of
//     the radii; every radius grows;
//   - each term of R* changes by an amount bounded below from the radii at p
//     and at b: the insulation grows (at least as at b, where the logarithm or
//     the inverse of the radius moves least), a layer outside it loses at most
//     what its inner radius gives away at p, and the exterior surface falls at
//     most as at p. So when their sum ΔR is not negative, R* rises over the run
//     and lies between R*_p and R*_b;
//   - each computed figure lies within a bound of its exact value: a term
//     within 2^-24 of itself, the sum within (n + 4) · 2^-23 of the sum of the
//     magnitudes, q_j within its rounding and that of R_j, X_j within 1e-13 of
//     its parts;
//   - the investment's slope over the run has a greatest value (its parts are
//     products of linear functions of t, greatest at the ends).
// Then X_{j-1} - X_j >= G |ΔT| ΔR / R*_b² - (greatest slope) · (greatest step)
// - 2 · (error of X). When that exceeds 2^-21 · |X|, the two costs round to
// different single-precision numbers, the later one the smaller: the step
// costs less than the one before, and the search does not stop in the run.
// Anything not finite or outside these assumptions shows no run.

namespace {

// The length of the first run tried, and the shortest: a bound costs two
// evaluations.
constexpr int kFirstRun = 64;
constexpr int kShortestRun = 16;

constexpr double kFloatRounding = 1.0 / (1 << 24);

double Ulp(float x) {
  return double(std::nextafter(std::abs(x), std::numeric_limits<float>::infinity())) - std::abs(x);
}

bool Finite(double x) { return std::isfinite(x); }

}  // namespace

FallingCost::FallingCost(CalcContext& c, int insulation, const EconomicFigures& figures, double rIn, float Ti, float Te,
                         float hi, float he, bool settled)
    : c_(c),
      insulation_(insulation),
      figures_(figures),
      rIn_(rIn),
      dT_(std::abs(double(Te) - Ti)),
      hi_(hi),
      he_(he),
      heLow_(he),
      heHigh_(he),
      run_(kFirstRun) {
  const CalcInputs& in = c.in;
  const LayerStack& s = c.s;
  noInsulation_ = insulation < 1 || insulation > s.n;
  if (!in.thicknessTarget) return;
  // Coefficients that follow the surface temperatures change from step to
  // step, unless nothing the steps change reaches them. A buried pipe's
  // exterior term is the soil's: its exterior coefficient enters no total.
  const bool interiorFollows = in.IsPlate() && in.interiorMode == SurfaceCoefMode::Calculate;
  const bool exteriorFollows = in.exteriorMode == SurfaceCoefMode::Calculate && !in.IsBuried();
  // Only an exterior coefficient that follows can be bounded over a run.
  following_ = (interiorFollows || exteriorFollows) && !(noInsulation_ && settled);
  // One coefficient may follow: a plate's interior one or the exterior one.
  if (following_ && (noInsulation_ || (interiorFollows && exteriorFollows))) return;
  interiorFollows_ = following_ && interiorFollows;
  if (interiorFollows_) heLow_ = heHigh_ = hi;
  const double G = double(figures.hours) * figures.price * figures.F * 0.001;
  if (!Finite(G) || G < 0 || !Finite(dT_) || !Finite(figures.slope) || !Finite(figures.intercept)) return;
  if (!Finite(hi) || !Finite(he) || !(rIn >= 0 && Finite(rIn))) return;
  if (noInsulation_) {
    usable_ = true;
    return;
  }
  for (int i = insulation; i <= s.n; ++i) {
    if (s.resistanceComputed[i] && !(s.k[i] > 0 && Finite(s.k[i]))) return;
    if (!s.resistanceComputed[i] && !Finite(s.R[i])) return;
    if (i > insulation && !(s.e[i] >= 0 && Finite(s.e[i]))) return;
  }
  if (in.HasRadii() && !(rIn > 0 && Finite(rIn))) return;
  usable_ = true;
}

FallingCost::StepFigures FallingCost::Evaluate(int step, float he) {
  StepFigures f;
  f.t = StepThickness(step);
  c_.s.e[insulation_] = f.t;
  if (c_.in.HasRadii()) UpdateRadii(c_.in, c_.s);
  f.total = interiorFollows_ ? c_.Resistance(ResistanceMode::WithInsulation, insulation_, he, he_)
                             : c_.Resistance(ResistanceMode::WithInsulation, insulation_, hi_, he);
  f.R = c_.s.R;
  f.r = c_.s.r;
  if (c_.in.IsInBox()) f.box = c_.in.boxMode == 2 ? c_.in.boxResistance : c_.buried.boxResistance;
  return f;
}

int FallingCost::LastFalling(int from) {
  if (!usable_ || following_) return from;
  const int last = LastStep() - 1;
  int a = from + 1, length = run_;
  while (a <= last) {
    const int b = std::min(a + length - 1, last);
    if (Falls(a, b)) {
      a = b + 1;
      length *= 2;
    } else if (length > kShortestRun) {
      length /= 2;
    } else {
      break;
    }
  }
  run_ = std::max(length, kShortestRun);
  return a - 1;
}

double FallingCost::LeastRise(const StepFigures& p, const StepFigures& b, double dtMin, double dtMax,
                              double& fixedRise) const {
  const CalcInputs& in = c_.in;
  const LayerStack& s = c_.s;
  const int n = s.n, ins = insulation_;
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  // A step may work with another exterior coefficient than the step before,
  // within [heLow_, heHigh_] and within inverseStep_ of its inverse: the
  // exterior term may fall by this much more, most where the outer radius is least.
  const double coefficients = heHigh_ > heLow_ ? std::min(1 / double(heLow_) - 1 / double(heHigh_), inverseStep_) : 0.0;
  fixedRise = kNaN;
  if (in.IsPlate() || in.IsDuct()) {
    // Only the insulation's term moves: e · 0.001 / k.
    fixedRise = s.resistanceComputed[ins] ? dtMin * 0.001 / double(s.k[ins]) : 0.0;
    return fixedRise - coefficients;
  }
  const bool sphere = in.IsSphere();
  const double shell = sphere ? kFourPi : kTwoPi;
  // The growth of each radius from one step to the next lies in [lo, hi].
  double lo = dtMin * 0.001, hi = dtMax * 0.001;
  double rise = 0;
  for (int i = ins; i <= n; ++i) {
    const double rp = p.r[i], rb = b.r[i];
    const double slack = Ulp(b.r[i]) + 1e-15 * rb;
    lo -= slack;
    hi += slack;
    if (!(lo > 0) || !(rp > 0) || !Finite(rb)) return kNaN;
    if (!s.resistanceComputed[i]) continue;
    const double c = 1 / (double(s.k[i]) * shell);
    // The growth of the term's outer part, least at b.
    double term = sphere ? c * lo / (rb * rb) : c * lo / rb;
    if (i > ins) {
      // What the inner radius, which grows too, takes away: most at p.
      const double rin = p.r[i - 1];
      const double hiInner = hi - slack;  // the growth of the radius inside
      term -= sphere ? c * hiInner / (rin * rin) : c * hiInner / rin;
    }
    rise += term;
  }
  if (in.IsBuried()) {
    fixedRise = rise - GreatestBuriedFall(p, b, hi);
    return fixedRise;
  }
  if (heLow_ > 0) {
    const double c = 1 / (double(heLow_) * shell);
    const double rp = p.r[n], rb = b.r[n];
    rise -= sphere ? c * hi * 2 * rb / (rp * rp * rp * rp) : c * hi / (rp * rp);
    fixedRise = rise;
    rise -= coefficients / (shell * (sphere ? double(rp) * rp : double(rp)));
  } else {
    fixedRise = rise;
  }
  return rise;
}

double FallingCost::GreatestBuriedFall(const StepFigures& p, const StepFigures& b, double growth) const {
  const CalcInputs& in = c_.in;
  const int n = c_.s.n;
  const double rp = p.r[n], rb = b.r[n];
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  if (!(rp > 0) || !Finite(rb)) return kNaN;
  if (in.IsInBox()) {
    // The soil lies outside the box, whose equivalent radius is fixed: only
    // the box term moves, unless its resistance is given.
    if (in.boxMode == 2) return 0;
    if (in.boxMode != 0) return growth / (rp * rp * 53.4072);  // air: 1 / (8.5 · 2π r)
    // Material: ln(B / r) / (2π k) while B - r exceeds 1 mm, which holds over
    // the run when it holds at its end.
    const double B = 1.07 * (double(in.boxSize) * 0.001) * 0.5;
    const double k = in.boxConductivity;
    if (!(B - rb > 0.001) || !(k > 0) || !Finite(k) || !Finite(B)) return kNaN;
    return growth / (rp * k * kTwoPi);
  }
  // The soil: acosh(d / r) / (2π λ) while d / r is at least 1.01, which holds
  // over the run when it holds at its end; its slope in r, d / (r √(d² - r²))
  // over 2π λ, is greatest where r is least in front and greatest under the root.
  const double d = in.depth;
  const double lambda = in.soilMode == 1 ? double(c_.buried.soilConductivity) : double(in.soilConductivity);
  if (!(d / rb >= 1.01) || !Finite(d) || !(lambda > 0) || !Finite(lambda)) return kNaN;
  return growth * d / (rp * std::sqrt((d - rb) * (d + rb)) * lambda * kTwoPi);
}

double FallingCost::GreatestInvestmentSlope(double tp, double tb) const {
  const CalcInputs& in = c_.in;
  const double s = figures_.slope, c0 = figures_.intercept;
  const double Kp = s * tp + c0, Kb = s * tb + c0;
  const double rp = rIn_ + tp * 0.001, rb = rIn_ + tb * 0.001;
  double slope = 0, size = 0;
  if (in.IsPipe()) {
    // d/dt [K(t) · 2π r(t)] = 2π (s r + 0.001 K)
    const double a = std::max(s * rp, s * rb), k = 0.001 * std::max(Kp, Kb);
    slope = kTwoPi * (a + k);
    size = kTwoPi * (std::abs(a) + std::abs(k));
  } else if (in.IsSphere()) {
    // d/dt [K(t) · 4π r(t)²] = 4π (s r² + 0.002 K r)
    const double a = std::max(s * rp * rp, s * rb * rb);
    const double k = 0.002 * std::max(std::max(Kp * rp, Kp * rb), std::max(Kb * rp, Kb * rb));
    slope = kFourPi * (a + k);
    size = kFourPi * (std::abs(a) + std::abs(k));
  } else {
    slope = s;
    size = std::abs(s);
  }
  return slope + 1e-12 * size;
}

bool FallingCost::Falls(int a, int b, float low, float high, double inverseStep) {
  if (!following_ || !(low > 0) || !(low <= high) || !Finite(high) || !(inverseStep >= 0)) return false;
  heLow_ = low;
  heHigh_ = high;
  inverseStep_ = inverseStep;
  following_ = false;
  const bool falls = Falls(a, b);
  following_ = true;
  heLow_ = heHigh_ = interiorFollows_ ? hi_ : he_;
  inverseStep_ = 0;
  return falls;
}

bool FallingCost::Falls(int a, int b) {
  if (!usable_ || following_ || a < 2 || b < a || b >= LastStep()) return false;
  const CalcInputs& in = c_.in;
  const int n = c_.s.n;
  // The least total at the start of the run (the greatest coefficient), the
  // greatest at its end (the least one).
  const StepFigures p = Evaluate(a - 1, heHigh_);
  const StepFigures e = Evaluate(b, heLow_);
  if (noInsulation_) return FallsWithTheSameFlow(p, e);
  // A buried pipe's search stops where the pipe outgrows its place: no step
  // of the run may (the outer radius grows from step to step).
  if (in.IsBuried() && OutgrowsItsPlace(in, c_.s)) return false;

  // The growth of the thickness from one step to the next.
  const double dtMin = double(0.1f) - Ulp(e.t), dtMax = double(0.1f) + Ulp(e.t);
  double fixedRise = 0;
  const double rise = LeastRise(p, e, dtMin, dtMax, fixedRise);
  // When the total worked out with any one coefficient of the interval rises
  // from step to step (on a flat element, always: only the insulation's term
  // moves), the totals of the run lie between those of its ends, the first
  // with the greatest coefficient and the last with the least, even where a
  // changing coefficient lowers the total from one step to the next; the
  // energy may then rise, by at most as much as that fall at the least total.
  if (!(rise >= 0) && !(Finite(rise) && fixedRise >= 0)) return false;

  // How far the computed total lies from the exact one. The terms must not be
  // negative: terms that cancel could leave a total of 0, which the resistance
  // replaces by 0.00001.
  double magnitudes = 0;
  for (int i : {0, 1, 2, 3, 4, 5, 6, 10}) {
    if (i > n && i != 10) continue;
    if (!(p.R[i] >= 0 && e.R[i] >= 0)) return false;
    magnitudes += std::max(double(p.R[i]), double(e.R[i]));
  }
  // A step between works out its exterior term with a coefficient that may
  // be less than both ends used, where the outer radius may be less.
  if (heHigh_ > heLow_) magnitudes += double(p.R[interiorFollows_ ? 0 : 10]) * heHigh_ / heLow_;
  // A buried pipe's box term, and what its logarithm of a ratio near 1 loses.
  double lost = 0;
  if (in.IsInBox()) {
    if (!(p.box >= 0 && e.box >= 0)) return false;
    magnitudes += std::max(double(p.box), double(e.box));
    if (in.boxMode == 0) lost = 4 * std::numeric_limits<double>::epsilon() / (double(in.boxConductivity) * kTwoPi);
  }
  if (!Finite(magnitudes) || !Finite(lost) || !(p.total > 0)) return false;
  const double errR = magnitudes * (n + 4) * 2 * kFloatRounding * 1.001 + lost + 1e-300;
  const double Rlow = double(p.total) - 2 * errR, Rhigh = double(e.total) + errR;
  if (!(Rlow > 0) || !Finite(Rhigh)) return false;

  const double G = double(figures_.hours) * figures_.price * figures_.F * 0.001;
  const double qHigh = dT_ / Rlow * (1 + 1e-12);
  const double qError = dT_ * errR / (Rlow * Rlow) + qHigh * kFloatRounding * 1.01 + qHigh * 1e-15;

  const double tp = p.t, tb = e.t;
  const double Kp = double(figures_.slope) * tp + figures_.intercept;
  const double Kb = double(figures_.slope) * tb + figures_.intercept;
  const double rb = rIn_ + tb * 0.001;
  const double geometry = in.IsPipe() ? kTwoPi * rb : in.IsSphere() ? kFourPi * rb * rb : 1.0;
  const double investment = std::max(std::abs(Kp), std::abs(Kb)) * geometry;
  const double error = G * qError * 1.01 + 1e-13 * (investment + G * qHigh);
  const double largest = investment + G * qHigh + error;

  const double slope = GreatestInvestmentSlope(tp, tb);
  const double energyFall = G * dT_ * rise / (rise >= 0 ? Rhigh * Rhigh : Rlow * Rlow);
  const double fall = energyFall - std::max(slope * dtMin, slope * dtMax) - 2 * error;
  if (!Finite(fall) || !Finite(largest) || largest > 1e37) return false;
  return fall > 2 * 2 * kFloatRounding * largest + 1e-37;
}

bool FallingCost::FallsWithTheSameFlow(const StepFigures& p, const StepFigures& b) const {
  // Every step works out the same total from the same figures, so the heat
  // flow is the same number at every step and only the investment moves.
  const float q = static_cast<float>(std::abs(dT_ / double(p.total)));
  const double G = double(figures_.hours) * figures_.price * figures_.F * 0.001;
  const double tp = p.t, tb = b.t;
  const double dtMin = double(0.1f) - Ulp(b.t), dtMax = double(0.1f) + Ulp(b.t);
  const double Kp = double(figures_.slope) * tp + figures_.intercept;
  const double Kb = double(figures_.slope) * tb + figures_.intercept;
  const double rb = rIn_ + tb * 0.001;
  const CalcInputs& in = c_.in;
  const double geometry = in.IsPipe() ? kTwoPi * rb : in.IsSphere() ? kFourPi * rb * rb : 1.0;
  const double investment = std::max(std::abs(Kp), std::abs(Kb)) * geometry;
  const double energy = G * q;
  const double error = 1e-13 * (investment + energy);
  const double largest = investment + energy + error;
  const double slope = GreatestInvestmentSlope(tp, tb);
  const double fall = -std::max(slope * dtMin, slope * dtMax) - 2 * error;
  if (!Finite(q) || !Finite(fall) || !Finite(largest) || largest > 1e37) return false;
  return fall > 2 * 2 * kFloatRounding * largest + 1e-37;
}
