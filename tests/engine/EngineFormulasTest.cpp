// SPDX-License-Identifier: GPL-3.0-or-later
// Worked numbers of the thermal engine's formulas, one table row per case.
#include "engine/DryAir.h"
#include "engine/EconomicThickness.h"
#include "engine/FluidTemperature.h"
#include "engine/LayerStack.h"
#include "engine/Moisture.h"
#include "engine/SurfaceCoefficients.h"
#include "engine/ThermalResistance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace {

CalcInputs Plate() { return CalcInputs{}; }

CalcInputs Pipe(int placing) {
  CalcInputs in;
  in.kind = GeometryKind::Pipe;
  in.pipePlacing = placing;
  return in;
}

struct CoefficientCase {
  std::string name;
  std::function<float(SurfaceParts&)> compute;
  double convection;
  double total;  // negative: not checked
  bool laminar;
};

class SurfaceCoefficientCases : public ::testing::TestWithParam<CoefficientCase> {};

TEST_P(SurfaceCoefficientCases, MatchWorkedValues) {
  const CoefficientCase& c = GetParam();
  SurfaceParts parts;
  const float h = c.compute(parts);
  EXPECT_NEAR(parts.convection, c.convection, 0.001 * std::max(1.0, c.convection));
  if (c.total >= 0) {
    EXPECT_NEAR(h, c.total, 0.0005 * std::max(1.0, c.total));
  }
  EXPECT_EQ(parts.laminar, c.laminar);
}

INSTANTIATE_TEST_SUITE_P(Engine, SurfaceCoefficientCases,
                         ::testing::Values(CoefficientCase{"VerticalPlateTurbulent",
                                                           [](SurfaceParts& p) {
                                                             CalcInputs in = Plate();
                                                             in.interiorMode = SurfaceCoefMode::Calculate;
                                                             return InteriorCoefficient(in, p, 24, 25, 10);
                                                           },
                                                           1.74, 7.123, false},
                                           CoefficientCase{"VerticalPlateLaminar",
                                                           [](SurfaceParts& p) {
                                                             CalcInputs in = Plate();
                                                             in.interiorMode = SurfaceCoefMode::Calculate;
                                                             in.interiorHeight = 1;
                                                             return InteriorCoefficient(in, p, 24, 25, 10);
                                                           },
                                                           1.32, -1, true},
                                           CoefficientCase{"CeilingHeatRisingUses152",
                                                           [](SurfaceParts& p) {
                                                             CalcInputs in = Plate();
                                                             in.interiorMode = SurfaceCoefMode::Calculate;
                                                             in.plateOrientation = 2;
                                                             return InteriorCoefficient(in, p, 24, 25, 10);
                                                           },
                                                           1.52, -1, false},
                                           CoefficientCase{"CeilingColdInsideUses059",
                                                           [](SurfaceParts& p) {
                                                             CalcInputs in = Plate();
                                                             in.interiorMode = SurfaceCoefMode::Calculate;
                                                             in.plateOrientation = 2;
                                                             return InteriorCoefficient(in, p, 4, 5, 10);
                                                           },
                                                           0.59, -1, false},
                                           CoefficientCase{"FloorWarmInsideUses059",
                                                           [](SurfaceParts& p) {
                                                             CalcInputs in = Plate();
                                                             in.interiorMode = SurfaceCoefMode::Calculate;
                                                             in.plateOrientation = 1;
                                                             return InteriorCoefficient(in, p, 24, 25, 10);
                                                           },
                                                           0.59, -1, false},
                                           CoefficientCase{"PipeWaterInside",
                                                           [](SurfaceParts& p) {
                                                             CalcInputs in = Pipe(0);
                                                             in.interiorMode = SurfaceCoefMode::Calculate;
                                                             return InteriorCoefficient(in, p, 24, 25, 10);
                                                           },
                                                           2927.1, 2927.1, false},
                                           CoefficientCase{"PipeInWind",
                                                           [](SurfaceParts& p) {
                                                             CalcInputs in = Pipe(0);
                                                             in.exteriorMode = SurfaceCoefMode::Calculate;
                                                             in.surroundings = 1;
                                                             return ExteriorCoefficient(in, p, 10, 25, 10, 0.185f);
                                                           },
                                                           28.32, -1, false},
                                           CoefficientCase{"PipeInLightWind",
                                                           [](SurfaceParts& p) {
                                                             CalcInputs in = Pipe(0);
                                                             in.exteriorMode = SurfaceCoefMode::Calculate;
                                                             in.surroundings = 1;
                                                             in.exteriorVelocity = 0.01f;
                                                             return ExteriorCoefficient(in, p, 10, 25, 10, 0.185f);
                                                           },
                                                           0.774, -1, true},
                                           CoefficientCase{"HorizontalPipeStillAir",
                                                           [](SurfaceParts& p) {
                                                             CalcInputs in = Pipe(1);
                                                             in.exteriorMode = SurfaceCoefMode::Calculate;
                                                             return ExteriorCoefficient(in, p, 20, 25, 10, 0.185f);
                                                           },
                                                           3.389, -1, true},
                                           // Dittus-Boelter in a 0.5 m square duct at 5 m/s, by hand from the air
                                           // table: at a row of the table, the air cooled (Pr^0.3);
                                           CoefficientCase{"DuctInsideCooledAirAtATableRow",
                                                           [](SurfaceParts& p) {
                                                             CalcInputs in;
                                                             in.kind = GeometryKind::Special;
                                                             in.interiorMode = SurfaceCoefMode::Calculate;
                                                             in.interiorVelocity = 5;
                                                             in.ductWidth = 0.5f;
                                                             in.interiorHeight = 0.5f;
                                                             return InteriorCoefficient(in, p, 0, 26.85f, 10);
                                                           },
                                                           15.6672, 15.6672, false},
                                           // half-way between two rows, the air heated (Pr^0.4);
                                           CoefficientCase{"DuctInsideHeatedAirBetweenRows",
                                                           [](SurfaceParts& p) {
                                                             CalcInputs in;
                                                             in.kind = GeometryKind::Special;
                                                             in.interiorMode = SurfaceCoefMode::Calculate;
                                                             in.interiorVelocity = 5;
                                                             in.ductWidth = 0.5f;
                                                             in.interiorHeight = 0.5f;
                                                             return InteriorCoefficient(in, p, 0, 51.85f, 80);
                                                           },
                                                           14.3729, 14.3729, false},
                                           // below the table, its first row.
                                           CoefficientCase{"DuctInsideAirColderThanTheTable",
                                                           [](SurfaceParts& p) {
                                                             CalcInputs in;
                                                             in.kind = GeometryKind::Special;
                                                             in.interiorMode = SurfaceCoefMode::Calculate;
                                                             in.interiorVelocity = 5;
                                                             in.ductWidth = 0.5f;
                                                             in.interiorHeight = 0.5f;
                                                             return InteriorCoefficient(in, p, 0, -100, -120);
                                                           },
                                                           19.7167, 19.7167, false},
                                           CoefficientCase{"DuctOutside",
                                                           [](SurfaceParts& p) {
                                                             CalcInputs in;
                                                             in.kind = GeometryKind::Special;
                                                             in.exteriorMode = SurfaceCoefMode::Calculate;
                                                             return ExteriorCoefficient(in, p, 15, 25, 10, 0);
                                                           },
                                                           1.329, -1, true}),
                         [](const auto& info) { return info.param.name; });

TEST(SurfaceCoefficients, NeglectedGivesMinusOneAndKeepsTheFlag) {
  CalcInputs in;
  in.interiorMode = SurfaceCoefMode::Neglect;
  in.exteriorMode = SurfaceCoefMode::Neglect;
  SurfaceParts parts;
  parts.laminar = true;
  EXPECT_EQ(InteriorCoefficient(in, parts, 20, 25, 10), -1);
  EXPECT_EQ(ExteriorCoefficient(in, parts, 20, 25, 10, 0), -1);
  EXPECT_TRUE(parts.laminar);
  EXPECT_FALSE(parts.calculated);
}

struct ResistanceCase {
  std::string name;
  std::function<double()> compute;
  double expected;
  double tolerance;
};

class ResistanceCases : public ::testing::TestWithParam<ResistanceCase> {};

TEST_P(ResistanceCases, MatchWorkedValues) {
  EXPECT_NEAR(GetParam().compute(), GetParam().expected, GetParam().tolerance);
}

LayerStack OneLayer(float e, float k) {
  LayerStack s;
  s.n = 1;
  s.e[1] = e;
  s.k[1] = k;
  s.resistanceComputed[1] = true;
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Engine, ResistanceCases,
    ::testing::Values(
        ResistanceCase{"PlateTotal",
                       [] {
                         LayerStack s = OneLayer(50, 0.04f);
                         BuriedPipeTerms t;
                         return double(TotalResistance(Plate(), ResistanceMode::WithInsulation, s, 0, 9, 16, t));
                       },
                       1.4236, 0.0001},
        ResistanceCase{"PipeLayer",
                       [] {
                         CalcInputs in = Pipe(0);
                         LayerStack s = OneLayer(30, 0.04f);
                         UpdateRadii(in, s);
                         BuriedPipeTerms t;
                         TotalResistance(in, ResistanceMode::WithInsulation, s, 0, 9, 16, t);
                         return double(s.R[1]);
                       },
                       1.5599, 0.0001},
        ResistanceCase{"SphereLayer",
                       [] {
                         CalcInputs in;
                         in.kind = GeometryKind::Sphere;
                         LayerStack s = OneLayer(30, 0.04f);
                         UpdateRadii(in, s);
                         BuriedPipeTerms t;
                         TotalResistance(in, ResistanceMode::WithInsulation, s, 0, 9, 16, t);
                         return double(s.R[1]);
                       },
                       10.3235, 0.001},
        ResistanceCase{"BareElementCountsInsulationAsZero",
                       [] {
                         LayerStack s = OneLayer(50, 0.04f);
                         BuriedPipeTerms t;
                         return double(TotalResistance(Plate(), ResistanceMode::WithoutInsulation, s, 1, 9, 16, t));
                       },
                       1.0 / 9 + 1.0 / 16, 0.0001},
        ResistanceCase{"NothingAtAllBecomesTiny",
                       [] {
                         LayerStack s;
                         s.n = 1;
                         s.R[1] = 0;
                         s.resistanceComputed[1] = false;
                         BuriedPipeTerms t;
                         return double(TotalResistance(Plate(), ResistanceMode::WithInsulation, s, 0, -1, -1, t));
                       },
                       0.00001, 1e-9},
        ResistanceCase{"GivenLayerResistanceKeptWithZeroThickness",
                       [] {
                         LayerStack s;
                         s.n = 1;
                         s.R[1] = 2.5f;
                         s.resistanceComputed[1] = false;
                         BuriedPipeTerms t;
                         TotalResistance(Plate(), ResistanceMode::WithInsulation, s, 0, -1, -1, t);
                         return double(s.R[1]);
                       },
                       2.5, 1e-6},
        ResistanceCase{"Soil",
                       [] {
                         BuriedPipeTerms t;
                         return double(SoilResistance(Pipe(2), 0.0625f, t));
                       },
                       0.5514, 0.0001},
        ResistanceCase{"SoilTooShallowIsClamped",
                       [] {
                         CalcInputs in = Pipe(2);
                         in.depth = 0.05f;
                         BuriedPipeTerms t;
                         return double(SoilResistance(in, 0.0625f, t));
                       },
                       0.02249, 0.00001},
        ResistanceCase{"SoilConductivityCalculated",
                       [] {
                         CalcInputs in = Pipe(2);
                         in.soilMode = 1;
                         BuriedPipeTerms t;
                         SoilResistance(in, 0.0625f, t);
                         return double(t.soilConductivity);
                       },
                       0.819, 0.0005},
        ResistanceCase{"BoxOfAir",
                       [] {
                         BuriedPipeTerms t;
                         return double(BoxResistance(Pipe(3), 1, 0.1f, t));
                       },
                       0.1872, 0.0001},
        ResistanceCase{"BoxOfMaterial",
                       [] {
                         BuriedPipeTerms t;
                         return double(BoxResistance(Pipe(3), 0, 0.1f, t));
                       },
                       0.0998, 0.0001},
        ResistanceCase{"SoilAroundTheBox",
                       [] {
                         BuriedPipeTerms t;
                         return double(SoilResistance(Pipe(3), 350 * 0.00107f * 0.5f, t));
                       },
                       0.3755, 0.0001}),
    [](const auto& info) { return info.param.name; });

TEST(LayerStack, RadiiAndTotalThickness) {
  CalcInputs in = Pipe(0);
  LayerStack s = OneLayer(30, 0.04f);
  UpdateRadii(in, s);
  EXPECT_FLOAT_EQ(s.r[0], 0.0625f);
  EXPECT_FLOAT_EQ(s.r[1], 0.0925f);
  s.n = 3;
  s.e = {0, 10, 20, 30, 0, 0, 0};
  EXPECT_NEAR(TotalThickness(s), 0.06, 1e-6);
}

TEST(LayerStack, MarkedLayerStartsAtZeroThickness) {
  CalcInputs in;
  in.thicknessTarget = true;
  in.layers[1].thickness = 80;
  in.layers[1].marked = true;
  LayerStack s;
  EXPECT_EQ(ReadLayers(in, s), 1);
  EXPECT_EQ(s.e[1], 0);
  in.thicknessTarget = false;
  EXPECT_EQ(ReadLayers(in, s), 0);
  EXPECT_EQ(s.e[1], 80);
}

TEST(Moisture, SaturationPressureOverWaterAndIce) {
  EXPECT_NEAR(SaturationPressure(25), 3169.2, 0.5);
  EXPECT_NEAR(SaturationPressure(20), 2338.8, 0.5);
  EXPECT_NEAR(SaturationPressure(10), 1228.0, 0.5);
  EXPECT_NEAR(SaturationPressure(0), 611.2, 0.3);
  EXPECT_NEAR(SaturationPressure(-10), 260.1, 0.3);
}

TEST(Moisture, DewPoints) {
  EXPECT_NEAR(DewPointTemperature(1584.6f), 13.86, 0.01);
  EXPECT_NEAR(DewPointTemperature(SaturationPressure(10) * 0.6f), 2.60, 0.01);
  EXPECT_NEAR(DewPointTemperature(SaturationPressure(20) * 0.5f), 9.3, 0.05);
}

TEST(Moisture, EqualResistivitiesGiveAStraightPressureLine) {
  LayerStack s;
  s.n = 2;
  s.e = {0, 100, 100, 0, 0, 0, 0};
  s.rv = {0, 50, 50, 0, 0, 0, 0};
  const DewPointProfile equal = ComputeDewPointProfile(s, 20, 0, 50, 80);
  const float pi = SaturationPressure(20) * 0.5f, pe = SaturationPressure(0) * 0.8f;
  EXPECT_NEAR(equal.Tdew[1], DewPointTemperature((pi + pe) / 2), 0.001);
  ASSERT_EQ(equal.points.size(), 3);
  EXPECT_EQ(equal.points[2].x(), 200);
  // No vapour resistance anywhere: the same line rather than undefined values.
  s.rv = {};
  const DewPointProfile none = ComputeDewPointProfile(s, 20, 0, 50, 80);
  for (int i = 0; i <= 2; ++i) {
    EXPECT_FLOAT_EQ(none.Tdew[i], equal.Tdew[i]);
  }
}

TEST(Moisture, CondensationCountsUndefinedValues) {
  std::array<float, 7> T{20, 5, 0, 0, 0, 0, 0};
  std::array<float, 7> dew{9, 5, 0, 0, 0, 0, 0};
  EXPECT_FALSE(CheckInterstitialCondensation(T, dew, 1));  // exactly at the dew point does not condense
  dew[1] = 6;
  EXPECT_TRUE(CheckInterstitialCondensation(T, dew, 1));
  dew[1] = std::nanf("");
  EXPECT_TRUE(CheckInterstitialCondensation(T, dew, 1));
}

TEST(FluidTemperature, InverseFormulas) {
  CalcInputs in = Pipe(0);
  EXPECT_NEAR(PipeCrossSection(in), 0.012271875, 1e-9);
  in.Ti = 10;
  in.Te = -10;
  EXPECT_NEAR(FreezingTimeResistance(in), 0.19279, 0.00001);
  in.Ti = 25;
  in.Te = 10;
  EXPECT_NEAR(FinalTemperatureResistance(in, 25, 10), 0.0087155, 0.0000005);
}

TEST(FluidTemperature, ForwardWaterTendsToTheExterior) {
  CalcInputs in = Pipe(0);
  in.length = 0;
  FluidEnd end = FinalWaterTemperature(in, 1.5f, 10);
  EXPECT_FLOAT_EQ(end.finalTemperature, 25);
  EXPECT_FLOAT_EQ(end.totalHeatFlow, 0);
  in.length = 1e7f;
  end = FinalWaterTemperature(in, 1.5f, 10);
  const double C = 1 * PipeCrossSection(in) * 1000 * 4.19 * 1000;
  EXPECT_NEAR(end.finalTemperature, 10, 0.01);
  EXPECT_NEAR(end.totalHeatFlow, C * 15, C * 0.001);
}

// Heat held by a cubic metre of dry air, kJ/m3·K: ideal-gas density at 1 atm
// times the tabulated specific heat, interpolated between 200 and 400 K and
// held at the ends beyond them.
struct AirHeatCase {
  std::string name;
  double T;  // ºC
  double expected;
};

class DryAirHeatCases : public ::testing::TestWithParam<AirHeatCase> {};

TEST_P(DryAirHeatCases, DensityTimesSpecificHeat) {
  EXPECT_NEAR(DryAirVolumetricHeat(GetParam().T), GetParam().expected, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(
    FluidTemperature, DryAirHeatCases,
    ::testing::Values(AirHeatCase{"BelowTheTable", -100, 2.0528917}, AirHeatCase{"At200K", -73.15, 1.7772910},
                      AirHeatCase{"Freezing", 0, 1.3006357}, AirHeatCase{"Room", 20, 1.2123822},
                      AirHeatCase{"At300K", 26.85, 1.1848607}, AirHeatCase{"HotAir", 80, 1.0088500},
                      AirHeatCase{"At400K", 126.85, 0.8948228}, AirHeatCase{"AboveTheTable", 150, 0.8458681}),
    [](const auto& info) { return info.param.name; });

TEST(FluidTemperature, ForwardAirHoldsTheHeatOfAirAtTheInteriorTemperature) {
  CalcInputs in;
  in.kind = GeometryKind::Special;
  in.specialVariant = 0;
  in.interiorVelocity = 2;
  in.ductWidth = 0.5f;
  in.interiorHeight = 0.4f;
  in.Ti = 80;
  in.Te = 20;
  // Capacity rate of 2 m/s through 0.2 m2 of air entering at 80 ºC, W/ºC.
  const double C = 2 * 0.2 * 1.0088500 * 1000;
  in.length = 0;
  FluidEnd end = FinalAirTemperature(in, 2.0f);
  EXPECT_FLOAT_EQ(end.finalTemperature, 80);
  EXPECT_FLOAT_EQ(end.totalHeatFlow, 0);
  in.length = 100;
  end = FinalAirTemperature(in, 2.0f);
  const double Tf = 20 + std::exp(-100 / (C * 2)) * 60;
  EXPECT_NEAR(end.finalTemperature, Tf, 1e-3);
  EXPECT_NEAR(end.totalHeatFlow, (80 - Tf) * C, 0.05);
  in.length = 1e7f;
  end = FinalAirTemperature(in, 2.0f);
  EXPECT_NEAR(end.finalTemperature, 20, 0.01);
  EXPECT_NEAR(end.totalHeatFlow, C * 60, C * 0.001);
}

TEST(EconomicThickness, FactorsOfTheDefaults) {
  CalcInputs in;
  EXPECT_NEAR(PresentWorthFactor(in), 17.1976, 0.0005);
  in.opportunity = 6;
  EXPECT_FLOAT_EQ(PresentWorthFactor(in), 15);
  in.lifeYears = 7.5f;
  EXPECT_FLOAT_EQ(PresentWorthFactor(in), 7.5);
  EXPECT_FLOAT_EQ(CostSlope(in), 0.24f);
  EXPECT_FLOAT_EQ(CostIntercept(in, CostSlope(in)), 17);
}

}  // namespace
