// SPDX-License-Identifier: GPL-3.0-or-later
// The invariants' own exemptions, on elements where the law they state does
// not hold for the program's correlations.
#include "CalculationInvariants.h"

#include "engine/CalcOutcome.h"

#include <gtest/gtest.h>

namespace {

// A horizontal plate, the interior above and warmer, its interior coefficient
// calculated: 2.5 m of a conducting layer leave the still air under the plate
// just turbulent, 10 mm more turn it laminar, whose coefficient is the higher.
CalcInputs StillAirPlate(float thickness) {
  CalcInputs in;
  in.kind = GeometryKind::Plate;
  in.plateOrientation = 1;
  in.thicknessTarget = false;
  in.condition = DesignCondition::None;
  in.interiorMode = SurfaceCoefMode::Calculate;
  in.exteriorMode = SurfaceCoefMode::Neglect;
  in.interiorHeight = 0.613835752f;
  in.interiorHeightShown = true;
  in.interiorEmission = 0.396322578f;
  in.interiorLaminar = true;
  in.Ti = 25;
  in.Te = -99.9954224f;
  in.layerCount = 1;
  LayerInput& layer = in.layers[1];
  layer.conductivityEntered = true;
  layer.resistanceEntered = false;
  layer.thickness = thickness;
  layer.conductivity = 4.59811163f;
  return in;
}

TEST(CalculationInvariants, MoreInsulationAcrossASwitchOfRegimeIsNotCompared) {
  const CalcInputs thin = StillAirPlate(2538.526f), thick = StillAirPlate(2548.526f);
  const CalcOutcome a = Calculate(thin), b = Calculate(thick);
  ASSERT_TRUE(a.hasResults && b.hasResults);
  // The program's correlations: turbulent at the thinner insulation, laminar
  // at the thicker, which then lets more heat through.
  EXPECT_FALSE(a.interiorLaminar);
  EXPECT_TRUE(b.interiorLaminar);
  EXPECT_GT(b.results.heatFlow, a.results.heatFlow);

  const InvariantReport report = CheckCalculationInvariants(thin, a);
  EXPECT_TRUE(report.violations.empty()) << Describe(report);
  EXPECT_TRUE(report.heatFlowChecked);
  EXPECT_TRUE(report.regimeChanged);
  EXPECT_FALSE(report.monotonicChecked);

  // Both thicknesses in one regime: compared as ever.
  const CalcInputs thicker = StillAirPlate(2600);
  const InvariantReport settled = CheckCalculationInvariants(thicker, Calculate(thicker));
  EXPECT_TRUE(settled.violations.empty()) << Describe(settled);
  EXPECT_TRUE(settled.monotonicChecked);
}

// A vertical pipe of 125 mm in air at 200 ºC carrying a fluid at -100 ºC, a
// conducting layer around it, its exterior coefficient calculated: outside the
// critical radius for a fixed coefficient, yet the warmer surface of the
// thicker layer radiates more, and its larger coefficient lets more heat in.
CalcInputs HotAirPipe(float thickness) {
  CalcInputs in;
  in.kind = GeometryKind::Pipe;
  in.pipePlacing = 0;
  in.thicknessTarget = false;
  in.condition = DesignCondition::None;
  in.interiorMode = SurfaceCoefMode::Neglect;
  in.exteriorMode = SurfaceCoefMode::Calculate;
  in.exteriorEmission = 0.9f;
  in.exteriorLength = 3;
  in.interiorDiameter = 125;
  in.Ti = -100;
  in.Te = 200;
  in.layerCount = 1;
  LayerInput& layer = in.layers[1];
  layer.conductivityEntered = true;
  layer.resistanceEntered = false;
  layer.marked = true;
  layer.thickness = thickness;
  layer.conductivity = 1.00694859f;
  return in;
}

TEST(CalculationInvariants, MoreInsulationMayMeetALargerSurfaceCoefficient) {
  const CalcInputs thin = HotAirPipe(0.1f);
  const CalcOutcome a = Calculate(thin), b = Calculate(HotAirPipe(10.1f));
  ASSERT_TRUE(a.hasResults && b.hasResults);
  EXPECT_GT(b.results.exteriorCoef, a.results.exteriorCoef);
  EXPECT_GT(b.results.heatFlow, a.results.heatFlow);
  EXPECT_GT(0.0625, 1.00694859 / a.results.exteriorCoef);  // beyond the critical radius of either coefficient

  const InvariantReport report = CheckCalculationInvariants(thin, a);
  EXPECT_TRUE(report.violations.empty()) << Describe(report);
  EXPECT_TRUE(report.monotonicChecked);

  // With the thinner run's coefficient held, the thicker layer lets less heat in.
  CalcInputs held = HotAirPipe(10.1f);
  held.exteriorMode = SurfaceCoefMode::Impose;
  held.exteriorCoef = a.results.exteriorCoef;
  const CalcOutcome c = Calculate(held);
  ASSERT_TRUE(c.hasResults);
  EXPECT_LT(c.results.heatFlow, a.results.heatFlow);
}

}  // namespace
