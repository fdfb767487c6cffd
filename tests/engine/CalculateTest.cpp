// SPDX-License-Identifier: GPL-3.0-or-later
// The engine on its own: inputs in, an outcome out, with no window behind it.
#include "engine/CalcOutcome.h"
#include "engine/LayerInputs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

// A wall of 100 mm of insulation (0.04) and 200 mm of brick (1.0), 25 ºC
// inside with hi = 9, 10 ºC outside with he = 16.
CalcInputs Wall() {
  CalcInputs in;
  in.layerCount = 2;
  in.layers[1] = Layer(100, 0.04f, true);
  in.layers[2] = Layer(200, 1.0f);
  return in;
}

std::vector<CalcEvent::Kind> Kinds(const CalcOutcome& outcome) {
  std::vector<CalcEvent::Kind> kinds;
  for (const CalcEvent& event : outcome.events) kinds.push_back(event.kind);
  return kinds;
}

TEST(Calculate, HeatFlowOfAWallFollowsItsResistancesAndItsTemperaturesFall) {
  const CalcOutcome outcome = Calculate(Wall());
  ASSERT_TRUE(outcome.hasResults);
  EXPECT_EQ(Kinds(outcome), std::vector<CalcEvent::Kind>{CalcEvent::Kind::Results});
  EXPECT_FALSE(outcome.absurdData);
  const Results& r = outcome.results;
  const double R = 1.0 / 9 + 2.5 + 0.2 + 1.0 / 16;
  EXPECT_NEAR(r.resistanceTotal, R, 1e-5);
  EXPECT_NEAR(r.heatFlow, 15 / R, 1e-4);
  EXPECT_NEAR(r.temperatures[0], 25 - 15 / R / 9, 1e-4);
  for (int i = 1; i <= 2; ++i) {
    EXPECT_LT(r.temperatures[i], r.temperatures[i - 1]);
  }
  EXPECT_NEAR(r.temperatures[2], 10 + 15 / R / 16, 1e-4);
  // The chart runs from the interior to the exterior temperature.
  ASSERT_FALSE(r.profile.isEmpty());
  EXPECT_DOUBLE_EQ(r.profile.front().y(), 25);
  EXPECT_DOUBLE_EQ(r.profile.back().y(), 10);
}

TEST(Calculate, ARefusedHeatFlowGivesTheBareElementsLineBeforeItsWarningAndNoResults) {
  CalcInputs in = Wall();
  in.thicknessTarget = true;
  in.condition = DesignCondition::HeatFlow;
  in.wantedHeatFlow = 1000;  // far above what the bare wall lets through
  const CalcOutcome outcome = Calculate(in);
  EXPECT_FALSE(outcome.hasResults);
  ASSERT_EQ(Kinds(outcome), (std::vector<CalcEvent::Kind>{CalcEvent::Kind::BareElementLine, CalcEvent::Kind::Message}));
  const BareElementLine& line = outcome.events[0].line;
  EXPECT_EQ(line.slot, BareElementLine::Slot::HeatFlow);
  EXPECT_EQ(line.caption, "Flujo de calor máximo: ");
  EXPECT_EQ(line.unit, "W/m2");
  EXPECT_NEAR(line.value, 15 / (1.0 / 9 + 0.2 + 1.0 / 16), 1e-3);
  const CalcMessage& message = outcome.events[1].message;
  EXPECT_EQ(message.caption, "Atención");
  EXPECT_FALSE(message.absurd);
  EXPECT_FALSE(outcome.absurdData);
}

TEST(Calculate, WarningsAboutTheResultsComeAfterThemAndRaiseTheAbsurdDataFlag) {
  // A buried pipe whose insulated radius reaches above the ground.
  CalcInputs in;
  in.kind = GeometryKind::Pipe;
  in.pipePlacing = 2;
  in.interiorDiameter = 500;
  in.depth = 0.2f;
  in.layers[1] = Layer(50, 0.04f, true);
  const CalcOutcome outcome = Calculate(in);
  ASSERT_EQ(Kinds(outcome), (std::vector<CalcEvent::Kind>{CalcEvent::Kind::Results, CalcEvent::Kind::Message}));
  EXPECT_TRUE(outcome.events[1].message.absurd);
  EXPECT_TRUE(outcome.absurdData);
  EXPECT_TRUE(outcome.figures.soilCalculated == (in.soilMode == 1));
}

TEST(Calculate, CalculatedCoefficientsAreKeptAsFiguresWithTheirRegime) {
  CalcInputs in = Wall();
  in.interiorMode = SurfaceCoefMode::Calculate;
  in.exteriorMode = SurfaceCoefMode::Neglect;
  const CalcOutcome outcome = Calculate(in);
  const EngineFigures& f = outcome.figures;
  EXPECT_TRUE(f.interiorCalculated);
  EXPECT_FALSE(f.exteriorCalculated);
  EXPECT_GT(f.interiorConvection, 0);
  EXPECT_GT(f.interiorRadiation, 0);
  EXPECT_NEAR(outcome.results.interiorCoef, f.interiorConvection + f.interiorRadiation, 1e-3);
  // A neglected coefficient adds no surface resistance.
  EXPECT_EQ(outcome.results.resistances[10], 0);

  // An imposed coefficient reports the regime the previous run left.
  CalcInputs again = Wall();
  again.interiorLaminar = true;
  EXPECT_TRUE(Calculate(again).interiorLaminar);
}

TEST(Calculate, TheEconomicThicknessFillsTheEconomicOutcome) {
  CalcInputs in = Wall();
  in.thicknessTarget = true;
  in.condition = DesignCondition::Economic;
  in.Ti = 150;
  const CalcOutcome outcome = Calculate(in);
  ASSERT_TRUE(outcome.hasResults);
  ASSERT_TRUE(outcome.economic);
  EXPECT_GT(outcome.economicOutcome.thickness, 0);
  EXPECT_FLOAT_EQ(outcome.economicOutcome.thickness, outcome.results.insulationThickness);
  EXPECT_TRUE(std::isfinite(outcome.economicOutcome.cost));
}

}  // namespace

namespace {

// A wall layer of no conductivity has an infinite resistance: no insulation
// is the best solution ("Datos absurdos, ..."), and the economic panel of the
// search's last step must not show the infinite figures.
TEST(Calculate, AnAbsurdEconomicRunShowsNoFigureThatIsNotFinite) {
  CalcInputs in;
  in.kind = GeometryKind::Sphere;
  in.interiorDiameter = 1000;
  in.layerCount = 2;
  in.layers[1] = Layer(10, 0);
  in.layers[2] = Layer(0, 0.04f, true);
  in.Ti = 150;
  in.thicknessTarget = true;
  in.condition = DesignCondition::Economic;
  const CalcOutcome outcome = Calculate(in);
  EXPECT_TRUE(outcome.absurdData);
  if (outcome.economic) {
    const EconomicOutcome& o = outcome.economicOutcome;
    for (double figure : {double(o.cost), double(o.investment), double(o.heatFlow), double(o.resistance)}) {
      EXPECT_TRUE(std::isfinite(figure));
    }
  }
}

}  // namespace

namespace {

// Each kind of refusal or absurd result carries its own identifier, so that
// the window, the tools and the tests tell them apart without reading them.
struct RefusalCase {
  const char* name;
  std::function<void(CalcInputs&)> setup;
  std::vector<MessageId> expected;
};

class CalculationMessages : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(CalculationMessages, CarryTheIdentifierOfTheirKind) {
  CalcInputs in = Wall();
  in.thicknessTarget = true;
  in.condition = DesignCondition::HeatFlow;
  GetParam().setup(in);
  std::vector<MessageId> ids;
  for (const CalcMessage& m : Calculate(in).Messages()) ids.push_back(m.id);
  EXPECT_EQ(ids, GetParam().expected);
}

void PipeInAir(CalcInputs& in) {
  in.kind = GeometryKind::Pipe;
  in.layerCount = 1;
  in.layers[1] = Layer(30, 0.04f, true);
}

INSTANTIATE_TEST_SUITE_P(
    Engine, CalculationMessages,
    ::testing::Values(RefusalCase{"BareWallAlreadyBelowTheFlow",
                                  [](CalcInputs& in) { in.wantedHeatFlow = 1000; },
                                  {MessageId::ConditionMetWithoutInsulation}},
                      RefusalCase{
                          "EqualTemperatures", [](CalcInputs& in) { in.Te = in.Ti; }, {MessageId::EqualTemperatures}},
                      RefusalCase{"TankWithACondition",
                                  [](CalcInputs& in) {
                                    in.kind = GeometryKind::Special;
                                    in.specialVariant = 1;
                                  },
                                  {MessageId::ConditionNotForElement}},
                      RefusalCase{"EconomicWithOneCostPoint",
                                  [](CalcInputs& in) {
                                    in.condition = DesignCondition::Economic;
                                    in.thickness2 = in.thickness1;
                                  },
                                  {MessageId::EconomicCostPointsEqual}},
                      RefusalCase{"SurfaceTemperatureOutsideTheRange",
                                  [](CalcInputs& in) {
                                    in.condition = DesignCondition::ExteriorSurfaceTemperature;
                                    in.wantedExteriorSurface = 40;
                                  },
                                  {MessageId::ConditionOutOfRange}},
                      RefusalCase{"SurfaceConditionWithItsCoefficientNeglected",
                                  [](CalcInputs& in) {
                                    in.condition = DesignCondition::ExteriorSurfaceTemperature;
                                    in.exteriorMode = SurfaceCoefMode::Neglect;
                                    in.exteriorCoef = -1;
                                  },
                                  {MessageId::SurfaceCoefficientNeglected}},
                      RefusalCase{"ColderOutsideNeverCondensesThere",
                                  [](CalcInputs& in) { in.condition = DesignCondition::NoExteriorCondensation; },
                                  {MessageId::NeverCondenses}},
                      RefusalCase{"WaterAboveFreezingOutside",
                                  [](CalcInputs& in) {
                                    PipeInAir(in);
                                    in.condition = DesignCondition::FreezingTime;
                                    in.Te = 5;
                                  },
                                  {MessageId::NeverFreezes}},
                      RefusalCase{"MoreThanFiveMetres",
                                  [](CalcInputs& in) { in.wantedHeatFlow = 0.001f; },
                                  {MessageId::InsulationOverFiveMetres}},
                      RefusalCase{"BuriedPipeAboveTheGround",
                                  [](CalcInputs& in) {
                                    PipeInAir(in);
                                    in.thicknessTarget = false;
                                    in.condition = DesignCondition::None;
                                    in.pipePlacing = 2;
                                    in.interiorDiameter = 500;
                                    in.depth = 0.2f;
                                  },
                                  {MessageId::PipeAboveGround}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
