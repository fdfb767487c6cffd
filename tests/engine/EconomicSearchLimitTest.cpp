// SPDX-License-Identifier: GPL-3.0-or-later
// The economic search of a buried pipe stops where the pipe can hold no more
// insulation: when the cost still falls there, the least cost lies beyond
// what fits and the run says so, rather than showing the limit as the answer.
#include "engine/CalcOutcome.h"
#include "engine/LayerInputs.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char* const kBeyondTheBox =
    "Datos absurdos, pues el espesor económico no cabe en la canalización: con el mayor espesor de aislamiento que "
    "cabe en ella el coste total aún baja";
const char* const kBeyondTheDepth =
    "Datos absurdos, pues con el espesor económico la profundidad a la que está enterrada la tubería sería menor que "
    "su radio exterior: con el mayor espesor de aislamiento que cabe el coste total aún baja";

// A 125 mm pipe of 4.8 mm PVC, cellular glass (0.043 W/mºC) to be found and
// 5.7 mm of stainless steel, at 53 ºC, buried 1.35 m deep in a box of 280 mm
// given by its resistance; the soil's conductivity worked out. Its least
// cost lies at 67.0 mm, the last step of 0.1 mm that the box holds.
CalcInputs PipeInABox() {
  CalcInputs in;
  in.kind = GeometryKind::Pipe;
  in.pipePlacing = 3;
  in.thicknessTarget = true;
  in.condition = DesignCondition::Economic;
  in.Ti = 53;
  in.soilTemperature = 5.8f;
  in.interiorCoef = 288.83f;
  in.interiorDiameter = 125;
  in.layerCount = 3;
  in.layers[1] = Layer(4.8f, 0.2f);
  in.layers[2] = Layer(0, 0.043f, true);
  in.layers[3] = Layer(5.7f, 14.852f);
  in.boxMode = 2;
  in.boxSize = 280;
  in.boxResistance = 0.964f;
  in.soilMode = 1;
  in.soilDensity = 1247;
  in.soilHumidity = 1;
  in.depth = 1.35f;
  in.inflation = 3;
  in.opportunity = 4;
  in.lifeYears = 10;
  in.hoursPerYear = 5257;
  in.energyCost = 0.155f;
  in.thickness1 = 75;
  in.cost1 = 42.22f;
  in.thickness2 = 96;
  in.cost2 = 48.84f;
  return in;
}

struct LimitCase {
  const char* name;
  int placing;          // 2 without a box, 3 in a box
  float boxSize;        // mm
  float depth;          // m
  float shown;          // mm, the thickness on the economic panel
  const char* message;  // nullptr: the least cost fits, no warning
  MessageId id;         // of the warning
};

class EconomicSearchOfABuriedPipe : public ::testing::TestWithParam<LimitCase> {};

TEST_P(EconomicSearchOfABuriedPipe, StopsAtWhatThePipeCanHold) {
  const LimitCase& c = GetParam();
  CalcInputs in = PipeInABox();
  in.pipePlacing = c.placing;
  in.boxSize = c.boxSize;
  in.depth = c.depth;
  const CalcOutcome out = Calculate(in);
  std::vector<std::string> messages;
  for (const CalcMessage& m : out.Messages()) messages.push_back(m.text.toStdString());
  if (c.message) {
    // Only the limit is told: the thickness shown fits, so no geometry check follows.
    EXPECT_EQ(messages, std::vector<std::string>{c.message});
    EXPECT_EQ(out.Messages().front().id, c.id);
    EXPECT_TRUE(out.absurdData);
  } else {
    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_FALSE(out.absurdData);
  }
  ASSERT_TRUE(out.economic);
  EXPECT_NEAR(out.economicOutcome.thickness, c.shown, 0.005);
  // The panel's figures belong to the thickness shown, not to the step beyond it.
  CalcInputs run = in;
  run.thicknessTarget = false;
  run.condition = DesignCondition::None;
  run.layers[2].thickness = out.economicOutcome.thickness;
  const CalcOutcome check = Calculate(run);
  ASSERT_TRUE(check.hasResults);
  EXPECT_FALSE(check.absurdData);
  EXPECT_NEAR(check.results.heatFlow, out.economicOutcome.heatFlow, 1e-3 * out.economicOutcome.heatFlow);
}

INSTANTIATE_TEST_SUITE_P(
    Engine, EconomicSearchOfABuriedPipe,
    ::testing::Values(
        // The step after the least cost no longer fits, and costs no less: the answer stands.
        LimitCase{"LeastCostAtTheBoxWall", 3, 280, 1.35f, 67.0f, nullptr, MessageId::General},
        // A box of 250 mm holds 52 mm; the cost still falls there.
        LimitCase{"LeastCostBeyondTheBox", 3, 250, 1.35f, 52.0f, kBeyondTheBox, MessageId::PipeOutgrowsBox},
        // Buried 0.12 m deep without a box, the pipe holds 47 mm under the ground.
        LimitCase{"LeastCostAboveTheGround", 2, 280, 0.12f, 47.0f, kBeyondTheDepth, MessageId::PipeAboveGround}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
