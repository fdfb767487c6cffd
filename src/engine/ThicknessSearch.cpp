// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ThicknessSearch.h"

#include "engine/CalcContext.h"
#include "engine/ThicknessSolver.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

// Why runs of steps can be passed over. The total resistance of a pipe or a
// sphere is a sum, in single precision and in a fixed order, of terms that each
// move one way as the insulation grows (the coefficients stay fixed during a
// search):
//   - the interior surface and the layers inside the insulation stay the same;
//   - the insulation layer grows with its outer radius;
//   - a layer outside it grows with its outer radius and falls as its inner
//     radius grows;
//   - the exterior surface, the soil, and the box of a buried pipe fall as the
//     outer radius grows (the box term drops to 0 when the pipe fills the box).
// Every radius grows (or stays) from one step to the next, and rounding to the
// nearest value keeps the direction of each formula, as does a sum of
// single-precision values. So over the steps a..b no step's total exceeds the
// sum of each term taken where it is largest: at b for the insulation, at a
// for the surface, soil and box, and for an outer layer with its inner radius
// of step a and its outer radius of step b. When that sum falls short of the
// requirement no step of the run can stop the search.
//
// The directions hold only for positive conductivities and radii; otherwise
// (a layer's conductivity not above 0, a negative layer outside the insulation,
// an interior diameter not above 0, a soil or box conductivity not above 0)
// the search walks through every step.

namespace {

// Runs shorter than this are walked step by step: a bound costs two
// evaluations.
constexpr int kWalkedRun = 6;
// What the bound allows for the last place of a logarithm or of the clamp of
// the soil term, which need not move exactly one way at the limit of double
// precision.
constexpr double kBoundMargin = 1e-6;

const std::vector<float>& Thicknesses() {
  static const std::vector<float> thicknesses = [] {
    std::vector<float> t{0.0f};
    float sum = 0;
    do {
      sum += 0.1f;
      t.push_back(sum);
    } while (sum < kMaxInsulationThickness);
    return t;
  }();
  return thicknesses;
}

class StepSearch {
 public:
  StepSearch(CalcContext& c, int insulation, float required, float hi, float he)
      : c_(c), insulation_(insulation), required_(required), hi_(hi), he_(he) {}

  ThicknessStep Find() {
    const int last = LastStep();
    int found = 0;
    if (insulation_ < 1 || insulation_ > c_.s.n) {
      // No layer of the element is the insulation: every step gives the same total.
      if (!(Evaluate(1) < required_)) found = 1;
    } else if (Bounded()) {
      // Runs of growing length from the first step: a thin insulation is found
      // after a few runs, a thick one after a few more.
      for (int a = 1, length = kWalkedRun; a < last && found == 0; length *= 2) {
        const int b = std::min(a + length - 1, last - 1);
        found = FirstIn(a, b);
        a = b + 1;
      }
    } else {
      for (int k = 1; k < last && found == 0; ++k)
        if (!(Evaluate(k) < required_)) found = k;
    }
    if (found == 0) found = last;
    ThicknessStep step;
    step.step = found;
    step.thickness = StepThickness(found);
    step.total = found == evaluated_ ? total_ : Evaluate(found);
    return step;
  }

 private:
  float Evaluate(int k) {
    evaluated_ = k;
    total_ = ResistanceAtStep(c_, insulation_, k, hi_, he_);
    return total_;
  }

  // Whether the terms of the total move as the bound needs.
  bool Bounded() {
    const CalcInputs& in = c_.in;
    const LayerStack& s = c_.s;
    if (!(in.IsPipe() || in.IsSphere()) || insulation_ < 1 || insulation_ > s.n) return false;
    Evaluate(1);
    if (!(s.r[insulation_ - 1] > 0) || !std::isfinite(s.r[insulation_ - 1])) return false;
    for (int i = insulation_; i <= s.n; ++i) {
      if (s.resistanceComputed[i] && !(s.k[i] > 0 && std::isfinite(s.k[i]))) return false;
      if (i > insulation_ && !(s.e[i] >= 0)) return false;
    }
    if (in.IsBuried()) {
      const float soil = in.soilMode == 1 ? c_.buried.soilConductivity : in.soilConductivity;
      if (!in.IsInBox() && !(soil > 0)) return false;
      if (in.IsInBox() && in.boxMode == 0 && !(in.boxConductivity > 0)) return false;
    }
    return true;
  }

  // The first step of a..b whose total is not below the requirement, or 0.
  int FirstIn(int a, int b) {
    if (b - a < kWalkedRun) {
      for (int k = a; k <= b; ++k)
        if (!(Evaluate(k) < required_)) return k;
      return 0;
    }
    if (Bound(a, b) < required_) return 0;
    const int middle = a + (b - a) / 2;
    if (const int k = FirstIn(a, middle)) return k;
    return FirstIn(middle + 1, b);
  }

  // No step of a..b has a greater total than this (see the top of the file);
  // not a number when a term is not finite, which passes nothing over.
  float Bound(int a, int b) {
    const CalcInputs& in = c_.in;
    const LayerStack& s = c_.s;
    Evaluate(a);
    const std::array<float, 11> Ra = s.R;
    const std::array<float, 7> ra = s.r;
    const float boxA = !in.IsInBox() ? 0.0f : in.boxMode == 2 ? in.boxResistance : c_.buried.boxResistance;
    Evaluate(b);
    float bound = 0;
    for (int i = 0; i <= s.n; ++i) {
      float term = Ra[i];
      if (i == insulation_)
        term = s.R[i];
      else if (i > insulation_ && s.resistanceComputed[i])
        term = CurvedLayerResistance(in.IsSphere(), s.k[i], ra[i - 1], s.r[i]);
      bound += term;
    }
    bound += boxA;
    bound += Ra[10];
    if (!std::isfinite(bound)) return std::numeric_limits<float>::quiet_NaN();
    return static_cast<float>(std::max(double(bound), 0.00001) * (1 + kBoundMargin));
  }

  CalcContext& c_;
  const int insulation_;
  const float required_, hi_, he_;
  int evaluated_ = 0;  // the step the arrays hold, 0 before any
  float total_ = 0;
};

}  // namespace

float StepThickness(int step) { return Thicknesses()[static_cast<size_t>(step)]; }

int LastStep() { return static_cast<int>(Thicknesses().size()) - 1; }

float ResistanceAtStep(CalcContext& c, int insulation, int step, float hi, float he) {
  c.s.e[insulation] = StepThickness(step);
  UpdateRadii(c.in, c.s);
  return c.Resistance(ResistanceMode::WithInsulation, insulation, hi, he);
}

ThicknessStep FindThicknessStep(CalcContext& c, int insulation, float required, float hi, float he) {
  return StepSearch(c, insulation, required, hi, he).Find();
}
