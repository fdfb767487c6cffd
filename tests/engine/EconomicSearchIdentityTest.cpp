// SPDX-License-Identifier: GPL-3.0-or-later
// The economic search that passes over runs of falling costs stops where the
// search that works out every step stops, with the same figures and messages,
// on elements of every kind with given, neglected and calculated coefficients:
// least costs near the bare element, a few centimetres out, and past 5 m.
#include "engine/CalcOutcome.h"
#include "engine/LayerInputs.h"
#include "engine/OutcomeFingerprint.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>

namespace {

class Draw {
 public:
  explicit Draw(std::uint32_t seed) : rng_(seed) {}
  double Uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(rng_); }
  // Spread over the decades between low and high.
  float Spread(double low, double high) { return static_cast<float>(low * std::pow(high / low, Uniform(0, 1))); }
  int Choice(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  bool OneIn(int n) { return Choice(n) == 0; }

 private:
  std::mt19937 rng_;
};

// An economic thickness of any element. The cost of the insulation may fall
// as it grows, or barely rise, so that many searches run far. With
// `exteriorFollows`, the exterior coefficient is calculated from the surface
// temperature (and the element is not buried).
CalcInputs EconomicCase(Draw& d, bool exteriorFollows = false) {
  CalcInputs in;
  in.thicknessTarget = true;
  in.condition = DesignCondition::Economic;
  switch (d.Choice(6)) {
    case 0: in.kind = GeometryKind::Plate; break;
    case 1:
      in.kind = GeometryKind::Pipe;
      in.pipePlacing = d.Choice(2);
      break;
    case 2:
      in.kind = GeometryKind::Pipe;
      in.pipePlacing = 2 + d.Choice(2);
      break;
    case 3: in.kind = GeometryKind::Sphere; break;
    case 4:
      in.kind = GeometryKind::Special;
      in.specialVariant = 0;
      break;
    default:
      in.kind = GeometryKind::Special;
      in.specialVariant = 1 + d.Choice(2);
      break;
  }
  in.plateOrientation = d.Choice(3);
  in.surroundings = d.Choice(2);
  // Calculated coefficients one time in four: their searches are walked.
  auto mode = [&d] {
    const int m = d.Choice(8);
    return m < 5 ? SurfaceCoefMode::Impose : m < 6 ? SurfaceCoefMode::Neglect : SurfaceCoefMode::Calculate;
  };
  in.interiorMode = mode();
  in.exteriorMode = mode();
  if (exteriorFollows) {
    in.exteriorMode = SurfaceCoefMode::Calculate;
    if (in.IsBuried()) in.pipePlacing = d.Choice(2);
    if (in.IsSphere()) in.kind = GeometryKind::Pipe;
    in.exteriorEmission = static_cast<float>(d.Uniform(0, 1));
    in.exteriorLength = d.Spread(0.1, 10);
    in.ductWidth = d.Spread(0.1, 3);
    in.interiorHeight = d.Spread(0.1, 3);
    in.Te = static_cast<float>(d.Uniform(-20, 45));
    // Cold elements too, whose surface lies below the air's temperature.
    if (d.OneIn(3)) in.Ti = static_cast<float>(d.Uniform(-50, in.Te));
  }
  in.Ti = static_cast<float>(d.Uniform(-30, 300));
  in.Te = static_cast<float>(d.Uniform(-20, 45));
  in.soilTemperature = static_cast<float>(d.Uniform(0, 20));
  in.interiorCoef = d.Spread(2, 3000);
  in.exteriorCoef = d.Spread(2, 60);
  in.interiorVelocity = d.Spread(0.1, 5);
  in.exteriorVelocity = d.Spread(0.1, 10);
  in.interiorDiameter = d.Spread(6, 3000);
  in.depth = d.Spread(0.3, 20);
  in.boxSize = d.Spread(100, 3000);
  in.boxMode = d.Choice(3);
  in.boxResistance = d.Spread(0.01, 2);
  in.soilConductivity = d.Spread(0.3, 3);
  in.layerCount = 1 + d.Choice(4);
  // Now and then no layer is marked: every step then has the bare element's flow.
  const int marked = d.OneIn(6) ? 0 : 1 + d.Choice(in.layerCount);
  for (int i = 1; i <= in.layerCount; ++i) {
    in.layers[i] =
        Layer(i == marked ? 0 : d.Spread(0.5, 60), i == marked ? d.Spread(0.02, 0.2) : d.Spread(0.02, 60), i == marked);
    if (d.OneIn(8)) {
      in.layers[i].conductivityEntered = false;
      in.layers[i].resistanceEntered = true;
      in.layers[i].resistance = d.Spread(0.01, 2);
    }
  }
  in.inflation = static_cast<float>(d.Uniform(0, 10));
  in.opportunity = static_cast<float>(d.Uniform(0, 10));
  in.lifeYears = static_cast<float>(1 + d.Choice(40));
  in.hoursPerYear = static_cast<float>(d.Uniform(100, 8760));
  in.energyCost = d.Spread(0.005, 2);
  in.thickness1 = static_cast<float>(d.Uniform(10, 100));
  in.cost1 = static_cast<float>(d.Uniform(1, 80));
  in.thickness2 = in.thickness1 + static_cast<float>(d.Uniform(5, 100));
  switch (d.Choice(4)) {
    case 0: in.cost2 = in.cost1 * static_cast<float>(d.Uniform(0.2, 1)); break;   // cheaper when thicker
    case 1: in.cost2 = in.cost1 + static_cast<float>(d.Uniform(0, 0.01)); break;  // barely dearer
    default: in.cost2 = in.cost1 * static_cast<float>(d.Uniform(1, 3)); break;
  }
  return in;
}

TEST(EconomicSearchIdentity, PassingOverFallingRunsStopsWhereEveryStepStops) {
  constexpr int kCases = 3000;
  Draw d(20261210);
  int passedOver = 0, pastFiveMetres = 0, nearTheBareElement = 0;
  for (int n = 0; n < kCases; ++n) {
    const CalcInputs in = EconomicCase(d);
    const CalcOutcome fast = Calculate(in, FindThicknessStep, EconomicSteps::PassOverFallingRuns);
    const CalcOutcome walked = Calculate(in, FindThicknessStep, EconomicSteps::WorkOutEvery);
    ASSERT_EQ(Fingerprint(fast).Text(), Fingerprint(walked).Text()) << "case " << n;
    passedOver += fast.evaluations * 4 < walked.evaluations;
    if (walked.economic) {
      pastFiveMetres += walked.economicOutcome.thickness >= 5000;
      nearTheBareElement += walked.economicOutcome.thickness < 1;
    }
  }
  // The runs are passed over in many searches, and the searches end
  // everywhere: at the first steps, at 5 m, and in between.
  EXPECT_GT(passedOver, kCases / 10);
  EXPECT_GT(pastFiveMetres, kCases / 50);
  EXPECT_GT(nearTheBareElement, kCases / 50);
}

// When the exterior coefficient follows the surface temperature, each step
// works with the coefficient the step before left; the runs passed over must
// still land on exactly the step, coefficient and figures of the walk: hot
// and cold elements, natural and forced convection, runs that cross the
// switch between laminar and turbulent flow.
TEST(EconomicSearchIdentity, FollowingExteriorCoefficientStopsWhereEveryStepStops) {
  constexpr int kCases = 2500;
  Draw d(771203);
  int passedOver = 0, farReaching = 0;
  for (int n = 0; n < kCases; ++n) {
    const CalcInputs in = EconomicCase(d, true);
    const CalcOutcome fast = Calculate(in, FindThicknessStep, EconomicSteps::PassOverFallingRuns);
    const CalcOutcome walked = Calculate(in, FindThicknessStep, EconomicSteps::WorkOutEvery);
    ASSERT_EQ(Fingerprint(fast).Text(), Fingerprint(walked).Text()) << "case " << n;
    passedOver += fast.evaluations * 4 < walked.evaluations;
    farReaching += walked.economic && walked.economicOutcome.thickness >= 100;
  }
  EXPECT_GT(passedOver, farReaching / 2);
  EXPECT_GT(farReaching, kCases / 10);
}

// A plate whose interior coefficient follows its interior surface: the runs
// land on the walk's step and coefficient whatever the orientation, the
// height of the plate, the emission, warm or cold inside, the exterior
// coefficient given or neglected.
TEST(EconomicSearchIdentity, FollowingInteriorCoefficientStopsWhereEveryStepStops) {
  constexpr int kCases = 1500;
  Draw d(40417);
  int passedOver = 0, farReaching = 0;
  for (int n = 0; n < kCases; ++n) {
    CalcInputs in = EconomicCase(d);
    in.kind = GeometryKind::Plate;
    in.interiorMode = SurfaceCoefMode::Calculate;
    in.exteriorMode = d.OneIn(6) ? SurfaceCoefMode::Neglect : SurfaceCoefMode::Impose;
    in.interiorEmission = static_cast<float>(d.Uniform(0, 1));
    in.interiorHeight = d.Spread(0.1, 10);
    in.Te = static_cast<float>(d.Uniform(-20, 45));
    if (d.OneIn(3)) in.Ti = static_cast<float>(d.Uniform(-50, in.Te));
    const CalcOutcome fast = Calculate(in, FindThicknessStep, EconomicSteps::PassOverFallingRuns);
    const CalcOutcome walked = Calculate(in, FindThicknessStep, EconomicSteps::WorkOutEvery);
    ASSERT_EQ(Fingerprint(fast).Text(), Fingerprint(walked).Text()) << "case " << n;
    passedOver += fast.evaluations * 4 < walked.evaluations;
    farReaching += walked.economic && walked.economicOutcome.thickness >= 100;
  }
  EXPECT_GT(passedOver, farReaching / 2);
  EXPECT_GT(farReaching, kCases / 10);
}

// Insulation that costs less the thicker it is takes the search to 5 m,
// through the thickness where the convection of the surface that follows
// switches between its laminar and its turbulent correlation and consecutive
// steps may take them in turn. The runs cross that switch: the search must
// still stop where every step stops, and pass over most steps.
struct SwitchingSurface {
  const char* name;
  GeometryKind kind;
  int placing;       // a pipe's placing, or a plate's orientation
  bool interior;     // the interior coefficient follows, else the exterior one
  int surroundings;  // 0 still air, 1 moving air
};

class RunsAcrossTheFlowSwitch : public testing::TestWithParam<SwitchingSurface> {};

TEST_P(RunsAcrossTheFlowSwitch, StopWhereEveryStepStops) {
  const SwitchingSurface& surface = GetParam();
  constexpr int kCases = 64;
  Draw d(9301 + 17 * surface.placing + 5 * surface.surroundings + (surface.interior ? 1 : 0));
  int passedOver = 0, farReaching = 0;
  for (int n = 0; n < kCases; ++n) {
    CalcInputs in = EconomicCase(d);
    in.kind = surface.kind;
    in.pipePlacing = surface.placing;
    in.plateOrientation = surface.placing;
    in.surroundings = surface.surroundings;
    in.interiorMode = surface.interior ? SurfaceCoefMode::Calculate : SurfaceCoefMode::Impose;
    in.exteriorMode = surface.interior ? SurfaceCoefMode::Impose : SurfaceCoefMode::Calculate;
    in.interiorEmission = in.exteriorEmission = static_cast<float>(d.Uniform(0, 1));
    in.interiorHeight = d.Spread(0.5, 5);
    in.exteriorLength = d.Spread(0.5, 5);
    in.exteriorVelocity = d.Spread(0.001, 0.1);
    in.interiorDiameter = d.Spread(10, 500);
    in.Ti = static_cast<float>(d.Uniform(-40, 250));
    in.Te = static_cast<float>(d.Uniform(-20, 40));
    in.cost2 = in.cost1 * static_cast<float>(d.Uniform(0.01, 0.9));
    const CalcOutcome fast = Calculate(in, FindThicknessStep, EconomicSteps::PassOverFallingRuns);
    const CalcOutcome walked = Calculate(in, FindThicknessStep, EconomicSteps::WorkOutEvery);
    ASSERT_EQ(Fingerprint(fast).Text(), Fingerprint(walked).Text()) << surface.name << ", case " << n;
    if (walked.economic && walked.economicOutcome.thickness >= 100) {
      ++farReaching;
      passedOver += fast.evaluations * 10 < walked.evaluations;
    }
  }
  EXPECT_GT(farReaching, kCases / 4) << surface.name;
  EXPECT_GT(passedOver, farReaching * 3 / 4) << surface.name;
}

INSTANTIATE_TEST_SUITE_P(
    Surfaces, RunsAcrossTheFlowSwitch,
    testing::Values(SwitchingSurface{"vertical pipe in still air", GeometryKind::Pipe, 0, false, 0},
                    SwitchingSurface{"horizontal pipe in still air", GeometryKind::Pipe, 1, false, 0},
                    SwitchingSurface{"pipe in slowly moving air", GeometryKind::Pipe, 1, false, 1},
                    SwitchingSurface{"vertical wall", GeometryKind::Plate, 0, false, 0},
                    SwitchingSurface{"roof, warm side above", GeometryKind::Plate, 1, false, 0},
                    SwitchingSurface{"floor, warm side below", GeometryKind::Plate, 2, false, 0},
                    SwitchingSurface{"vertical wall, interior", GeometryKind::Plate, 0, true, 0},
                    SwitchingSurface{"roof, interior", GeometryKind::Plate, 1, true, 0},
                    SwitchingSurface{"floor, interior", GeometryKind::Plate, 2, true, 0}));

// Buried pipes pass over runs too, with the soil's term or the box's moving
// with the outer radius: the runs must stop short of the step that no longer
// fits the box or the depth, where the search ends and says so. Shallow pipes
// and small boxes of every kind (material, air, given resistance), soil
// conductivities given and calculated, exterior coefficients calculated
// though the soil makes the exterior term.
TEST(EconomicSearchIdentity, BuriedPipesStopWhereEveryStepStops) {
  constexpr int kCases = 1500;
  Draw d(5091);
  int passedOver = 0, beyondTheirPlace = 0, farReaching = 0;
  for (int n = 0; n < kCases; ++n) {
    CalcInputs in = EconomicCase(d);
    in.kind = GeometryKind::Pipe;
    in.pipePlacing = 2 + d.Choice(2);
    in.interiorDiameter = d.Spread(6, 600);
    const float outside = static_cast<float>(0.001 * in.interiorDiameter);
    in.boxSize = 1000 * outside * static_cast<float>(d.Uniform(1.1, 8));
    in.depth = outside * static_cast<float>(d.Uniform(0.6, 30));
    in.soilMode = d.Choice(2);
    in.soilDensity = d.Spread(1000, 2500);
    in.soilHumidity = static_cast<float>(d.Uniform(0, 40));
    in.boxConductivity = d.Spread(0.05, 3);
    if (d.OneIn(3)) in.exteriorMode = SurfaceCoefMode::Calculate;
    const CalcOutcome fast = Calculate(in, FindThicknessStep, EconomicSteps::PassOverFallingRuns);
    const CalcOutcome walked = Calculate(in, FindThicknessStep, EconomicSteps::WorkOutEvery);
    ASSERT_EQ(Fingerprint(fast).Text(), Fingerprint(walked).Text()) << "case " << n;
    passedOver += fast.evaluations * 4 < walked.evaluations;
    for (const CalcMessage& m : walked.Messages())
      beyondTheirPlace += m.id == MessageId::PipeOutgrowsBox || m.id == MessageId::PipeAboveGround;
    farReaching += walked.economic && walked.economicOutcome.thickness >= 100;
  }
  EXPECT_GT(passedOver, kCases / 10);
  EXPECT_GT(beyondTheirPlace, kCases / 20);
  EXPECT_GT(farReaching, kCases / 20);
}

}  // namespace
