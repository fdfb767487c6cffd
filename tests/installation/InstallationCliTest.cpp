// SPDX-License-Identifier: GPL-3.0-or-later
// brenak-cli installation: a pipe list built into a document with a
// template, printed, saved and printed again from the saved document.
#include "app/CliProcess.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

namespace {

class CliInstallation : public ::testing::Test {
 protected:
  void SetUp() override {
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "referencia;elemento;diametro_mm;ancho_mm;alto_mm;longitud_m;t_fluido;t_ambiente;ubicacion;material;"
        "espesor_mm\n"
        "Montante;tuberia_aire_vertical;60,3;;;30;70;20;interior;Lana de vidrio;minimo_rite\n"
        "Exterior;tuberia_aire_horizontal;114,3;;;40;7;35;exterior;Lana de vidrio;20\n"
        "Mala;tuberia_aire_horizontal;abc;;;10;70;20;interior;Lana de vidrio;30\n"
        "Conducto;conducto;;600;400;20;14;28;interior;Lana de vidrio;30\n");
  }

  QTemporaryDir dir;
  QString list = dir.filePath(QStringLiteral("lista.csv"));
  QString doc = dir.filePath(QStringLiteral("obra.brenak-instalacion.json"));
};

TEST_F(CliInstallation, ImportsPrintsSavesAndReads) {
  const CliRun imported = RunCli({"installation", "--import-csv", list, "--template", CasePath("pipe_air_flow.txt"),
                                  "--power-kw", "50", "--save", doc, "--format", "json"});
  // The bad line is refused: exit 2, its number and reason on the standard error.
  EXPECT_EQ(imported.status, 2);
  EXPECT_TRUE(imported.err.contains("lista.csv:4: diametro_mm")) << imported.err.toStdString();
  const QJsonObject json = QJsonDocument::fromJson(imported.out).object();
  const QJsonArray rows = json["rows"].toArray();
  ASSERT_EQ(rows.size(), 3);
  for (const char* key :
       {"reference", "element", "length_m", "heat_flow_per_unit", "unit", "heat_flow_w", "surface_temperature",
        "condenses", "rite_minimum_inside_mm", "rite_minimum_outside_mm", "rite_verdict", "thickness_mm", "messages"})
    EXPECT_TRUE(rows[0].toObject().contains(QLatin1String(key))) << key;
  EXPECT_EQ(rows[0]["thickness_mm"].toDouble(), 32);  // mínimo RITE: the table asks 30 mm at 0.04 W/mºC
  EXPECT_EQ(rows[1]["rite_verdict"].toString(), "no_cumple");
  EXPECT_EQ(rows[2]["unit"].toString(), "W/m");
  const QJsonArray refused = json["refused"].toArray();
  ASSERT_EQ(refused.size(), 1);
  EXPECT_EQ(refused[0]["line"].toInt(), 4);
  for (const char* key : {"heat_flow_w", "bare_heat_flow_w", "energy_kwh_year", "cost_euros_year", "co2_kg_year"}) {
    EXPECT_TRUE(json["totals"].toObject().contains(QLatin1String(key))) << key;
  }
  const QJsonObject alternative = json["rite_alternative"].toObject();
  EXPECT_EQ(alternative["power_kw"].toDouble(), 50);
  EXPECT_TRUE(alternative.contains("loss_percent"));
  EXPECT_TRUE(alternative.contains("meets"));
  const QJsonArray bill = json["bill_of_materials"].toArray();
  ASSERT_FALSE(bill.isEmpty());
  for (const char* key : {"material", "thickness_mm", "size", "quantity", "unit"}) {
    EXPECT_TRUE(bill[0].toObject().contains(QLatin1String(key))) << key;
  }

  // The saved document prints the same, and every row of it is calculated.
  const CliRun reread = RunCli({"installation", doc, "--format", "json"});
  EXPECT_EQ(reread.status, 0) << reread.err.toStdString();
  const QJsonObject again = QJsonDocument::fromJson(reread.out).object();
  EXPECT_EQ(again["totals"], json["totals"]);
  EXPECT_EQ(again["rows"], json["rows"]);

  // CSV: the rows, the totals and the bill, ";" between fields with a decimal comma.
  const CliRun csv = RunCli({"installation", doc, "--decimal-separator", ","});
  EXPECT_EQ(csv.status, 0);
  EXPECT_TRUE(csv.out.startsWith("Referencia;Elemento;"));
  EXPECT_TRUE(csv.out.contains("\nTotal;Valor\n"));
  EXPECT_TRUE(csv.out.contains("\nMaterial;Espesor (mm);"));
}

TEST_F(CliInstallation, WrongUseAndUnreadableFiles) {
  EXPECT_EQ(RunCli({"installation"}).status, 1);
  EXPECT_EQ(RunCli({"installation", "--import-csv", list}).status, 1);  // no template
  EXPECT_EQ(RunCli({"installation", doc, "--power-kw", "cero"}).status, 1);
  EXPECT_EQ(RunCli({"installation", doc, "--save", doc}).status, 1);
  const CliRun missing = RunCli({"installation", dir.filePath("falta.json")});
  EXPECT_EQ(missing.status, 2);
  EXPECT_TRUE(missing.out.isEmpty());
  EXPECT_TRUE(QString::fromUtf8(missing.err).contains(QString::fromUtf8("No es posible abrir la instalación")));
  const CliRun help = RunCli({"installation", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.out.contains("--import-csv"));
}

}  // namespace
