// SPDX-License-Identifier: GPL-3.0-or-later
// The installation's sums, the regulation's two procedures, "mínimo RITE"
// and the bill of materials.
#include "InstallationFixture.h"

#include "form/NumberFormat.h"
#include "installation/InstallationCalculation.h"
#include "installation/InstallationExport.h"
#include "installation/RowCase.h"
#include "studies/ThicknessSweep.h"

#include <cmath>
#include <map>

namespace {

// A document of every element, one row refused, hot and cold fluids.
InstallationDocument MixedDocument() {
  InstallationDocument doc;
  doc.templateCase = WalledTemplate();
  for (SectionElement e : AllElements()) doc.rows.push_back(MakeRow(e));
  doc.rows.push_back(MakeRow(SectionElement::PipeInAirHorizontal, "7", "25"));  // chilled water
  doc.rows.back().pipeSize = QStringLiteral("Acero DN25");
  doc.rows.push_back(MakeRow(SectionElement::PipeInAirHorizontal, "60", "15"));
  doc.rows.back().riteMinimum = true;
  doc.rows.push_back(MakeRow(SectionElement::Duct, "14", "28"));
  doc.rows.back().material = QStringLiteral("Corcho");  // no list holds it: refused
  doc.totals.hoursPerYear = QStringLiteral("3000");
  doc.totals.energyPrice = QStringLiteral("0,09");
  doc.totals.co2Factor = QStringLiteral("0.252");
  doc.totals.maximumPower = QStringLiteral("150");
  return doc;
}

TEST(InstallationTotals, AreTheSumsOfTheRows) {
  const InstallationDocument doc = MixedDocument();
  const InstallationResults results = CalculateInstallation(doc);
  ASSERT_EQ(results.rows.size(), doc.rows.size());
  double flow = 0, bare = 0, pipes = 0;
  int calculated = 0;
  for (size_t i = 0; i < doc.rows.size(); ++i) {
    const RowOutcome& o = results.rows[i];
    if (!o.Calculated()) continue;
    ++calculated;
    flow += std::fabs(o.heatFlow);
    bare += std::fabs(o.bareHeatFlow);
    if (IsPipeElement(doc.rows[i].element)) pipes += std::fabs(o.heatFlow);
  }
  const InstallationTotals& t = results.totals;
  EXPECT_EQ(t.rowsCalculated, calculated);
  EXPECT_EQ(t.rowsLeftOut, 1);
  EXPECT_FALSE(results.rows.back().Calculated());
  EXPECT_NEAR(t.heatFlowW, flow, 1e-9 * flow);
  EXPECT_NEAR(t.bareHeatFlowW, bare, 1e-9 * bare);
  EXPECT_NEAR(t.energyKwhYear, flow * 3000 / 1000, 1e-6);
  EXPECT_NEAR(t.costEurosYear, t.energyKwhYear * double(0.09f), 1e-6);
  EXPECT_NEAR(t.co2KgYear, t.energyKwhYear * double(0.252f), 1e-6);
  EXPECT_NEAR(t.savedEnergyKwhYear, (bare - flow) * 3, 1e-6);
  EXPECT_NEAR(t.rite.pipeLossW, pipes, 1e-9 * pipes);
  EXPECT_NEAR(t.rite.lossPercent, pipes / 150000 * 100, 1e-9);
}

// Editing a row recalculates that row and the sums: the same as the whole.
TEST(InstallationTotals, OneRowRecalculatedIsTheWholeRecalculated) {
  InstallationDocument doc = MixedDocument();
  InstallationResults results = CalculateInstallation(doc);
  doc.rows[2].thickness = QStringLiteral("60");
  doc.rows.back().material = QStringLiteral("Lana de vidrio");
  RecalculateRow(doc, 2, results);
  RecalculateRow(doc, static_cast<int>(doc.rows.size()) - 1, results);
  doc.rows.insert(doc.rows.begin() + 1, MakeRow(SectionElement::Sphere));
  InsertRowResult(doc, 1, results);
  doc.rows.erase(doc.rows.begin() + 4);
  RemoveRowResult(doc, 4, results);

  const InstallationResults whole = CalculateInstallation(doc);
  ASSERT_EQ(results.rows.size(), whole.rows.size());
  for (size_t i = 0; i < whole.rows.size(); ++i) {
    EXPECT_EQ(results.rows[i].heatFlow, whole.rows[i].heatFlow) << i;
    EXPECT_EQ(results.rows[i].Calculated(), whole.rows[i].Calculated()) << i;
  }
  EXPECT_EQ(results.totals.heatFlowW, whole.totals.heatFlowW);
  EXPECT_EQ(results.totals.rowsLeftOut, 0);
  EXPECT_EQ(results.bill.lines.size(), whole.bill.lines.size());
}

// The alternative procedure at its boundaries: 4 % of the power, and the
// power of 70 kW over which it governs. A row below its table minimum fails
// both procedures.
struct ProcedureCase {
  const char* name;
  double pipeLoss;  // W, one pipe row
  const char* power;
  bool belowMinimum;
  bool lossWithin, alternativeMeets;
  RiteProcedure governing;
  bool meets;
};

class RiteProceduresAt : public ::testing::TestWithParam<ProcedureCase> {};

TEST_P(RiteProceduresAt, Boundary) {
  const ProcedureCase& p = GetParam();
  InstallationDocument doc;
  doc.rows = {MakeRow(SectionElement::PipeInAirHorizontal), MakeRow(SectionElement::Duct)};
  doc.totals.maximumPower = QString::fromLatin1(p.power);
  std::vector<RowOutcome> outcomes(2);
  outcomes[0].heatFlow = p.pipeLoss;
  outcomes[0].verdict = p.belowMinimum ? RowRiteVerdict::Fails : RowRiteVerdict::Meets;
  outcomes[1].heatFlow = 5000;  // a duct: not a pipe's loss
  outcomes[1].verdict = RowRiteVerdict::Meets;
  const RiteProcedures rite = SumInstallation(doc, outcomes).rite;
  EXPECT_TRUE(rite.powerGiven);
  EXPECT_EQ(rite.lossWithinShare, p.lossWithin);
  EXPECT_EQ(rite.alternativeMeets, p.alternativeMeets);
  EXPECT_EQ(rite.simplifiedMeets, !p.belowMinimum);
  EXPECT_EQ(rite.governing, p.governing);
  EXPECT_EQ(rite.meets, p.meets);
  EXPECT_EQ(rite.belowMinimum, p.belowMinimum ? std::vector<int>{0} : std::vector<int>{});
}

INSTANTIATE_TEST_SUITE_P(
    Installation, RiteProceduresAt,
    ::testing::Values(
        ProcedureCase{"FourPercentExactly", 400, "10", false, true, true, RiteProcedure::Simplified, true},
        ProcedureCase{"JustOverFourPercent", 400.01, "10", false, false, false, RiteProcedure::Simplified, true},
        ProcedureCase{"SeventyKilowattsStillSimplified", 2800, "70", false, true, true, RiteProcedure::Simplified,
                      true},
        ProcedureCase{"OverSeventyTheAlternativeGoverns", 2900, "70,5", false, false, false, RiteProcedure::Alternative,
                      false},
        ProcedureCase{"OverSeventyWithinTheShare", 2820, "70.5", false, true, true, RiteProcedure::Alternative, true},
        ProcedureCase{"BelowTheTablesFailsBoth", 10, "100", true, true, false, RiteProcedure::Alternative, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RiteProcedures, WithoutPowerOnlyTheSimplifiedIsJudged) {
  InstallationDocument doc;
  doc.rows = {MakeRow(SectionElement::PipeInAirHorizontal)};
  std::vector<RowOutcome> outcomes(1);
  outcomes[0].heatFlow = 1e6;
  const RiteProcedures rite = SumInstallation(doc, outcomes).rite;
  EXPECT_FALSE(rite.powerGiven);
  EXPECT_EQ(rite.governing, RiteProcedure::Simplified);
  EXPECT_TRUE(rite.meets);
}

// A section left out may be the one below its minimum: the installation is
// judged only whole, and one of no section meets nothing.
TEST(RiteProcedures, AnInstallationWithSectionsLeftOutHasNoVerdict) {
  InstallationDocument doc;
  doc.rows = {MakeRow(SectionElement::PipeInAirHorizontal), MakeRow(SectionElement::PipeInAirHorizontal)};
  std::vector<RowOutcome> outcomes(2);
  outcomes[0].heatFlow = 10;
  outcomes[0].verdict = RowRiteVerdict::Meets;
  outcomes[1].refusal = Message{kAtencion, QStringLiteral("Falta especificar la temperatura interior")};
  ASSERT_FALSE(outcomes[1].Calculated());
  const InstallationTotals partial = SumInstallation(doc, outcomes);
  EXPECT_EQ(partial.rowsLeftOut, 1);
  EXPECT_FALSE(partial.rite.judged);
  EXPECT_FALSE(partial.rite.meets);
  EXPECT_TRUE(TotalsAsCsv(partial).contains(QStringLiteral("Sin veredicto: 1 sección fuera de los totales")));

  const InstallationTotals empty = SumInstallation(InstallationDocument{}, {});
  EXPECT_FALSE(empty.rite.judged);
  EXPECT_FALSE(empty.rite.meets);
}

// "mínimo RITE" takes the least thickness of the commercial series that meets
// the minimum of the row's placing: a minimum that falls on a thickness of the
// series takes it; a hair above, the next one.
struct MinimumCase {
  const char* name;
  const char* conductivity;
  const char* diameter;
  const char* fluid;
  RitePlacing placing;
  float expected;  // mm; 0: no minimum, calculated without insulation
  bool met;
};

class RiteMinimumAt : public ::testing::TestWithParam<MinimumCase> {};

TEST_P(RiteMinimumAt, TakesTheLeastCommercialThicknessThatMeets) {
  const MinimumCase& p = GetParam();
  InstallationDocument doc;
  doc.templateCase = PipeTemplate();
  InstallationRow row = MakeRow(SectionElement::PipeInAirHorizontal, p.fluid, "20");
  row.conductivity = QString::fromLatin1(p.conductivity);
  row.diameter = QString::fromLatin1(p.diameter);
  row.placing = p.placing;
  row.riteMinimum = true;
  const RowOutcome outcome = CalculateRow(doc, row);
  ASSERT_TRUE(outcome.Calculated()) << outcome.refusal->text.toStdString();
  EXPECT_TRUE(outcome.thicknessFromRite);
  EXPECT_FLOAT_EQ(outcome.thickness, p.expected);
  EXPECT_EQ(outcome.noCommercialThickness, !p.met);
  if (p.expected == 0) {
    EXPECT_EQ(outcome.verdict, RowRiteVerdict::NotApplicable);
    return;
  }
  EXPECT_EQ(outcome.verdict, p.met ? RowRiteVerdict::Meets : RowRiteVerdict::Fails);

  // The thickness before it in the series does not meet.
  const std::vector<float>& series = CommercialThicknesses();
  const auto at = std::find(series.begin(), series.end(), p.expected);
  ASSERT_NE(at, series.end());
  if (at != series.begin() && p.met) {
    row.riteMinimum = false;
    row.thickness = FormatFixed(*(at - 1), 6, 0);
    EXPECT_EQ(CalculateRow(doc, row).verdict, RowRiteVerdict::Fails);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Row, RiteMinimumAt,
    ::testing::Values(
        // Hot 40–60 ºC, D ≤ 35: 25 mm inside, 35 outside at the reference conductivity.
        MinimumCase{"OnASeriesThickness", "0.04", "33.7", "50", RitePlacing::Inside, 25, true},
        MinimumCase{"AHairAbove", "0.0401", "33.7", "50", RitePlacing::Inside, 32, true},
        MinimumCase{"OutsideTakesTheOutsideTable", "0.04", "33.7", "50", RitePlacing::Outside, 40, true},
        MinimumCase{"ALowerConductivityNeedsLess", "0.03", "33.7", "50", RitePlacing::Inside, 19, true},
        MinimumCase{"NoneOfTheSeriesMeets", "0.09", "200", "150", RitePlacing::Outside, 150, false},
        MinimumCase{"NoMinimumBelowFortyDegrees", "0.04", "33.7", "30", RitePlacing::Inside, 0, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InstallationTotals, DataOutOfBoundsAreToldAndCountAsNothing) {
  InstallationDocument doc;
  doc.rows = {MakeRow(SectionElement::PipeInAirHorizontal)};
  std::vector<RowOutcome> outcomes(1);
  outcomes[0].heatFlow = 100;
  struct Bad {
    QString InstallationTotalsData::*text;
    const char* value;
  };
  const Bad bads[] = {{&InstallationTotalsData::hoursPerYear, "8761"},
                      {&InstallationTotalsData::hoursPerYear, "mucho"},
                      {&InstallationTotalsData::energyPrice, "-0.1"},
                      {&InstallationTotalsData::co2Factor, ""},
                      {&InstallationTotalsData::maximumPower, "0"}};
  for (const Bad& bad : bads) {
    InstallationDocument wrong = doc;
    wrong.totals.*bad.text = QString::fromLatin1(bad.value);
    EXPECT_FALSE(CheckTotalsData(wrong.totals).isEmpty()) << bad.value;
    const InstallationTotals t = SumInstallation(wrong, outcomes);
    EXPECT_EQ(t.dataProblem, CheckTotalsData(wrong.totals));
    EXPECT_EQ(t.heatFlowW, 100);
  }
  doc.totals.hoursPerYear = QStringLiteral("8760");
  doc.totals.maximumPower.clear();
  EXPECT_TRUE(CheckTotalsData(doc.totals).isEmpty());
  EXPECT_EQ(SumInstallation(doc, outcomes).energyKwhYear, 876);
}

// The bill: every calculated row's insulation, a line per material, thickness
// and size, and the totals per material add up to the lines.
TEST(BillOfMaterials, AddsUp) {
  const InstallationDocument doc = MixedDocument();
  const InstallationResults results = CalculateInstallation(doc);
  const BillOfMaterials& bill = results.bill;

  std::map<QString, double> metres, squareMetres;
  int sections = 0;
  for (const BillLine& line : bill.lines) {
    (line.unit == QStringLiteral("m") ? metres : squareMetres)[line.material] += line.quantity;
    sections += line.sections;
    EXPECT_EQ(line.size.isEmpty(), line.unit == QStringLiteral("m2")) << line.material.toStdString();
  }
  for (const BillMaterialTotal& total : bill.totals) {
    EXPECT_NEAR(total.metres, metres[total.material], 1e-9);
    EXPECT_NEAR(total.squareMetres, squareMetres[total.material], 1e-9);
  }
  // Every calculated row with insulation is in one line.
  int insulated = 0;
  double pipeMetres = 0;
  for (size_t i = 0; i < doc.rows.size(); ++i) {
    if (!results.rows[i].Calculated() || !(results.rows[i].thickness > 0)) continue;
    ++insulated;
    if (IsPipeElement(doc.rows[i].element)) pipeMetres += ParseNumber(doc.rows[i].length);
  }
  EXPECT_EQ(sections, insulated);
  double allMetres = 0;
  for (const auto& [material, m] : metres) allMetres += m;
  EXPECT_NEAR(allMetres, pipeMetres, 1e-9);

  // Lines of one material stay together, thinner first.
  for (size_t i = 1; i < bill.lines.size(); ++i)
    if (bill.lines[i].material == bill.lines[i - 1].material) {
      EXPECT_LE(bill.lines[i - 1].thickness, bill.lines[i].thickness);
    }
}

// Products that share a layer's name are bought apart, and so is a material
// whose conductivity the row gives.
TEST(BillOfMaterials, AProductALine) {
  InstallationDocument doc = MixedDocument();
  InstallationRow blanket = MakeRow(SectionElement::PipeInAirHorizontal);
  InstallationRow sections = blanket;
  sections.material = QStringLiteral("Coquilla lana de vidrio (valor típico)");
  InstallationRow given = blanket;
  given.conductivity = QStringLiteral("0.05");
  doc.rows = {blanket, sections, given};
  const BillOfMaterials bill = CalculateInstallation(doc).bill;
  ASSERT_EQ(bill.totals.size(), 3u);
  EXPECT_EQ(bill.totals[0].material, QStringLiteral("Lana de vidrio"));
  EXPECT_EQ(bill.totals[1].material, QStringLiteral("Coquilla lana de vidrio (valor típico)"));
  EXPECT_TRUE(bill.totals[2].material.startsWith(QStringLiteral("Lana de vidrio (0")))
      << bill.totals[2].material.toStdString();
  for (const BillMaterialTotal& total : bill.totals) EXPECT_NEAR(total.metres, 12, 1e-9);
}

TEST(BillOfMaterials, SurfacesOfTheElements) {
  InstallationRow duct = MakeRow(SectionElement::Duct);  // 600 × 400 mm, 12 m
  EXPECT_NEAR(InsulatedSurface(duct), 2 * (0.6 + 0.4) * 12, 1e-9);
  InstallationRow tank = MakeRow(SectionElement::TankVertical);  // Ø 800 × 1800 mm, 2 units
  EXPECT_NEAR(InsulatedSurface(tank), 2 * (M_PI * 0.8 * 1.8 + 2 * M_PI * 0.16), 1e-9);
  InstallationRow sphere = MakeRow(SectionElement::Sphere);  // Ø 500 mm, 2 units
  EXPECT_NEAR(InsulatedSurface(sphere), 2 * M_PI * 0.25, 1e-9);
  InstallationRow plate = MakeRow(SectionElement::Plate);
  EXPECT_NEAR(InsulatedSurface(plate), 12, 1e-9);
  EXPECT_EQ(InsulatedSurface(MakeRow(SectionElement::BuriedPipe)), 0);

  // Pipes are listed by their size: a size of the tables by its name, a
  // diameter with every digit typed, so that two sizes are never one label.
  InstallationRow pipe = MakeRow(SectionElement::PipeInAirHorizontal);
  pipe.diameter = QStringLiteral("21,34");
  InstallationRow other = pipe;
  other.diameter = QStringLiteral("21.3");
  EXPECT_NE(PipeSizeLabel(pipe), PipeSizeLabel(other));
  pipe.pipeSize = QStringLiteral("cobre 20/22");
  EXPECT_EQ(PipeSizeLabel(pipe), QStringLiteral("Cobre 20/22"));
}

}  // namespace
