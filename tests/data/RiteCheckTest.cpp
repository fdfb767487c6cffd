#include "data/RiteCheck.h"
#include "engine/LayerInputs.h"
#include "results/RiteLine.h"
#include "form/NumberFormat.h"

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

INSTANTIATE_TEST_SUITE_P(
    Boundaries, RiteCells,
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
                      CellCase{"ColdBelowMinus10NotInTheTable", false, -10.5f, 60, false, 0}),
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
  EXPECT_NEAR(v.insideMinimum, RiteCorrected(25, 0.035, 30), 1e-4);
  EXPECT_TRUE(v.meetsInside);
  EXPECT_FALSE(v.meetsOutside);
  EXPECT_EQ(RiteLine(v), QStringLiteral("RITE IT 1.2.4.2.1: mínimo 20,4 mm en interior, 28,1 mm en exterior; "
                                        "el aislamiento de 22,0 mm cumple en interior"));
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
  EXPECT_EQ(RiteLine(d), QStringLiteral("RITE IT 1.2.4.2.2 (sistemas de hasta 70 kW): mínimo 30 mm en interior, "
                                        "50 mm en exterior; el aislamiento de 25,0 mm no cumple"));

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
}

}  // namespace
