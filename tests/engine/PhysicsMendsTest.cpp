// SPDX-License-Identifier: GPL-3.0-or-later
// Figures that a check by hand, or a textbook, pins down.
#include "engine/CalcOutcome.h"
#include "engine/LayerInputs.h"
#include "engine/ResultFigures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A horizontal pipe, 102 mm inside, 6 mm of steel (50 W/mºC) and insulation
// of 0.04 W/mºC; 150 ºC inside (hi neglected), 20 ºC outside with he = 10.
CalcInputs HotPipe() {
  CalcInputs in;
  in.kind = GeometryKind::Pipe;
  in.pipePlacing = 1;
  in.interiorDiameter = 102;
  in.layerCount = 2;
  in.layers[1] = Layer(6, 50);
  in.layers[2] = Layer(0, 0.04f, true);
  in.Ti = 150;
  in.Te = 20;
  in.interiorMode = SurfaceCoefMode::Neglect;
  in.exteriorCoef = 10;
  return in;
}

// The same project calculated for its heat flow with the insulation at `thickness`.
CalcOutcome WithThickness(CalcInputs in, float thickness) {
  in.thicknessTarget = false;
  in.condition = DesignCondition::None;
  for (LayerInput& layer : in.layers)
    if (layer.marked) layer.thickness = thickness;
  return Calculate(in);
}

TEST(PhysicsMends, AnExteriorSurfaceTemperatureIsMetOnThePipeThatWasFound) {
  CalcInputs in = HotPipe();
  in.thicknessTarget = true;
  in.condition = DesignCondition::ExteriorSurfaceTemperature;
  in.wantedExteriorSurface = 30;
  const CalcOutcome outcome = Calculate(in);
  ASSERT_TRUE(outcome.hasResults) << (outcome.events.empty() ? "" : outcome.events[0].message.text.toStdString());
  const Results& r = outcome.results;
  EXPECT_NEAR(r.insulationThickness, 37.7, 0.3);
  // The shown surface temperature belongs to the thickness found ...
  EXPECT_NEAR(r.temperatures[2], 30, 0.1);
  // ... and a heat-flow run of that thickness agrees with it.
  const CalcOutcome check = WithThickness(in, r.insulationThickness);
  EXPECT_NEAR(check.results.temperatures[2], r.temperatures[2], 0.01);
}

}  // namespace

namespace {

// A sphere of 1 m inside diameter, 100 mm of insulation (0.04 W/mºC), 60 ºC
// inside with hi = 10, 20 ºC outside with he = 5, by hand from 4·π·r².
TEST(PhysicsMends, ASphereLosesHeatThroughItsWholeSurface) {
  CalcInputs in;
  in.kind = GeometryKind::Sphere;
  in.interiorDiameter = 1000;
  in.layers[1] = Layer(100, 0.04f, true);
  in.Ti = 60;
  in.Te = 20;
  in.interiorCoef = 10;
  in.exteriorCoef = 5;
  const double pi4 = 12.5664, r0 = 0.5, r1 = 0.6;
  const double Rsi = 1 / (10 * pi4 * r0 * r0);
  const double Rins = (1 / r0 - 1 / r1) / (0.04 * pi4);
  const double Rse = 1 / (5 * pi4 * r1 * r1);
  const CalcOutcome outcome = Calculate(in);
  ASSERT_TRUE(outcome.hasResults);
  const Results& r = outcome.results;
  EXPECT_NEAR(r.resistances[0], Rsi, 1e-6);
  EXPECT_NEAR(r.resistances[1], Rins, 1e-5);
  EXPECT_NEAR(r.resistances[10], Rse, 1e-6);
  EXPECT_NEAR(r.heatFlow, 40 / (Rsi + Rins + Rse), 1e-3);  // 54.1 W
  EXPECT_NEAR(r.temperatures[1], 20 + 40 * Rse / (Rsi + Rins + Rse), 1e-3);
}

// Asked for a final water temperature, the resistance the pipe needs follows
// the water velocity on the window: twice as fast, half the resistance.
TEST(PhysicsMends, TheFinalWaterTemperatureConditionReadsTheVelocity) {
  CalcInputs in = HotPipe();
  in.interiorMode = SurfaceCoefMode::Impose;
  in.interiorCoef = 1000;
  in.thicknessTarget = true;
  in.condition = DesignCondition::FinalWaterTemperature;
  in.wantedFinalTemperature = 149;
  in.finalTemperatureLength = 100;
  in.interiorVelocity = 0.5f;
  const Results slow = Calculate(in).results;
  in.interiorVelocity = 1;
  const Results usual = Calculate(in).results;
  // R = L / (ln((Ti - Te)/(Tf - Te)) · v · A · 4.19e6), A the water's section.
  const double A = 0.0031416 * 102 * 0.001 * 102 * 0.25;
  const double R = 100 / (std::log(130.0 / 129.0) * 1 * A * 4.19e6);
  EXPECT_NEAR(usual.resistanceTotal, R, 1e-3 * R);
  EXPECT_NEAR(slow.resistanceTotal, 2 * R, 2e-3 * R);
  EXPECT_GT(slow.insulationThickness, usual.insulationThickness);
}

// The water correlation of a pipe's interior coefficient falls to zero at
// -71 ºC and with a still fluid; below, it would count no interior resistance
// at all. Such a calculation is refused, by heat flow and by thickness alike.
TEST(PhysicsMends, AnInteriorWaterCoefficientThatIsNotPositiveIsRefused) {
  struct Water {
    float temperature, velocity;
    bool refused;
  };
  for (const Water w : {Water{-70, 1, false}, Water{-72, 1, true}, Water{-100, 1, true}, Water{10, 0, true}}) {
    for (const bool thickness : {false, true}) {
      CalcInputs in = HotPipe();
      in.Ti = w.temperature;
      in.interiorVelocity = w.velocity;
      in.interiorMode = SurfaceCoefMode::Calculate;
      in.layers[2].thickness = 30;
      in.thicknessTarget = thickness;
      in.condition = thickness ? DesignCondition::HeatFlow : DesignCondition::None;
      in.wantedHeatFlow = 40;
      const CalcOutcome out = Calculate(in);
      const QString what = QStringLiteral("%1 ºC, %2 m/s, %3").arg(w.temperature).arg(w.velocity).arg(thickness);
      bool told = false;
      for (const CalcMessage& m : out.Messages()) told |= m.id == MessageId::InteriorWaterCoefficient;
      EXPECT_EQ(told, w.refused) << what.toStdString();
      EXPECT_EQ(out.hasResults, !w.refused) << what.toStdString();
      if (out.hasResults) {
        EXPECT_GT(out.results.interiorCoef, 0) << what.toStdString();
      }
    }
  }
}

// A duct of width × height metres under insulation of 0.04 W/mºC, -100 ºC
// inside and 10 ºC outside, both coefficients imposed (4.7 and 4.29 W/m2ºC).
CalcInputs ColdDuct(float width, float height) {
  CalcInputs in;
  in.kind = GeometryKind::Special;
  in.specialVariant = 0;
  in.ductWidth = width;
  in.interiorHeight = height;
  in.ductWidthShown = true;
  in.interiorHeightShown = true;
  in.layerCount = 1;
  in.layers[1] = Layer(0, 0.04f, true);
  in.Ti = -100;
  in.Te = 10;
  in.interiorCoef = 4.7f;
  in.exteriorCoef = 4.29f;
  in.thicknessTarget = true;
  return in;
}

// Each metre of a duct loses its flow per m2 times its outer perimeter, which
// the insulation lengthens. In a duct of 21 × 10 mm, 4·k·Rsa (0.071 m) exceeds
// the bare perimeter (0.062 m): the thicker the insulation, the more flows per
// metre (15.30 W/m bare). No thickness meets 15 or 10 W/m, nor a resistance
// per metre above the bare one; the passes used to drift to 5 m, or to stop
// at once on a thickness above the flow asked for. Each is now refused. A
// duct of 500 × 300 mm still gets the thickness that meets 40 W/m.
TEST(PhysicsMends, ANarrowDuctWhoseInsulationRaisesItsFlowIsRefused) {
  struct Ask {
    DesignCondition condition;
    float value;
  };
  for (const Ask ask :
       {Ask{DesignCondition::HeatFlow, 15}, Ask{DesignCondition::HeatFlow, 10}, Ask{DesignCondition::Resistance, 8}}) {
    CalcInputs in = ColdDuct(0.021f, 0.01f);
    in.condition = ask.condition;
    in.wantedHeatFlow = in.wantedResistance = ask.value;
    const CalcOutcome out = Calculate(in);
    bool told = false;
    for (const CalcMessage& m : out.Messages()) told |= m.id == MessageId::InsulationRaisesDuctFlow;
    EXPECT_TRUE(told) << ask.value;
    EXPECT_FALSE(out.hasResults) << ask.value;
  }

  CalcInputs wide = ColdDuct(0.5f, 0.3f);
  wide.condition = DesignCondition::HeatFlow;
  wide.wantedHeatFlow = 40;
  const CalcOutcome found = Calculate(wide);
  ASSERT_TRUE(found.hasResults);
  const CalcOutcome run = WithThickness(wide, found.results.insulationThickness);
  ASSERT_TRUE(run.hasResults);
  EXPECT_NEAR(run.results.heatFlow * ResultsDuctPerimeter(wide, run.results), 40, 0.04);
}

// The passes of a duct's search each solve on the perimeter of the pass
// before, and each moves the thickness by g times the move before: g is
// 4·k·ΔT/q for a flow q per metre, 4·k·R' for a resistance R' per metre.
// Near g = 1 they stopped short of the thickness that meets the condition
// (48.10 mm for 19.5 W/m, with 19.51 W/m; 295.3 mm for 18 W/m; 46.25 mm for
// 5.625 mºC/W). The thickness found now meets each to the last figures.
TEST(PhysicsMends, ADuctsThicknessMeetsItsFigurePerMetre) {
  struct Ask {
    DesignCondition condition;
    float value;
  };
  for (const Ask ask : {Ask{DesignCondition::HeatFlow, 19.5f}, Ask{DesignCondition::HeatFlow, 18},
                        Ask{DesignCondition::Resistance, 5.625f}}) {
    CalcInputs in = ColdDuct(0.03f, 0.02f);
    in.condition = ask.condition;
    in.wantedHeatFlow = in.wantedResistance = ask.value;
    const CalcOutcome found = Calculate(in);
    ASSERT_TRUE(found.hasResults) << ask.value;
    const CalcOutcome run = WithThickness(in, found.results.insulationThickness);
    ASSERT_TRUE(run.hasResults) << ask.value;
    const double perimeter = ResultsDuctPerimeter(in, run.results);
    const double figure = ask.condition == DesignCondition::HeatFlow ? run.results.heatFlow * perimeter
                                                                     : run.results.resistanceTotal / perimeter;
    EXPECT_NEAR(figure, ask.value, 1e-4 * ask.value);
  }
}

}  // namespace
