// SPDX-License-Identifier: GPL-3.0-or-later
// The summary of project files: a row per file with what the window shows once
// it has opened it, and brenak-cli summary printing the rows.

#include "app/CliProcess.h"
#include "app/ProjectSummary.h"
#include "form/NumberFormat.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QJsonArray>
#include <algorithm>

namespace {

class ProjectSummaryTest : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator(QLatin1Char('.')); }
  void TearDown() override { ResetDecimalSeparator(); }

  static ProjectSummary Summary(const char* name) { return SummarizeProjectFile(CasePath(name), QString()); }
};

// One case of every kind and target, the cells as the window writes them.
TEST_F(ProjectSummaryTest, EachKindIsSummarizedAsTheWindowShowsIt) {
  const ProjectSummary start = Summary("start.txt");
  EXPECT_TRUE(start.read);
  EXPECT_EQ(SummaryCells(start).mid(1),
            (QStringList{"Sin especificar", "Placa plana", "Vertical", "Espesor aislamiento", "Flujo de calor (W/m2)",
                         "Aislante 1", "33.06", "15.00 W/m2", "1.000 W/m2ºC", "10.94",
                         "RITE IT 1.2.4.2.1: la tabla de espesores mínimos no se aplica a este elemento", ""}));

  // The line of a pipe with the water estimate carries the total after the
  // heat flow per metre; the condition's row loses the captions beside it.
  const ProjectSummary pipe = Summary("pipe_air_final_temp.txt");
  EXPECT_EQ(pipe.element, "Tubería");
  EXPECT_EQ(pipe.variant, "Al aire vertical");
  EXPECT_EQ(pipe.condition, "Temp. final agua");
  EXPECT_EQ(pipe.heatFlow, "36.17 W/m");
  EXPECT_EQ(pipe.resistance, "1.935 mºC/W");

  const ProjectSummary sphere = Summary("sphere.txt");
  EXPECT_EQ(sphere.variant, "");
  EXPECT_EQ(sphere.heatFlow, "0.50 W");
  EXPECT_EQ(sphere.resistance, "30.000 ºC/W");

  // A duct's line gives its flow per metre first, then per m2.
  const ProjectSummary duct = Summary("duct.txt");
  EXPECT_EQ(duct.element, "Conducto o depósito");
  EXPECT_EQ(duct.variant, "Conductos aire");
  EXPECT_EQ(duct.target, "Flujo de calor");
  EXPECT_EQ(duct.condition, "");
  EXPECT_EQ(duct.heatFlow, "235.40 W/m");

  // A tank's resistance line holds no figure.
  const ProjectSummary tank = Summary("tank.txt");
  EXPECT_EQ(tank.heatFlow, "288.90 W");
  EXPECT_EQ(tank.resistance, "");
  EXPECT_EQ(tank.rite,
            "RITE IT 1.2.4.2.1: mínimo 35.0 mm en interior, 45.0 mm en exterior; el aislamiento de "
            "50.0 mm cumple en interior y en exterior");
}

TEST_F(ProjectSummaryTest, TheInsulationLayerIsTheOneTheRegulationLineJudges) {
  // Unmarked, on a heat flow: the least conductive insulating layer of three.
  const ProjectSummary wall = Summary("plate_condensation.txt");
  EXPECT_EQ(wall.insulation, "Poliestireno expandido");
  EXPECT_EQ(wall.thickness, "40");
  const ProjectSummary buried = Summary("buried_box.txt");
  EXPECT_EQ(buried.thickness, "37.5");
  EXPECT_EQ(buried.rite,
            "RITE IT 1.2.4.2.1: mínimo 40.0 mm (tubería enterrada, exterior); el aislamiento de 37.5 mm no cumple");
}

TEST_F(ProjectSummaryTest, WithoutResultsOnlyTheMessagesAreShown) {
  // The bare element's line of a refused condition is no result of the case.
  const ProjectSummary refused = Summary("refused_condition.txt");
  EXPECT_TRUE(refused.read);
  EXPECT_EQ(refused.reference, "Flujo mayor que sin aislar");
  EXPECT_EQ(refused.heatFlow + refused.resistance + refused.surfaceTemperature + refused.rite, "");
  EXPECT_EQ(refused.messages,
            "No es posible calcular un espesor de aislante, ya que sin aislamiento el flujo de calor ya es menor");

  const ProjectSummary incomplete = Summary("incomplete.txt");
  EXPECT_EQ(incomplete.messages,
            "Falta especificar la temperatura interior | Falta especificar el flujo de calor que se desea transferir");

  const ProjectSummary file = Summary("refused_file.txt");
  EXPECT_FALSE(file.read);
  EXPECT_EQ(file.reference + file.element + file.target + file.insulation, "");
  EXPECT_EQ(file.messages,
            "No es posible abrir el proyecto \"refused_file.txt\": el dato nº 66 está fuera de límites (7, se espera "
            "de 1 a 4).");

  const ProjectSummary missing = Summary("no_such_file.txt");
  EXPECT_FALSE(missing.read);
  EXPECT_FALSE(missing.messages.isEmpty());
}

TEST_F(ProjectSummaryTest, CsvQuotesCellsThatHoldItsSeparator) {
  const std::vector<ProjectSummary> rows{Summary("pipe_air_flow.txt")};
  const QStringList point = SummaryAsCsv(rows).split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(point.size(), 2);
  EXPECT_EQ(point[0].count(','), SummaryHeader().size() - 1);
  EXPECT_TRUE(point[1].contains(",\"Tubería de agua caliente, nave 2\",Tubería,")) << point[1].toStdString();

  SetDecimalSeparator(QLatin1Char(','));
  const QStringList comma = SummaryAsCsv({Summary("pipe_air_flow.txt")}).split('\n', Qt::SkipEmptyParts);
  // Fields split by ";" leave a comma unquoted.
  EXPECT_TRUE(comma[1].contains(";Tubería de agua caliente, nave 2;Tubería;")) << comma[1].toStdString();
  EXPECT_TRUE(comma[1].contains(";7,69 W/m;")) << comma[1].toStdString();
}

// brenak-cli summary over the golden cases.

QStringList CaseFiles() {
  QStringList files;
  for (const QString& name : QDir(QStringLiteral(BRENAK_CASES_DIR)).entryList({"*.txt"}, QDir::Files, QDir::Name))
    files << CasePath(name);
  return files;
}

TEST(CliSummary, GivesEveryFileItsRowInOrderAndTwoForARefusedOne) {
  QStringList files = CaseFiles();
  ASSERT_TRUE(files.contains(CasePath("refused_file.txt")));
  std::reverse(files.begin(), files.end());
  const CliRun r = RunCli(QStringList{"summary"} + files + QStringList{"--decimal-separator", "."});
  EXPECT_EQ(r.status, 2);
  const QStringList lines = QString::fromUtf8(r.out).split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), files.size() + 1);
  EXPECT_EQ(lines[0], SummaryHeader().join(','));
  for (int i = 0; i < files.size(); ++i) {
    EXPECT_TRUE(lines[i + 1].startsWith(files[i] + ',')) << lines[i + 1].toStdString();
    // A refused file: its name and its message, quoted, nothing between.
    if (files[i].endsWith("refused_file.txt")) {
      EXPECT_EQ(lines[i + 1],
                files[i] + QString(12, ',') +
                    "\"No es posible abrir el proyecto \"\"refused_file.txt\"\": el dato nº 66 está fuera de "
                    "límites (7, se espera de 1 a 4).\"");
    }
  }

  const CliRun json = RunCli({"summary", CasePath("start.txt"), CasePath("sphere.txt"), "--format", "json"});
  EXPECT_EQ(json.status, 0) << json.err.toStdString();
  const QJsonArray rows = QJsonDocument::fromJson(json.out).array();
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows[1].toObject()["Referencia"].toString(), "Esfera de 125 mm");
  EXPECT_EQ(rows[1].toObject().size(), SummaryHeader().size());
}

}  // namespace
