// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/RiteCheck.h"
#include "engine/LayerInputs.h"
#include "form/NumberFormat.h"
#include "results/RiteLine.h"

#include <gtest/gtest.h>

namespace {

struct CellCase {
  const char* name;
  bool hot;
  float fluid, diameter;
  bool outside;
  float expected;
};

class RiteCells : public ::testing::TestWithParam<CellCase> {};

TEST_P(RiteCells, TableThickness) {
  const CellCase& c = GetParam();
  EXPECT_EQ(RiteTableThickness(c.hot, c.fluid, c.diameter, c.outside), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, RiteCells,
                         ::testing::Values(CellCase{"HotD35At60Inside", true, 60, 35, false, 25},
                                           CellCase{"HotD35_1At60Inside", true, 60, 35.1f, false, 30},
                                           CellCase{"HotD35At60_1Inside", true, 60.1f, 35, false, 25},
                                           CellCase{"HotD100At100Outside", true, 100, 100, true, 50},
                                           CellCase{"HotD100At100_5Outside", true, 100.5f, 100, true, 60},
                                           CellCase{"HotD200At180Inside", true, 180, 200, false, 50},
                                           CellCase{"HotAt39NotInTheTable", true, 39, 50, false, 0},
                                           CellCase{"HotAt181NotInTheTable", true, 181, 50, false, 0},
                                           CellCase{"HotD140At40Inside", true, 40, 140, false, 30},
                                           CellCase{"HotD140_1At40Inside", true, 40, 140.1f, false, 35},
                                           CellCase{"ColdD35At5Inside", false, 5, 35, false, 20},
                                           CellCase{"ColdD35At5Outside", false, 5, 35, true, 40},
                                           CellCase{"ColdD60At0Outside", false, 0, 60, true, 60},
                                           CellCase{"ColdD90At12Inside", false, 12, 90, false, 30},
                                           CellCase{"ColdD60_1At12Inside", false, 12, 60.1f, false, 30},
                                           CellCase{"ColdD60At12Inside", false, 12, 60, false, 20},
                                           CellCase{"ColdBelowMinus10NotInTheTable", false, -10.5f, 60, false, 0},
                                           CellCase{"ColdAtMinus10NotInTheTable", false, -10, 60, false, 0},
                                           CellCase{"ColdD60AtMinus9_9Inside", false, -9.9f, 60, false, 40}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RiteCorrection, ReferenceConductivityGivesTheTableAndOthersAreCorrected) {
  EXPECT_DOUBLE_EQ(RiteCorrected(25, 0.040, 35), 25);
  EXPECT_DOUBLE_EQ(RiteCorrected(30, 0.040, 0), 30);
  // d = D/2 · (exp(λ/λref · ln((D + 2·dref)/D)) − 1)
  EXPECT_NEAR(RiteCorrected(25, 0.035, 35), 20.538, 0.001);
  // flat: d = dref · λ/λref
  EXPECT_NEAR(RiteCorrected(30, 0.035, 0), 26.25, 1e-9);
  // A better insulant needs less, a worse one more.
  EXPECT_GT(RiteCorrected(30, 0.050, 60), 30);
}

// A heating pipe of 28 mm inside, 1 mm of copper, insulation of 0.035 W/(m·K).
CalcInputs HeatingPipe(float water, float insulation) {
  CalcInputs in;
  in.kind = GeometryKind::Pipe;
  in.interiorDiameter = 28;
  in.layerCount = 2;
  in.layers[1] = Layer(1, 380);
  in.layers[2] = Layer(insulation, 0.035f, true);
  in.Ti = water;
  in.Te = 20;
  return in;
}

Results Thicknesses(const CalcInputs& in) {
  Results r;
  r.layerCount = in.layerCount;
  for (int i = 1; i <= in.layerCount; ++i) r.thicknesses[i] = in.layers[i].thickness;
  return r;
}

class RiteLines : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator(','); }
  void TearDown() override { ResetDecimalSeparator(); }
};

TEST_F(RiteLines, APipeIsJudgedAtTheFaceOfItsInsulation) {
  const CalcInputs in = HeatingPipe(70, 22);
  const RiteVerdict v = CheckRite(in, Thicknesses(in));
  EXPECT_EQ(v.scope, RiteVerdict::Scope::Pipe);
  EXPECT_FLOAT_EQ(v.diameter, 30);  // 28 mm inside plus the copper
  EXPECT_NEAR(RiteCorrected(25, 0.035, 30), 20.385, 0.001);
  EXPECT_FLOAT_EQ(v.insideMinimum, 20.4f);  // to the tenth, rounded up
  EXPECT_TRUE(v.meetsInside);
  EXPECT_FALSE(v.meetsOutside);
  EXPECT_EQ(RiteLine(v), QStringLiteral("RITE IT 1.2.4.2.1: mínimo 20,4 mm en interior, 28,1 mm en exterior; "
                                        "el aislamiento de 22,0 mm cumple en interior"));
}

// The line judges the case's insulation layer: on a heat flow the least
// conductive insulant, though a mark be left on another layer; on a thickness
// calculation the marked layer. The diameter is taken at its inner face.
TEST_F(RiteLines, JudgeTheInsulationLayerOfTheCase) {
  CalcInputs in = HeatingPipe(70, 22);  // layer 2 marked, 0.035
  in.layerCount = 3;
  in.layers[3] = Layer(40, 0.03f);
  const Results r = Thicknesses(in);
  const RiteVerdict heatFlow = CheckRite(in, r);
  EXPECT_FLOAT_EQ(heatFlow.conductivity, 0.03f);
  EXPECT_FLOAT_EQ(heatFlow.insulation, 40);
  EXPECT_FLOAT_EQ(heatFlow.diameter, 74);  // 28 mm, the copper and 22 mm on each side

  in.thicknessTarget = true;
  const RiteVerdict thickness = CheckRite(in, r);
  EXPECT_FLOAT_EQ(thickness.conductivity, 0.035f);
  EXPECT_FLOAT_EQ(thickness.insulation, 22);
  EXPECT_FLOAT_EQ(thickness.diameter, 30);

  // Without an insulant the line has no thickness to judge.
  in.thicknessTarget = false;
  in.layers[2].conductivity = in.layers[3].conductivity = 0.2f;
  EXPECT_FALSE(CheckRite(in, r).hasInsulation);
  // A heat flow marks no layer: the line says why none is judged.
  EXPECT_TRUE(RiteLine(CheckRite(in, r))
                  .endsWith(QStringLiteral("; ninguna capa es un aislante dado por su conductividad (de 0,1 W/mºC "
                                           "como mucho)")))
      << RiteLine(CheckRite(in, r)).toStdString();
}

TEST_F(RiteLines, BuriedDuctsTanksAndElementsOutsideTheTables) {
  CalcInputs buried = HeatingPipe(70, 40);
  buried.pipePlacing = 2;
  buried.soilTemperature = 10;
  const RiteVerdict b = CheckRite(buried, Thicknesses(buried));
  EXPECT_TRUE(b.onlyOutside);
  EXPECT_TRUE(RiteLine(b).contains(QStringLiteral("(tubería enterrada, exterior)")));
  EXPECT_TRUE(RiteLine(b).endsWith(QStringLiteral(" cumple")));

  CalcInputs duct;
  duct.kind = GeometryKind::Special;
  duct.layers[1] = Layer(25, 0.040f, true);
  duct.Ti = 14;
  duct.Te = 26;  // cold air: 30 mm inside, 50 mm outside
  const RiteVerdict d = CheckRite(duct, Thicknesses(duct));
  EXPECT_EQ(d.insideMinimum, 30);
  EXPECT_EQ(d.outsideMinimum, 50);
  EXPECT_EQ(RiteLine(d), QStringLiteral("RITE IT 1.2.4.2.2 (sistemas de hasta 70 kW): mínimo 30,0 mm en interior, "
                                        "50,0 mm en exterior; el aislamiento de 25,0 mm no cumple"));

  CalcInputs tank = duct;
  tank.specialVariant = 1;
  tank.Ti = 60;
  tank.Te = 20;
  EXPECT_EQ(CheckRite(tank, Thicknesses(tank)).insideMinimum, 35);  // the row of pipes over 140 mm

  CalcInputs plate;
  plate.layers[1] = Layer(50, 0.04f, true);
  EXPECT_EQ(CheckRite(plate, Thicknesses(plate)).scope, RiteVerdict::Scope::NotApplicable);
  EXPECT_EQ(RiteLine(CheckRite(HeatingPipe(35, 20), Thicknesses(HeatingPipe(35, 20)))),
            QStringLiteral("RITE IT 1.2.4.2.1: la tabla se aplica a fluidos calientes de 40 a 180 ºC"));
  EXPECT_EQ(RiteLine(CheckRite(HeatingPipe(-10, 20), Thicknesses(HeatingPipe(-10, 20)))),
            QStringLiteral("RITE IT 1.2.4.2.1: la tabla se aplica a fluidos fríos por encima de -10 ºC"));

  // A conducting layer marked as the insulation of a thin pipe: the corrected
  // minimum is past any single-precision figure, and no minimum is stated.
  CalcInputs conducting = HeatingPipe(94.5f, 0.3f);
  conducting.layers[2].conductivity = 5.039f;
  conducting.thicknessTarget = true;
  const RiteVerdict c = CheckRite(conducting, Thicknesses(conducting));
  EXPECT_EQ(c.scope, RiteVerdict::Scope::NotApplicable);
  EXPECT_EQ(RiteLine(c), QStringLiteral("RITE IT 1.2.4.2.1: el aislamiento conduce demasiado para corregir la "
                                        "tabla de espesores mínimos"));
  conducting.layers[2].conductivity = 0.5f;  // still a figure, however large
  EXPECT_EQ(CheckRite(conducting, Thicknesses(conducting)).scope, RiteVerdict::Scope::Pipe);
}

// A warm-air duct (20 mm inside, 30 mm outside at the reference conductivity)
// whose insulation's conductivity scales the minima: the verdict must agree
// with the figures the line states, each to a tenth of a millimetre.
struct VerdictCase {
  const char* name;
  float conductivity;
  float insulation;
  const char* line;
};

class RiteVerdicts : public RiteLines, public ::testing::WithParamInterface<VerdictCase> {};

TEST_P(RiteVerdicts, AgreeWithTheStatedFigures) {
  const VerdictCase& c = GetParam();
  CalcInputs duct;
  duct.kind = GeometryKind::Special;
  duct.layers[1] = Layer(c.insulation, c.conductivity, true);
  duct.Ti = 40;
  duct.Te = 20;
  SetDecimalSeparator('.');
  EXPECT_EQ(RiteLine(CheckRite(duct, Thicknesses(duct))),
            QStringLiteral("RITE IT 1.2.4.2.2 (sistemas de hasta 70 kW): ") + QString::fromUtf8(c.line));
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, RiteVerdicts,
    ::testing::Values(
        // 24.84 mm is stated as 24.9: a thickness written 24.8 falls short of it.
        VerdictCase{"ShortOfTheRoundedUpMinimum", 0.04968f, 24.8f,
                    "mínimo 24.9 mm en interior, 37.3 mm en exterior; el aislamiento de 24.8 mm no cumple"},
        VerdictCase{"AtTheRoundedUpMinimum", 0.04968f, 24.9f,
                    "mínimo 24.9 mm en interior, 37.3 mm en exterior; el aislamiento de 24.9 mm cumple en interior"},
        VerdictCase{"WrittenUpToTheMinimum", 0.04968f, 24.86f,
                    "mínimo 24.9 mm en interior, 37.3 mm en exterior; el aislamiento de 24.9 mm cumple en interior"},
        // 25 mm worked out from a single-precision conductivity stays 25.0.
        VerdictCase{"WholeMinimumKeepsItsDecimal", 0.05f, 24.94f,
                    "mínimo 25.0 mm en interior, 37.5 mm en exterior; el aislamiento de 24.9 mm no cumple"},
        VerdictCase{"WrittenUpToAWholeMinimum", 0.05f, 24.96f,
                    "mínimo 25.0 mm en interior, 37.5 mm en exterior; el aislamiento de 25.0 mm cumple en interior"},
        VerdictCase{"ReferenceConductivityBothSides", 0.04f, 30,
                    "mínimo 20.0 mm en interior, 30.0 mm en exterior; el aislamiento de 30.0 mm cumple en interior y "
                    "en exterior"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
