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

}  // namespace
