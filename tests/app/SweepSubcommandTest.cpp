// SPDX-License-Identifier: GPL-3.0-or-later
// brenak-cli sweep: the table of thicknesses of a project file, row by row the
// heat flow the window gives for the same case calculated at that thickness.

#include "app/CliProcess.h"
#include "files/CaseFile.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

namespace {

// The heat flow of a JSON row of the table.
QString HeatFlowCell(const QJsonObject& row) {
  for (auto it = row.begin(); it != row.end(); ++it)
    if (it.key().startsWith("Flujo de calor (")) return it.value().toString();
  return QString();
}

// A case and the layer its table varies: the marked one of a thickness
// calculation, the least conductive insulant of a heat flow.
struct SweepCase {
  const char* file;
  int layer;
};

class CliSweepAgainstCalc : public ::testing::TestWithParam<SweepCase> {};

TEST_P(CliSweepAgainstCalc, EveryRowIsTheHeatFlowOfASingleCalculation) {
  const QString file = CasePath(GetParam().file);
  const int layer = GetParam().layer;

  const CliRun sweep =
      RunCli({"sweep", file, "--thickness", "12.5,25", "--format", "json", "--decimal-separator", "."});
  ASSERT_EQ(sweep.status, 0) << sweep.err.toStdString();
  const QJsonArray rows = QJsonDocument::fromJson(sweep.out).array();
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows[0].toObject()["Espesor (mm)"].toString(), "12.5");
  EXPECT_EQ(rows[1].toObject()["Espesor (mm)"].toString(), "25");

  for (int i = 0; i < 2; ++i) {
    const QString thickness = i == 0 ? "12.5" : "25";
    const CliRun calc = RunCli({"calc", file, "--click", "RadioGroupCalcular=0", "--set",
                                QStringLiteral("Edit%1e=%2").arg(layer).arg(thickness), "--click", "SpeedButton1",
                                "--decimal-separator", "."});
    ASSERT_EQ(calc.status, 0) << calc.err.toStdString();
    const QString flow = HeatFlowCell(rows[i].toObject());
    ASSERT_FALSE(flow.isEmpty());
    // The window's line holds the figure followed by its unit.
    EXPECT_TRUE(calc.Text("LabelQ").contains(" " + flow + " W"))
        << thickness.toStdString() << " mm: " << calc.Text("LabelQ").toStdString() << " / " << flow.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, CliSweepAgainstCalc,
                         ::testing::Values(SweepCase{"start.txt", 1}, SweepCase{"pipe_air_final_temp.txt", 1},
                                           SweepCase{"sphere.txt", 1}, SweepCase{"economic.txt", 1},
                                           SweepCase{"plate_condensation.txt", 2}, SweepCase{"tank.txt", 1}),
                         [](const auto& info) {
                           return QString::fromLatin1(info.param.file).chopped(4).toStdString();
                         });

// --layer varies another layer of the case: the plaster of a wall, at its own
// 15 mm the wall's own heat flow.
TEST(CliSweep, TheLayerOptionChoosesTheLayerThatVaries) {
  const QString wall = CasePath("plate_condensation.txt");
  const CliRun plaster = RunCli({"sweep", wall, "--layer", "1", "--thickness", "15,30", "--decimal-separator", "."});
  ASSERT_EQ(plaster.status, 0) << plaster.err.toStdString();
  const QStringList rows = QString::fromUtf8(plaster.out).split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(rows.size(), 3);
  EXPECT_TRUE(rows[1].startsWith("15,13.21,")) << rows[1].toStdString();  // the case's 13.21 W/m2

  // A layer the case does not use is refused as a case without a table is.
  const CliRun fourth = RunCli({"sweep", wall, "--layer", "4"});
  EXPECT_EQ(fourth.status, 2);
  EXPECT_TRUE(fourth.out.isEmpty());
  EXPECT_TRUE(fourth.err.contains("brenak-cli: La capa 4 no está en uso: el caso tiene 3 capas\n"))
      << fourth.err.toStdString();
}

TEST(CliSweep, WritesCsvWithAHeaderRowInTheChosenSeparator) {
  const CliRun comma =
      RunCli({"sweep", CasePath("start.txt"), "--thickness", "10,12.5,15.52", "--decimal-separator", ","});
  ASSERT_EQ(comma.status, 0) << comma.err.toStdString();
  const QStringList lines = QString::fromUtf8(comma.out).split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 4);
  EXPECT_TRUE(lines[0].startsWith("Espesor (mm);Flujo de calor (W/m2);")) << lines[0].toStdString();
  // Each thickness as it was given.
  EXPECT_TRUE(lines[1].startsWith("10;"));
  EXPECT_TRUE(lines[2].startsWith("12,5;"));
  EXPECT_TRUE(lines[3].startsWith("15,52;")) << lines[3].toStdString();

  // Without a list, the commercial series of 13 thicknesses.
  const CliRun series = RunCli({"sweep", CasePath("start.txt"), "--decimal-separator", "."});
  ASSERT_EQ(series.status, 0);
  const QStringList rows = QString::fromUtf8(series.out).split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(rows.size(), 14);
  EXPECT_TRUE(rows[1].startsWith("10,"));
  EXPECT_TRUE(rows[13].startsWith("150,"));
  // The start case needs 33.06 mm: 40 mm is the next commercial thickness.
  EXPECT_TRUE(rows[6].startsWith("40,") && rows[6].endsWith(",espesor comercial")) << rows[6].toStdString();
}

TEST(CliSweep, ARefusedFileOrCaseExitsWithTwoAndItsReason) {
  const CliRun file = RunCli({"sweep", CasePath("refused_file.txt")});
  EXPECT_EQ(file.status, 2);
  EXPECT_TRUE(file.out.isEmpty());
  EXPECT_TRUE(
      file.err.contains("brenak-cli: Atención: No es posible abrir el proyecto \"refused_file.txt\": el dato "
                        "nº 66 está fuera de límites (7, se espera de 1 a 4).\n"))
      << file.err.toStdString();

  // A case the checks refuse gives no table, and says what it lacks.
  CaseReading start = ReadCaseFile(CasePath("start.txt"));
  ASSERT_TRUE(start.ok());
  start.value.interiorTemperature.clear();
  QTemporaryDir dir;
  QFile lacking(dir.filePath("lacking.txt"));
  ASSERT_TRUE(lacking.open(QIODevice::WriteOnly));
  lacking.write(WriteCase(start.value));
  lacking.close();
  const CliRun incomplete = RunCli({"sweep", lacking.fileName()});
  EXPECT_EQ(incomplete.status, 2);
  EXPECT_TRUE(incomplete.out.isEmpty());
  EXPECT_TRUE(incomplete.err.contains("brenak-cli: Atención: Falta especificar la temperatura interior\n"))
      << incomplete.err.toStdString();
}

TEST(CliSweep, AWrongListOrFormatIsAWrongUse) {
  const QString start = CasePath("start.txt");
  for (const QStringList& args :
       {QStringList{"sweep", start, "--thickness", "10,,20"}, QStringList{"sweep", start, "--thickness", "10;20"},
        QStringList{"sweep", start, "--thickness", "0,10"}, QStringList{"sweep", start, "--format", "xml"},
        QStringList{"sweep", start, "--layer", "0"}, QStringList{"sweep", start, "--layer", "7"},
        QStringList{"sweep", start, "--layer", "dos"}, QStringList{"sweep", start, "--layer"}}) {
    const CliRun r = RunCli(args);
    EXPECT_EQ(r.status, 1) << args.join(' ').toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains("Uso:")) << r.err.toStdString();
  }
}

}  // namespace
