// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CalculationInputs.h"
#include "app/ProjectCommands.h"
#include "app/ThicknessTable.h"
#include "app/WindowFixture.h"
#include "engine/CalcOutcome.h"
#include "engine/ResultFigures.h"
#include "results/RiteLine.h"
#include "studies/ThicknessSweep.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

class ThicknessTableTest : public WindowTest {};

// The start case: a plate with one insulation layer, asked for its thickness.
TEST_F(ThicknessTableTest, EachRowIsTheHeatFlowCalculationOfItsThickness) {
  const std::vector<float> thicknesses{10, 25, 50};
  const ThicknessTable table = BuildThicknessTable(app, thicknesses);
  ASSERT_TRUE(table.refusal.isEmpty());
  ASSERT_EQ(table.rows.size(), 3);
  EXPECT_EQ(table.header[1], QStringLiteral("Flujo de calor (W/m2)"));

  // The same case calculated on the window for its heat flow at 25 mm.
  Do({"RadioGroupCalcular=0"});
  form().UserType("Edit1e", "25");
  Do({"SpeedButton1"});
  const QString shown = form().Text("LabelQ");
  EXPECT_TRUE(shown.contains(table.rows[1][1])) << shown.toStdString() << " / " << table.rows[1][1].toStdString();

  // More insulation, less heat.
  EXPECT_GT(table.heatFlows[0], table.heatFlows[1]);
  EXPECT_GT(table.heatFlows[1], table.heatFlows[2]);
}

// A tank is counted whole, as the window counts it: its heat flow in W, and the
// price per m2 of insulation over the insulation's outer surface (side and ends).
TEST_F(ThicknessTableTest, ATankIsCountedWholeAsTheWindowCountsIt) {
  ASSERT_TRUE(OpenProjectFile(app, QStringLiteral(BRENAK_CASES_DIR "/tank.txt")));
  Do({"RBAislante1"});
  const ThicknessTable table = BuildThicknessTable(app, {50});
  ASSERT_TRUE(table.refusal.isEmpty()) << table.refusal.toStdString();
  EXPECT_EQ(table.header[1], QStringLiteral("Flujo de calor (W)"));
  EXPECT_EQ(table.header[5], QStringLiteral("Energía perdida (kWh y año)"));
  EXPECT_EQ(table.header[7], QStringLiteral("Inversión aislamiento (euros)"));

  form().UserType("Edit1e", "50");
  Do({"SpeedButton1"});
  const QString shown = form().Text("LabelQ");
  ASSERT_TRUE(shown.startsWith(QStringLiteral("Flujo de calor ")) && shown.endsWith(QStringLiteral(" W")));
  EXPECT_NEAR(ParseNumber(shown.section(' ', 3, 3)), table.heatFlows[0], 0.005 + 1e-5 * table.heatFlows[0])
      << shown.toStdString();

  const double r = ParseNumber(form().Text("Editr0")) * 0.0005 + 0.050;  // m, outer face of 50 mm
  const double L = ParseNumber(form().Text("EditLongitud"));
  const double price = 0.24 * 50 + 17;  // euros/m2 from the cost points 100 mm: 41, 125 mm: 47
  EXPECT_NEAR(ParseNumber(table.rows[0][7]), price * 6.2832 * r * (L + r), 0.01);
}

TEST_F(ThicknessTableTest, TheNextCommercialThicknessAfterAThicknessCalculationIsMarked) {
  // The start case needs 33.06 mm for 15 W/m2: 40 mm is the next in the series.
  const ThicknessTable table = BuildThicknessTable(app, CommercialThicknesses());
  ASSERT_GE(table.commercialRow, 0);
  EXPECT_EQ(table.thicknesses[table.commercialRow], 40.0f);
  EXPECT_EQ(table.rows[table.commercialRow].last(), QStringLiteral("espesor comercial"));
  EXPECT_EQ(CommercialRow({10, 20}, 25), -1);
  EXPECT_EQ(CommercialRow({30, 20, 25}, 20), 1);
}

TEST_F(ThicknessTableTest, CopiedAndSavedTablesKeepTheirColumns) {
  const ThicknessTable table = BuildThicknessTable(app, {10, 20});
  const QStringList lines = TableAsTabSeparated(table).split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[1].split('\t').size(), table.header.size());
  // The dialog aligns by what a column holds, a kind for every column.
  EXPECT_EQ(table.numberColumns.size(), static_cast<size_t>(table.header.size()));
  EXPECT_EQ(table.rowCalculated.size(), static_cast<size_t>(table.rows.size()));
  // With a decimal comma the CSV separates its fields with semicolons.
  const QStringList csv = TableAsCsv(table).split('\n', Qt::SkipEmptyParts);
  EXPECT_EQ(csv[1].split(';').size(), table.header.size());
  EXPECT_TRUE(csv[1].startsWith(QStringLiteral("10;")));
  EXPECT_EQ(TableAsJson(table).size(), 2);
}

TEST_F(ThicknessTableTest, AThicknessListIsReadAsTheUserTypesIt) {
  EXPECT_EQ(ParseThicknessList("10; 12,5; 20"), (std::vector<float>{10, 12.5f, 20}));
  EXPECT_EQ(ParseThicknessList("10 20.5 30"), (std::vector<float>{10, 20.5f, 30}));
  EXPECT_EQ(ParseThicknessList("10,20,30"), (std::vector<float>{10, 20, 30}));
  EXPECT_TRUE(ParseThicknessList("10; x").empty());
  EXPECT_TRUE(ParseThicknessList("10; -5").empty());
  EXPECT_EQ(ThicknessListText({10, 12.5f}), QStringLiteral("10; 12,5"));
  EXPECT_EQ(RememberedThicknesses(app), CommercialThicknesses());  // no settings: the series
}

// Whatever the order typed, the table runs from the thinnest insulation to
// the thickest, each thickness once, and marks the commercial row among them.
TEST_F(ThicknessTableTest, ThicknessesInAscendingOrderEachOnce) {
  const ThicknessTable table = BuildThicknessTable(app, {50, 10, 25, 10});
  EXPECT_EQ(table.thicknesses, (std::vector<float>{10, 25, 50}));
  ASSERT_EQ(table.rows.size(), 3);
  EXPECT_EQ(table.rows[0][0], QStringLiteral("10"));
  EXPECT_EQ(table.rows[2][0], QStringLiteral("50"));
  EXPECT_GT(table.heatFlows[0], table.heatFlows[2]);
  EXPECT_EQ(table.commercialRow, 2) << "33.06 mm needed: 50 mm";
}

// "Condensa" answers for every thickness of an element in air, as its margin
// to the dew point says; a buried pipe has no exterior air and no answer.
TEST_F(ThicknessTableTest, CondensationIsAnsweredYesOrNo) {
  form().SetText("EditTi", "-20");
  form().SetText("EditTe", "25");
  for (const float humidity : {90.0f, 30.0f}) {
    const ThicknessTable table = BuildThicknessTable(app, {1, 10, 50}, {{"EditFiE", humidity}});
    ASSERT_EQ(table.rows.size(), 3);
    for (const QStringList& row : table.rows) {
      SCOPED_TRACE(row.join(" | ").toStdString());
      EXPECT_EQ(row[4], ParseNumber(row[3]) < 0 ? QStringLiteral("sí") : QStringLiteral("no"));
    }
    EXPECT_EQ(table.rows[0][4], humidity > 50 ? QStringLiteral("sí") : QStringLiteral("no"));
  }
  ASSERT_TRUE(OpenProjectFile(app, QStringLiteral(BRENAK_CASES_DIR "/buried_box.txt")));
  for (const QStringList& row : BuildThicknessTable(app, {10, 50}).rows) {
    EXPECT_TRUE(row[4].isEmpty());
  }
}

// The humidity, hours and prices the table uses: those of the window when it
// shows them, otherwise the ones given for the table.
TEST_F(ThicknessTableTest, FiguresTheWindowHidesCanBeGiven) {
  const auto controls = [](const std::vector<TableFigure>& figures) {
    QStringList names;
    for (const TableFigure& f : figures) names << QString::fromLatin1(f.control);
    return names;
  };
  EXPECT_EQ(controls(FiguresTheWindowHides(app)), controls(TableFigures())) << "the start case shows none";

  const ThicknessTable window = BuildThicknessTable(app, {25});
  const ThicknessTable given =
      BuildThicknessTable(app, {25}, {{"EditNh", 1000}, {"EditCET", 0.1f}, {"EditFiE", 95}, {"EditCI1", 60}});
  EXPECT_EQ(given.rows[0][1], window.rows[0][1]) << "the same heat flow";
  EXPECT_NEAR(ParseNumber(given.rows[0][5]) / ParseNumber(window.rows[0][5]), 1000.0 / 7920, 1e-3) << "energy";
  EXPECT_NEAR(ParseNumber(given.rows[0][6]) / ParseNumber(given.rows[0][5]), 0.1, 1e-3) << "its cost";
  EXPECT_NE(given.rows[0][3], window.rows[0][3]) << "the margin to a wetter air's dew point";
  EXPECT_NE(given.rows[0][7], window.rows[0][7]) << "the investment";

  // An economic case shows its figures on the window; a buried pipe has no
  // exterior air for a humidity.
  ASSERT_TRUE(OpenProjectFile(app, QStringLiteral(BRENAK_CASES_DIR "/economic.txt")));
  const QStringList economic = controls(FiguresTheWindowHides(app));
  for (const char* shown : {"EditNh", "EditCET", "EditInf", "EditOpor", "EditNa", "EditEsp1", "EditCI2"}) {
    EXPECT_FALSE(economic.contains(QString::fromLatin1(shown))) << shown;
  }
  ASSERT_TRUE(OpenProjectFile(app, QStringLiteral(BRENAK_CASES_DIR "/buried_box.txt")));
  EXPECT_FALSE(controls(FiguresTheWindowHides(app)).contains("EditFiE"));
  EXPECT_TRUE(controls(FiguresTheWindowHides(app)).contains("EditNh"));
}

TEST_F(ThicknessTableTest, ACaseWithoutAMarkedLayerIsRefused) {
  form().SetChecked("RBAislante1", false);
  const ThicknessTable table = BuildThicknessTable(app, {10});
  EXPECT_EQ(table.refused, SweepRefusal::NoMarkedLayer);
  EXPECT_FALSE(table.refusal.isEmpty());
  EXPECT_TRUE(table.rows.isEmpty());
}

// A heat flow has no mark: the table varies the least conductive insulant, or
// the layer chosen, and says why when there is neither.
TEST_F(ThicknessTableTest, AHeatFlowVariesItsInsulantOrTheLayerChosen) {
  ASSERT_TRUE(OpenProjectFile(app, QStringLiteral(BRENAK_CASES_DIR "/plate_condensation.txt")));
  EXPECT_EQ(LayerChoices(app),
            (QStringList{"1 · Enlucido yeso", "2 · Poliestireno expandido", "3 · Ladrillo Perforado"}));
  const ThicknessTable insulant = BuildThicknessTable(app, {40});
  EXPECT_EQ(insulant.layer, 2);
  EXPECT_EQ(insulant.commercialRow, -1);

  // The plaster at its own 15 mm and thicker: the wall's own heat flow, then less.
  const ThicknessTable plaster = BuildThicknessTable(app, {15, 30}, {}, 1);
  ASSERT_EQ(plaster.refused, SweepRefusal::None) << plaster.refusal.toStdString();
  EXPECT_EQ(plaster.layer, 1);
  EXPECT_EQ(plaster.rows[0][1], insulant.rows[0][1]);
  EXPECT_GT(plaster.heatFlows[0], plaster.heatFlows[1]);

  const ThicknessTable fourth = BuildThicknessTable(app, {10}, {}, 4);
  EXPECT_EQ(fourth.refused, SweepRefusal::LayerNotInUse);
  EXPECT_EQ(fourth.refusal, QStringLiteral("La capa 4 no está en uso: el caso tiene 3 capas"));

  // No layer is an insulant: the table waits for a layer to be chosen.
  form().SetText("Edit2k", "0,5");
  const ThicknessTable none = BuildThicknessTable(app, {10});
  EXPECT_EQ(none.refused, SweepRefusal::NoInsulatingLayer);
  EXPECT_EQ(none.layer, 0);
  EXPECT_TRUE(none.rows.isEmpty());
  EXPECT_EQ(BuildThicknessTable(app, {10}, {}, 2).refused, SweepRefusal::None);
}

// Another layer of a thickness calculation varies with the marked layer at the
// thickness the calculation finds: at its own thickness the heat flow is the
// one the insulation was found for, and no commercial thickness is marked.
TEST_F(ThicknessTableTest, AnotherLayerOfAThicknessCalculationKeepsTheThicknessFound) {
  Do({"ComboBox1=1"});
  form().UserType("Edit2e", "200");
  form().UserType("Edit2k", "1");
  const ThicknessTable table = BuildThicknessTable(app, {100, 200, 300}, {}, 2);
  ASSERT_EQ(table.refused, SweepRefusal::None) << table.refusal.toStdString();
  EXPECT_EQ(table.layer, 2);
  EXPECT_EQ(table.commercialRow, -1);
  EXPECT_EQ(table.rows[1][1], QStringLiteral("15,00")) << "the 15 W/m2 asked for";
  EXPECT_GT(table.heatFlows[0], table.heatFlows[2]);
}

// The table of every heat-flow case of tests/cases: its insulation layer
// varies, more insulation lets less heat through, and at the case's own
// thickness the row is the case as the window calculates and judges it.
struct HeatFlowCase {
  const char* file;
  int layer;
};

class HeatFlowCaseTable : public WindowTest, public ::testing::WithParamInterface<HeatFlowCase> {};

TEST_P(HeatFlowCaseTable, VariesItsInsulationAndMeetsTheCaseAtItsOwnThickness) {
  ASSERT_TRUE(OpenProjectFile(app, QStringLiteral(BRENAK_CASES_DIR "/") + GetParam().file));
  const CalcInputs in = ReadCalcInputs(app);
  ASSERT_FALSE(in.thicknessTarget);
  const float own = in.layers[GetParam().layer].thickness;
  std::vector<float> thicknesses = CommercialThicknesses();
  thicknesses.push_back(own);
  const ThicknessTable table = BuildThicknessTable(app, thicknesses);
  ASSERT_EQ(table.refused, SweepRefusal::None) << table.refusal.toStdString();
  EXPECT_EQ(table.layer, GetParam().layer);

  int calculated = 0;
  double last = std::numeric_limits<double>::infinity();
  for (size_t i = 0; i < table.heatFlows.size(); ++i) {
    if (std::isnan(table.heatFlows[i])) continue;
    ++calculated;
    EXPECT_LT(std::abs(table.heatFlows[i]), last) << table.thicknesses[i] << " mm";
    last = std::abs(table.heatFlows[i]);
  }
  EXPECT_GE(calculated, 10);

  const auto at = std::find(table.thicknesses.begin(), table.thicknesses.end(), own) - table.thicknesses.begin();
  const CalcOutcome outcome = Calculate(in);
  ASSERT_TRUE(outcome.hasResults);
  const float q = outcome.results.heatFlow;
  EXPECT_EQ(table.rows[at][1], FormatFixed(in.IsTank() ? TankHeatFlow(in, q) : q, 6, 2));
  const Sweep sweep = RunThicknessSweep(in, {own});
  ASSERT_EQ(sweep.rows.size(), 1u);
  EXPECT_EQ(RiteLine(sweep.rows[0].rite), form().Text("LabelRITE"));
}

INSTANTIATE_TEST_SUITE_P(Cases, HeatFlowCaseTable,
                         ::testing::Values(HeatFlowCase{"buried_box.txt", 1}, HeatFlowCase{"duct.txt", 1},
                                           HeatFlowCase{"pipe_air_flow.txt", 1},
                                           HeatFlowCase{"plate_condensation.txt", 2}, HeatFlowCase{"tank.txt", 1}),
                         [](const auto& info) {
                           return QString::fromLatin1(info.param.file).chopped(4).toStdString();
                         });

}  // namespace
