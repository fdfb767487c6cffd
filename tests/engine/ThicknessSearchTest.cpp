// SPDX-License-Identifier: GPL-3.0-or-later
// The search for the insulation thickness of pipes and spheres stops at the
// step the walk through every step stops at, with the same thickness, total
// and arrays, on elements whose resistance rises, falls before it rises (below
// the critical radius), flattens towards a limit (a sphere), or drops (a pipe
// that fills its box).
#include "engine/CalcContext.h"
#include "engine/LayerInputs.h"
#include "engine/SteppingThicknessSearch.h"
#include "engine/ThicknessSearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

struct Element {
  std::string name;
  std::function<CalcInputs()> make;
  float hi = 9, he = 10;
};

void PrintTo(const Element& element, std::ostream* os) { *os << element.name; }

CalcInputs PipeInAir(float diameter, std::vector<LayerInput> layers) {
  CalcInputs in;
  in.kind = GeometryKind::Pipe;
  in.thicknessTarget = true;
  in.condition = DesignCondition::Resistance;
  in.interiorDiameter = diameter;
  in.layerCount = static_cast<int>(layers.size());
  for (size_t i = 0; i < layers.size(); ++i) in.layers[i + 1] = layers[i];
  return in;
}

CalcInputs Sphere(float diameter, std::vector<LayerInput> layers) {
  CalcInputs in = PipeInAir(diameter, std::move(layers));
  in.kind = GeometryKind::Sphere;
  return in;
}

CalcInputs Buried(int placing, int boxMode, int soilMode) {
  CalcInputs in = PipeInAir(125, {Layer(4.8f, 0.17f), Layer(0, 0.043f, true), Layer(5.7f, 16)});
  in.pipePlacing = placing;
  in.boxMode = boxMode;
  in.boxSize = 280;
  in.boxConductivity = 0.1f;
  in.boxResistance = 0.25f;
  in.soilMode = soilMode;
  in.soilConductivity = 1.2f;
  in.depth = 0.8f;
  return in;
}

LayerInput ByResistance(float resistance, bool marked = false) {
  LayerInput layer = Layer(10, 1, marked);
  layer.resistanceEntered = true;
  layer.resistance = resistance;
  return layer;
}

std::vector<Element> Elements() {
  return {
      {"PipeInAir",
       [] {
         return PipeInAir(125, {Layer(4, 50), Layer(0, 0.04f, true)});
       }},
      {"ThinPipeBelowItsCriticalRadius", [] { return PipeInAir(6, {Layer(0, 0.2f, true)}); }, 5, 2},
      {"PipeWithCladdingOutside",
       [] {
         return PipeInAir(53.1f, {Layer(3, 50), Layer(0, 0.035f, true), Layer(0.6f, 200), Layer(2, 0.5f)});
       }},
      {"PipeWithNeglectedCoefficients", [] { return PipeInAir(250, {Layer(0, 0.04f, true)}); }, -1, -1},
      {"PipeWithGivenResistanceOutside",
       [] {
         return PipeInAir(21.6f, {Layer(0, 0.05f, true), ByResistance(0.3f)});
       },
       9, 4},
      {"PipeWhoseInsulationHasAGivenResistance", [] { return PipeInAir(125, {ByResistance(0.5f, true)}); }},
      {"PipeWithANegativeConductivityOutside",
       [] {
         return PipeInAir(125, {Layer(0, 0.04f, true), Layer(5, -0.5f)});
       }},
      {"Sphere", [] { return Sphere(1000, {Layer(0, 0.04f, true)}); }},
      {"SphereFlatteningWithinARounding",
       [] {
         return Sphere(20, {Layer(0, 5, true), Layer(2, 0.9f)});
       },
       9, 500},
      {"SmallSphereWithAShellOutside",
       [] {
         return Sphere(20, {Layer(0, 0.3f, true), Layer(1, 40)});
       },
       9, 3},
      {"BuriedPipe", [] { return Buried(2, 0, 0); }},
      {"BuriedPipeInCalculatedSoil", [] { return Buried(2, 0, 1); }},
      {"BuriedPipeInABox", [] { return Buried(3, 0, 0); }},
      {"BuriedPipeInABoxOfAir", [] { return Buried(3, 1, 0); }},
      {"BuriedPipeInABoxOfGivenResistance", [] { return Buried(3, 2, 1); }},
      // No layer marked: the steps leave the total as it is.
      {"PipeWithNoLayerMarked",
       [] {
         return PipeInAir(125, {Layer(4, 50), Layer(30, 0.04f)});
       }},
      {"BuriedPipeWithNoLayerMarked",
       [] {
         CalcInputs in = Buried(3, 0, 1);
         in.layers[2].marked = false;
         return in;
       }},
  };
}

struct Context {
  explicit Context(const CalcInputs& in) : c(in, outcome) {
    insulation = ReadLayers(c.in, c.s);
    UpdateRadii(c.in, c.s);
  }
  CalcOutcome outcome;
  CalcContext c;
  int insulation = 0;
};

// The same bits: a figure that is not a number equals itself.
template <typename T>
bool Same(const T& a, const T& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

void ExpectSameStop(const Element& element, float required) {
  Context walked(element.make()), searched(element.make());
  const ThicknessStep w = SteppingThicknessSearch(walked.c, walked.insulation, required, element.hi, element.he);
  const ThicknessStep s = FindThicknessStep(searched.c, searched.insulation, required, element.hi, element.he);
  SCOPED_TRACE(element.name + ": required " + std::to_string(required) + ", the walk stops at step " +
               std::to_string(w.step));
  ASSERT_EQ(s.step, w.step);
  EXPECT_TRUE(Same(s.thickness, w.thickness));
  EXPECT_TRUE(Same(s.total, w.total));
  EXPECT_TRUE(Same(searched.c.s.e, walked.c.s.e));
  EXPECT_TRUE(Same(searched.c.s.r, walked.c.s.r));
  EXPECT_TRUE(Same(searched.c.s.R, walked.c.s.R));
  EXPECT_TRUE(Same(searched.c.buried.boxResistance, walked.c.buried.boxResistance));
  EXPECT_TRUE(Same(searched.c.buried.soilConductivity, walked.c.buried.soilConductivity));
}

// The total resistance of the element at step k.
float TotalAt(const Element& element, int k) {
  Context x(element.make());
  return ResistanceAtStep(x.c, x.insulation, k, element.hi, element.he);
}

class SearchOf : public ::testing::TestWithParam<Element> {
 protected:
  float TotalAt(int k) { return ::TotalAt(GetParam(), k); }
  void ExpectSameStop(float required) { ::ExpectSameStop(GetParam(), required); }
};

// Requirements equal to the total of a step, and one place of a float either
// side of it, where a search that misjudges a run by a rounding stops a step
// early or late.
TEST_P(SearchOf, StopsWhereTheWalkStopsAtTheTotalOfAStep) {
  const int last = LastStep();
  for (int k : {1, 2, 3, 7, 8, 19, 64, 100, 331, 1000, 2718, 9999, 25000, last - 7, last - 1, last}) {
    const float total = TotalAt(k);
    for (float required : {total, std::nextafter(total, -INFINITY), std::nextafter(total, INFINITY)})
      ExpectSameStop(required);
  }
}

// Requirements across the range the element's total runs through, and ones
// no step meets or every step meets.
TEST_P(SearchOf, StopsWhereTheWalkStopsAcrossTheRange) {
  const float low = std::min(TotalAt(1), TotalAt(LastStep())), high = std::max(TotalAt(1), TotalAt(LastStep()));
  for (int i = 0; i <= 24; ++i) ExpectSameStop(static_cast<float>(low + (high - low) * (i / 24.0)));
  for (float required :
       {0.0f, -1.0f, 0.00001f, 1e6f, std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()})
    ExpectSameStop(required);
}

// Requirements at each step whose total is above the next one's: where a
// pipe fills its box, below the critical radius, and where roundings make a
// flat total waver. A bound that takes a term at the wrong end of a run passes
// such a step over.
TEST_P(SearchOf, StopsWhereTheWalkStopsAtTheStepsBeforeAFall) {
  const int last = LastStep();
  Context x(GetParam().make());
  std::vector<float> totals(static_cast<size_t>(last) + 1);
  for (int k = 1; k <= last; ++k) totals[k] = ResistanceAtStep(x.c, x.insulation, k, GetParam().hi, GetParam().he);
  std::vector<int> falls;
  for (int k = 1; k < last; ++k)
    if (totals[k] > totals[k + 1]) falls.push_back(k);
  const size_t tried = std::min<size_t>(falls.size(), 40);
  for (size_t i = 0; i < tried; ++i) {
    const float total = totals[falls[i * falls.size() / tried]];
    ExpectSameStop(total);
    ExpectSameStop(std::nextafter(total, -INFINITY));
  }
}

INSTANTIATE_TEST_SUITE_P(Elements, SearchOf, ::testing::ValuesIn(Elements()),
                         [](const ::testing::TestParamInfo<Element>& info) { return info.param.name; });

// Elements drawn at random, with values no field check lets through among
// them (conductivities and radii of 0, negative, not a number or infinite):
// where the bound cannot be trusted the search walks, and stops where the walk
// stops in every case.
TEST(SearchOfRandomElements, StopsWhereTheWalkStops) {
  std::mt19937 rng(20);
  auto unit = [&] { return std::uniform_real_distribution<double>(0, 1)(rng); };
  auto logUniform = [&](double low, double high) { return static_cast<float>(low * std::pow(high / low, unit())); };
  auto wild = [&](float usual) {
    const float values[] = {0.0f, -0.5f, NAN, INFINITY, 1e-30f, 1e30f};
    return unit() < 0.1 ? values[rng() % 6] : usual;
  };
  for (int n = 0; n < 300; ++n) {
    std::vector<LayerInput> layers;
    const int count = 1 + static_cast<int>(rng() % 4), marked = static_cast<int>(rng() % count);
    for (int i = 0; i < count; ++i) {
      LayerInput layer = Layer(wild(logUniform(0.5, 200)), wild(logUniform(0.02, 60)), i == marked);
      if (unit() < 0.05) layer = ByResistance(wild(logUniform(0.01, 2)), i == marked);
      layers.push_back(layer);
    }
    const float diameter = wild(logUniform(5, 2000));
    const int kind = static_cast<int>(rng() % 5);
    CalcInputs in = kind == 4 ? Sphere(diameter, layers) : PipeInAir(diameter, layers);
    if (kind >= 2 && kind < 4) {
      in.pipePlacing = kind;
      in.boxMode = static_cast<int>(rng() % 3);
      in.boxSize = wild(logUniform(50, 3000));
      in.boxConductivity = wild(logUniform(0.02, 3));
      in.boxResistance = wild(logUniform(0.01, 2));
      in.soilMode = static_cast<int>(rng() % 2);
      in.soilConductivity = wild(logUniform(0.3, 3));
      in.soilDensity = wild(logUniform(1000, 2500));
      in.depth = wild(logUniform(0.1, 5));
    }
    const Element element{"random element " + std::to_string(n), [in] { return in; }, wild(logUniform(1, 50)),
                          unit() < 0.1 ? -1.0f : wild(logUniform(0.5, 100))};
    const float total = TotalAt(element, 1 + static_cast<int>(rng() % LastStep()));
    for (float required : {total, std::nextafter(total, -INFINITY), static_cast<float>(total * (0.5 + unit()))})
      ExpectSameStop(element, required);
  }
}

TEST(ThicknessSteps, AreTheRunningSumOfTenthsOfAMillimetreUpTo5Metres) {
  float t = 0;
  for (int k = 1; k <= LastStep(); ++k) {
    t += 0.1f;
    ASSERT_EQ(StepThickness(k), t) << "step " << k;
  }
  EXPECT_GE(StepThickness(LastStep()), 5000.0f);
  EXPECT_LT(StepThickness(LastStep() - 1), 5000.0f);
}

}  // namespace
