// SPDX-License-Identifier: GPL-3.0-or-later
// Which layer is the insulation of a case: the one whose thickness a thickness
// calculation finds, and the one the regulation's line, the summary and the
// table of thicknesses take.
#include "engine/CalcOutcome.h"
#include "engine/InsulationLayer.h"
#include "engine/LayerInputs.h"

#include <gtest/gtest.h>

namespace {

LayerInput ByResistance(float thickness, float conductivityShown, float resistance) {
  LayerInput layer = Layer(thickness, conductivityShown);
  layer.conductivityEntered = false;
  layer.resistanceEntered = true;
  layer.resistance = resistance;
  return layer;
}

struct LayerCase {
  const char* name;
  bool thicknessTarget;
  int layerCount;
  std::vector<LayerInput> layers;  // from layer 1
  int expected;
};

class InsulationLayer : public ::testing::TestWithParam<LayerCase> {};

TEST_P(InsulationLayer, IsTheMarkedOneOfAThicknessAndTheLeastConductiveInsulantOtherwise) {
  const LayerCase& c = GetParam();
  CalcInputs in;
  in.thicknessTarget = c.thicknessTarget;
  in.layerCount = c.layerCount;
  for (size_t i = 0; i < c.layers.size(); ++i) in.layers[i + 1] = c.layers[i];
  EXPECT_EQ(InsulationLayerOf(in), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, InsulationLayer,
    ::testing::Values(
        // The mark wins in a thickness calculation, whatever the conductivities.
        LayerCase{"ThicknessTakesTheMark", true, 2, {Layer(10, 0.03f), Layer(50, 0.5f, true)}, 2},
        LayerCase{"ThicknessWithoutAMarkHasNone", true, 2, {Layer(10, 0.03f), Layer(50, 0.04f)}, 0},
        LayerCase{"MarkOfALayerNotInUse", true, 1, {Layer(10, 0.03f), Layer(50, 0.04f, true)}, 0},
        // A heat flow takes no mark: a mark left on a layer does not count.
        LayerCase{"HeatFlowIgnoresAMark", false, 3, {Layer(15, 0.3f, true), Layer(40, 0.035f), Layer(115, 0.76f)}, 2},
        LayerCase{"LeastConductiveOfTwoInsulants", false, 3, {Layer(20, 0.04f), Layer(40, 0.1f), Layer(30, 0.025f)}, 3},
        LayerCase{"AtTheLimitCounts", false, 2, {Layer(15, 0.3f), Layer(40, 0.1f)}, 2},
        LayerCase{"AboveTheLimitNone", false, 2, {Layer(15, 0.3f), Layer(40, 0.11f)}, 0},
        LayerCase{"OfTwoEqualTheInnerOne", false, 2, {Layer(30, 0.04f), Layer(40, 0.04f)}, 1},
        LayerCase{"GivenByItsResistanceNot", false, 2, {ByResistance(30, 0.01f, 2), Layer(40, 0.05f)}, 2},
        LayerCase{"NoConductivityNot", false, 2, {Layer(30, 0), Layer(40, 0.05f)}, 2},
        LayerCase{"BeyondTheLayersInUseNot", false, 1, {Layer(30, 0.5f), Layer(40, 0.03f)}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The thickness found is that of the layer the rule names, and every other
// layer keeps its own.
TEST(InsulationLayerThickness, IsFoundForTheMarkedLayerOnly) {
  CalcInputs in;
  in.thicknessTarget = true;
  in.condition = DesignCondition::HeatFlow;
  in.wantedHeatFlow = 10;
  in.layerCount = 2;
  in.layers[1] = Layer(20, 0.03f);
  in.layers[2] = Layer(999, 0.04f, true);
  const CalcOutcome outcome = Calculate(in);
  ASSERT_TRUE(outcome.hasResults);
  EXPECT_EQ(outcome.results.insulationLayer, 2);
  EXPECT_EQ(outcome.results.thicknesses[1], 20.0f);
  EXPECT_NEAR(outcome.results.heatFlow, 10, 1e-3);
}

}  // namespace
