// SPDX-License-Identifier: GPL-3.0-or-later
// The document on disk and the pipe lists it imports.
#include "InstallationFixture.h"

#include "form/NumberFormat.h"
#include "installation/InstallationCalculation.h"
#include "installation/InstallationExport.h"
#include "installation/InstallationFile.h"
#include "installation/RowCase.h"
#include "installation/SectionCsvImport.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

InstallationDocument FullDocument() {
  InstallationDocument doc;
  doc.templateCase = WalledTemplate();
  for (SectionElement e : AllElements()) doc.rows.push_back(MakeRow(e));
  doc.rows[0].pipeSize = QStringLiteral("Cobre 20/22");
  doc.rows[1].riteMinimum = true;
  doc.rows[1].thickness.clear();
  doc.rows[2].conductivity = QStringLiteral("0,035");
  doc.rows[3].material = QStringLiteral("Mi coquilla");
  doc.rows[4].placing = RitePlacing::Outside;
  doc.rows[5].reference = QString::fromUtf8("Depósito \"inercia\", 1.000 l; sala ñ");
  doc.totals.hoursPerYear = QStringLiteral("4380");
  doc.totals.energyPrice = QStringLiteral("0,11");
  doc.totals.source = EnergySource::PeninsularElectricity;
  doc.totals.co2Factor = QStringLiteral("0.331");
  doc.totals.maximumPower = QStringLiteral("85");
  doc.userMaterials = {{QStringLiteral("Mi coquilla"), 0.034f, 2000}};
  return doc;
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(InstallationFile, SavedAndOpenedGivesTheSameDocumentAndFigures) {
  const InstallationDocument doc = FullDocument();
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("obra") + kInstallationSuffix);
  ASSERT_EQ(SaveInstallationFile(path, doc), QString());
  const InstallationReading reading = ReadInstallationFile(path);
  ASSERT_TRUE(reading.ok()) << reading.error.toStdString();
  EXPECT_EQ(reading.document.rows, doc.rows);
  EXPECT_EQ(reading.document.totals, doc.totals);
  EXPECT_TRUE(reading.document == doc);

  // The user's material travels with the document: its row is calculated.
  const InstallationResults before = CalculateInstallation(doc);
  const InstallationResults after = CalculateInstallation(reading.document);
  EXPECT_TRUE(after.rows[3].Calculated());
  EXPECT_EQ(before.totals.heatFlowW, after.totals.heatFlowW);
  // Written again, the bytes are the same.
  EXPECT_EQ(WriteInstallation(reading.document), Bytes(path));
}

// A file the program cannot take is refused with its reason, and the
// document it would have replaced is left as it was.
TEST(InstallationFile, DamagedOrNewerFilesAreRefused) {
  const QByteArray good = WriteInstallation(FullDocument());
  QJsonObject root = QJsonDocument::fromJson(good).object();

  auto with = [&root](const char* key, const QJsonValue& value) {
    QJsonObject changed = root;
    changed.insert(QLatin1String(key), value);
    return QJsonDocument(changed).toJson();
  };
  QJsonObject rowWithoutElement = root[QStringLiteral("filas")].toArray()[0].toObject();
  rowWithoutElement.insert(QStringLiteral("elemento"), QStringLiteral("tuberia_voladora"));
  QJsonArray badRows = root[QStringLiteral("filas")].toArray();
  badRows.replace(0, rowWithoutElement);
  QJsonArray shortTemplate = root[QStringLiteral("plantilla")].toObject()[QStringLiteral("registros")].toArray();
  shortTemplate.removeLast();

  struct Refusal {
    const char* name;
    QByteArray bytes;
    InstallationFileProblem problem;
  };
  const Refusal refusals[] = {
      {"cut short", good.left(good.size() / 2), InstallationFileProblem::NotJson},
      {"empty", QByteArray(), InstallationFileProblem::NotJson},
      {"a list", "[1, 2]", InstallationFileProblem::NotJson},
      {"another format", with("formato", QStringLiteral("otra-cosa")), InstallationFileProblem::NotADocument},
      {"newer", with("version", InstallationDocument::kFormatVersion + 1), InstallationFileProblem::NewerVersion},
      {"no version", with("version", QStringLiteral("1")), InstallationFileProblem::NotADocument},
      {"unknown element", with("filas", badRows), InstallationFileProblem::NotADocument},
      {"rows not a list", with("filas", QJsonObject()), InstallationFileProblem::NotADocument},
      {"short template", with("plantilla", QJsonObject{{QStringLiteral("registros"), shortTemplate}}),
       InstallationFileProblem::BadTemplate},
  };
  for (const Refusal& r : refusals) {
    const InstallationReading reading = ReadInstallation(r.bytes);
    EXPECT_EQ(reading.problem, r.problem) << r.name;
    EXPECT_FALSE(reading.error.isEmpty()) << r.name;
  }
  EXPECT_TRUE(ReadInstallation(good).ok());

  // A save that cannot be made leaves the old file whole.
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("obra") + kInstallationSuffix);
  ASSERT_EQ(SaveInstallationFile(path, FullDocument()), QString());
  EXPECT_FALSE(SaveInstallationFile(dir.filePath(QStringLiteral("no/existe.json")), FullDocument()).isEmpty());
  EXPECT_EQ(Bytes(path), good);
  EXPECT_EQ(ReadInstallationFile(dir.filePath(QStringLiteral("falta.json"))).problem,
            InstallationFileProblem::Unreadable);
}

// A pipe list: columns in any order, either separator of fields and of
// decimals; every bad line told by its number, the good ones imported.
TEST(SectionCsv, ImportsTheGoodLinesAndTellsTheBadOnes) {
  const QByteArray list =
      "t_fluido;elemento;referencia;diametro_mm;longitud_m;t_ambiente;ubicacion;material;espesor_mm;color\n"
      "70;tuberia_aire_vertical;Montante;60,3;30;20;interior;Espuma elastomérica;minimo_rite;rojo\n"
      "7;tuberia_aire_horizontal;\"Falso techo; planta 1\";26.9;120;25;;Lana de vidrio;25;\n"
      "\n"
      "70;tuberia_voladora;Mala;60;10;20;interior;Lana de vidrio;30;\n"
      "70;tuberia_aire_horizontal;Sin diámetro;;10;20;interior;Lana de vidrio;30;\n"
      "60;tuberia_enterrada;Enterrada;88,9;50;10;;PIR (valor típico);40;\n"
      "70;tuberia_aire_horizontal;\"Dos\nlíneas\";60;10;20;sotano;Lana de vidrio;30;\n"
      "70;tuberia_aire_horizontal;Material raro;60;10;20;interior;Corcho;30;\n"
      "70;tuberia_aire_horizontal;Espesor;60;10;20;interior;Lana de vidrio;grueso;\n";
  const SectionCsvImport imported = ImportSectionsCsv(list, {});
  ASSERT_TRUE(imported.ok()) << imported.error.toStdString();
  EXPECT_EQ(imported.unknownColumns, QStringList{QStringLiteral("color")});
  ASSERT_EQ(imported.rows.size(), 3u);
  EXPECT_EQ(imported.rowLines, (std::vector<int>{2, 3, 7}));

  const InstallationRow& riser = imported.rows[0];
  EXPECT_EQ(riser.element, SectionElement::PipeInAirVertical);
  EXPECT_EQ(riser.diameter, QStringLiteral("60,3"));
  EXPECT_TRUE(riser.riteMinimum);
  EXPECT_EQ(imported.rows[1].reference, QStringLiteral("Falso techo; planta 1"));
  EXPECT_EQ(imported.rows[1].placing, RitePlacing::Inside);
  EXPECT_EQ(imported.rows[2].placing, RitePlacing::Buried);  // a buried pipe is buried unless told

  std::vector<int> lines;
  for (const CsvLineProblem& p : imported.problems) {
    lines.push_back(p.line);
    EXPECT_FALSE(p.reason.isEmpty());
  }
  // The quoted reference on two lines starts on line 8; the next record is on line 10.
  EXPECT_EQ(lines, (std::vector<int>{5, 6, 8, 10, 11}));
  EXPECT_TRUE(imported.problems[1].reason.startsWith(QStringLiteral("diametro_mm")));
  EXPECT_TRUE(imported.problems[4].reason.startsWith(QStringLiteral("espesor_mm")));
}

TEST(SectionCsv, CommaSeparatedWithDecimalPointsAndTheUsersMaterials) {
  const QByteArray list =
      "\xEF\xBB\xBFreferencia,elemento,ancho_mm,alto_mm,longitud_m,t_fluido,t_ambiente,conductividad,material,espesor_"
      "mm\r\n"
      "Impulsion,conducto,600,400,20,14,28,,Mi manta,30\r\n"
      "Retorno,conducto,\"500,5\",400,20,14,28,0.036,,30\r\n"
      "Mal,conducto,500,5,400,20,14,28,0.036,,30\r\n";
  const std::vector<UserMaterial> library = {{QStringLiteral("Mi manta"), 0.033f, 10},
                                             {QStringLiteral("Otra"), 0.05f, 10},
                                             {QStringLiteral("Lana de vidrio"), 0.05f, 10}};
  const SectionCsvImport imported = ImportSectionsCsv(list, library);
  ASSERT_TRUE(imported.ok()) << imported.error.toStdString();
  ASSERT_EQ(imported.rows.size(), 2u);
  EXPECT_EQ(imported.rows[0].material, QStringLiteral("Mi manta"));
  EXPECT_EQ(imported.rows[1].width, QStringLiteral("500,5"));
  EXPECT_EQ(imported.rows[1].conductivity, QStringLiteral("0.036"));
  ASSERT_EQ(imported.problems.size(), 1u);
  EXPECT_EQ(imported.problems[0].line, 4);
  // The document keeps the user's material a row names, and only that one.
  const std::vector<UserMaterial> kept = UserMaterialsNamed(imported.rows, library);
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].name, QStringLiteral("Mi manta"));
  EXPECT_TRUE(UserMaterialsNamed(imported.rows, library, kept).empty());
}

TEST(SectionCsv, ListsThatCannotBeReadAtAll) {
  EXPECT_FALSE(ImportSectionsCsv("", {}).ok());
  EXPECT_FALSE(ImportSectionsCsv("nombre;tamano\nA;3\n", {}).ok());
  // Columns it cannot do without.
  EXPECT_FALSE(ImportSectionsCsv("referencia;elemento;longitud_m;t_fluido;t_ambiente;espesor_mm\n", {}).ok());
  EXPECT_TRUE(ImportSectionsCsv("elemento;longitud_m;t_fluido;t_ambiente;material;espesor_mm\n", {}).ok());
}

// The rows with their results as CSV: the program's decimal separator, ";"
// between fields where it is a comma, one line per row, a refused row with
// its message.
TEST(InstallationExport, RowsAsCsvFollowTheDecimalSeparator) {
  InstallationDocument doc = FullDocument();
  doc.rows[7].material = QStringLiteral("Corcho");
  const InstallationResults results = CalculateInstallation(doc);
  for (const QChar separator : {QChar('.'), QChar(',')}) {
    SetDecimalSeparator(separator);
    const QStringList lines = RowsAsCsv(doc, results).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), static_cast<qsizetype>(doc.rows.size()) + 1);
    EXPECT_EQ(lines[0].count(separator == ',' ? ';' : ','), RowResultHeader().size() - 1);
    ASSERT_FALSE(results.rows[7].Calculated());
    EXPECT_TRUE(lines[8].contains(QStringLiteral("ningún material \"\"Corcho\"\"")));
    const QString flow = FormatFixed(results.rows[2].heatFlow, 9, 1);
    EXPECT_TRUE(lines[3].contains(flow)) << lines[3].toStdString();
    EXPECT_EQ(flow.contains(separator == ',' ? '.' : ','), false);
  }
  ResetDecimalSeparator();
}

}  // namespace
