// SPDX-License-Identifier: GPL-3.0-or-later
// A row is a whole case: its figures are those of the case it stands for,
// calculated alone and opened in the main window, for every element; and a
// case opened from a row comes back to the same row.
#include "EnglishInterface.h"
#include "InstallationFixture.h"
#include "engine/OutcomeFingerprint.h"

#include "app/Brenak.h"
#include "app/ProjectCommands.h"
#include "app/StartUp.h"
#include "engine/InsulationLayer.h"
#include "form/NumberFormat.h"
#include "installation/RowCalculation.h"
#include "installation/RowCase.h"
#include "results/CaseCalculation.h"
#include "results/ResultLines.h"

#include <QFile>
#include <QTemporaryDir>
#include <tuple>

namespace {

// An element, a template with or without a wall, and the decimal separator.
using RowParam = std::tuple<SectionElement, bool, QChar>;

class RowAsCase : public ::testing::TestWithParam<RowParam> {
 protected:
  void SetUp() override {
    SetDecimalSeparator(std::get<2>(GetParam()));
    doc.templateCase = std::get<1>(GetParam()) ? WalledTemplate() : PipeTemplate();
    row = MakeRow(std::get<0>(GetParam()));
  }
  void TearDown() override { ResetDecimalSeparator(); }

  InstallationDocument doc;
  InstallationRow row;
};

TEST_P(RowAsCase, GivesTheFiguresOfItsCaseAloneAndInTheWindow) {
  const RowOutcome outcome = CalculateRow(doc, row);
  ASSERT_TRUE(outcome.Calculated()) << outcome.refusal->text.toStdString();

  const Case c = RowCase(doc, row);
  const CaseOutcome alone = CalculateCase(c);
  ASSERT_TRUE(alone.HasResults());
  const Results& r = alone.engine.results;

  // The window opens the case as a project and calculates it.
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("row.txt"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(WriteCase(c));
  file.close();
  RecordingMessageSink sink;
  Brenak app(sink);
  CreateMainWindow(app, dir.path());
  ASSERT_TRUE(OpenProjectFile(app, path));
  ASSERT_TRUE(app.lastOutcome.has_value());
  EXPECT_EQ(Fingerprint(alone.engine).Text(), Fingerprint(app.lastOutcome->engine).Text());

  // The row's figures are those the window writes.
  const ResultLines lines = MakeResultLines(alone);
  EXPECT_EQ(lines.heatFlow, app.form.Text(QStringLiteral("LabelQ")));
  EXPECT_EQ(lines.rite, app.form.Text(QStringLiteral("LabelRITE")));
  EXPECT_EQ(lines.heatFlowFigure, FormatFixed(outcome.heatFlowPerUnit, 5, 2) + QLatin1Char(' ') + outcome.unit);
  EXPECT_DOUBLE_EQ(outcome.heatFlow, outcome.heatFlowPerUnit * ParseNumber(row.length));
  EXPECT_EQ(outcome.surfaceTemperature, r.temperatures[static_cast<size_t>(r.layerCount)]);

  // The insulation is the row's, at its thickness, and judged as the case judges it.
  const int layer = RowInsulationLayer(doc, row);
  EXPECT_EQ(InsulationLayerOf(alone.inputs), layer);
  EXPECT_EQ(c.layers[static_cast<size_t>(layer - 1)].name, QStringLiteral("Lana de vidrio"));
  EXPECT_FLOAT_EQ(outcome.thickness, 30);
  ASSERT_TRUE(alone.rite.has_value());
  EXPECT_EQ(outcome.rite.scope, alone.rite->scope);
  EXPECT_EQ(outcome.rite.insideMinimum, alone.rite->insideMinimum);
  EXPECT_EQ(outcome.rite.outsideMinimum, alone.rite->outsideMinimum);

  // The size is that of the face the insulation lies on: the regulation's
  // diameter is the row's, the wall inside it.
  if (IsPipeElement(row.element)) {
    EXPECT_NEAR(outcome.rite.diameter, 60.3, 1e-3);
  }

  // The bare section loses more than the insulated one.
  ASSERT_TRUE(outcome.bareCalculated);
  EXPECT_GT(outcome.bareHeatFlow, outcome.heatFlow);
}

TEST_P(RowAsCase, ComesBackFromItsCaseUnchanged) {
  const RowFromCaseResult back = RowFromCase(doc, row, RowCase(doc, row));
  EXPECT_EQ(back.row, row);
  EXPECT_TRUE(back.leftOut.isEmpty()) << back.leftOut.join(", ").toStdString();
}

TEST_P(RowAsCase, BringsBackWhatFitsTheRowAndNamesTheRest) {
  Case c = RowCase(doc, row);
  const int layer = RowInsulationLayer(doc, row);
  c.layers[static_cast<size_t>(layer - 1)].thickness = QStringLiteral("45");
  c.interiorTemperature = QStringLiteral("80");
  if (c.IsBuriedPipe())
    c.soilTemperature = QStringLiteral("12");
  else
    c.exteriorTemperature = QStringLiteral("12");
  c.interiorHumidity = QStringLiteral("33");  // no column of a row holds it

  const RowFromCaseResult back = RowFromCase(doc, row, c);
  EXPECT_EQ(back.row.thickness, QStringLiteral("45"));
  EXPECT_EQ(back.row.fluidTemperature, QStringLiteral("80"));
  EXPECT_EQ(back.row.surroundingsTemperature, QStringLiteral("12"));
  EXPECT_EQ(back.row.diameter, row.diameter);
  EXPECT_EQ(back.leftOut.size(), 1) << back.leftOut.join(", ").toStdString();
  // The row brought back stands for the edited case in everything it holds.
  Case now = RowCase(doc, back.row);
  now.interiorHumidity = c.interiorHumidity;
  EXPECT_EQ(now, c);
}

// What the row cannot hold is named by the field's meaning and its layer, in
// the language in force.
TEST_P(RowAsCase, NamesWhatItCannotHoldInTheLanguageInForce) {
  Case c = RowCase(doc, row);
  const int layer = RowInsulationLayer(doc, row);
  c.layers[static_cast<size_t>(layer - 1)].vapourResistivity = QStringLiteral("77");
  const QString place = QString::number(layer);
  EXPECT_EQ(RowFromCase(doc, row, c).leftOut,
            QStringList{QStringLiteral("Resistividad al vapor de la capa (capa %1)").arg(place)});
  EnglishInterface english;
  EXPECT_EQ(RowFromCase(doc, row, c).leftOut,
            QStringList{QStringLiteral("Layer water-vapour resistivity (layer %1)").arg(place)});
}

INSTANTIATE_TEST_SUITE_P(Elements, RowAsCase,
                         ::testing::Combine(::testing::ValuesIn(AllElements()), ::testing::Bool(),
                                            ::testing::Values(QChar('.'), QChar(','))),
                         [](const auto& info) {
                           return SectionElementKey(std::get<0>(info.param)).toStdString() +
                                  (std::get<1>(info.param) ? "_walled" : "_bare") +
                                  (std::get<2>(info.param) == '.' ? "_point" : "_comma");
                         });

// A size of the pipe tables brings its bore and its wall in place of the
// template's; the regulation judges the outside of that wall.
TEST(RowCase, PipeSizeOfTheTablesBringsItsWall) {
  InstallationDocument doc;
  doc.templateCase = WalledTemplate();
  InstallationRow row = MakeRow(SectionElement::PipeInAirHorizontal);
  row.pipeSize = QStringLiteral("acero dn50");
  row.diameter.clear();
  const Case c = RowCase(doc, row);
  EXPECT_EQ(c.layers[0].name, QStringLiteral("Acero DN50"));
  EXPECT_FLOAT_EQ(ParseNumber(c.interiorDiameter), 53.1f);
  EXPECT_FLOAT_EQ(ParseNumber(c.layers[0].thickness), 3.6f);
  EXPECT_EQ(c.LayerCount(), 3);
  const RowOutcome outcome = CalculateRow(doc, row);
  ASSERT_TRUE(outcome.Calculated());
  EXPECT_NEAR(outcome.rite.diameter, 60.3, 1e-3);

  row.pipeSize = QStringLiteral("Acero DN51");
  const RowOutcome unknown = CalculateRow(doc, row);
  ASSERT_FALSE(unknown.Calculated());
  EXPECT_EQ(unknown.refusedColumn, QStringLiteral("diametro_mm"));
}

// A row that cannot be a case is refused with the column it is about and a
// message of the kind its fault is; what was typed stays in the row.
TEST(RowCase, RefusedRowsSayWhy) {
  InstallationDocument doc;
  doc.templateCase = WalledTemplate();
  struct Fault {
    const char* column;
    QString InstallationRow::*text;
    const char* value;
    MessageId id;
  };
  const Fault faults[] = {
      {"diametro_mm", &InstallationRow::diameter, "", MessageId::MissingInput},
      {"diametro_mm", &InstallationRow::diameter, "6", MessageId::FieldOutOfLimits},  // inside the 3 mm wall
      {"longitud_m", &InstallationRow::length, "0", MessageId::FieldOutOfLimits},
      {"t_fluido", &InstallationRow::fluidTemperature, "caliente", MessageId::FieldNotANumber},
      {"material", &InstallationRow::material, "Corcho", MessageId::General},
      {"espesor_mm", &InstallationRow::thickness, "-5", MessageId::FieldOutOfLimits},
  };
  for (const Fault& fault : faults) {
    InstallationRow row = MakeRow(SectionElement::PipeInAirVertical);
    row.*fault.text = QString::fromLatin1(fault.value);
    const RowOutcome outcome = CalculateRow(doc, row);
    ASSERT_FALSE(outcome.Calculated()) << fault.column << " " << fault.value;
    EXPECT_EQ(outcome.refusedColumn, QLatin1String(fault.column)) << fault.value;
    EXPECT_EQ(outcome.refusal->id, fault.id) << fault.column << " " << fault.value;
    EXPECT_FALSE(outcome.refusal->text.isEmpty());
  }

  // The case's own checks speak for what the template lacks.
  doc.templateCase.exteriorMode = 0;  // imposed, and not given
  doc.templateCase.exteriorCoefficient.clear();
  const RowOutcome outcome = CalculateRow(doc, MakeRow(SectionElement::PipeInAirVertical));
  ASSERT_FALSE(outcome.Calculated());
  EXPECT_EQ(outcome.refusal->id, MessageId::MissingInput);
  EXPECT_EQ(FindCaseField(outcome.refusedColumn)->text, &Case::exteriorCoefficient);
}

// The one layer of a template, taken off for the bare section, is left at no
// thickness: the pipe with nothing on it, which a hair of insulation hardly
// changes.
TEST(RowCase, BareSectionOfAOneLayerTemplate) {
  InstallationDocument doc;
  doc.templateCase = PipeTemplate();
  const InstallationRow row = MakeRow(SectionElement::PipeInAirHorizontal);
  const CaseOutcome bare = CalculateCase(BareRowCase(doc, row));
  ASSERT_TRUE(bare.HasResults());
  const CaseOutcome hair = CalculateCase(RowCase(doc, row, 0.01f));
  ASSERT_TRUE(hair.HasResults());
  EXPECT_NEAR(bare.engine.results.heatFlow, hair.engine.results.heatFlow, 0.005 * hair.engine.results.heatFlow);

  // With a wall, the bare section is the wall alone.
  doc.templateCase = WalledTemplate();
  const Case walled = BareRowCase(doc, row);
  EXPECT_EQ(walled.LayerCount(), 2);
  EXPECT_EQ(walled.layers[0].name, QStringLiteral("Acero"));
  EXPECT_EQ(walled.layers[1].name, QStringLiteral("Aluminio"));
}

}  // namespace
