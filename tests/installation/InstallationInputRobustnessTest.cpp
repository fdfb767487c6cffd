// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever bytes a document or a pipe list holds, reading them ends in a
// document or a refusal, never a crash; what is read is calculated, and a
// document read is written back to the same document.
#include "InstallationFixture.h"

#include "installation/InstallationCalculation.h"
#include "installation/InstallationExport.h"
#include "installation/InstallationFile.h"
#include "installation/SectionCsvImport.h"

#include <QRandomGenerator>

namespace {

// The bytes with a few of them changed, cut, or repeated: the damage a file
// takes on its way.
QByteArray Mutated(QByteArray bytes, QRandomGenerator& random) {
  const int changes = 1 + random.bounded(6);
  for (int i = 0; i < changes && !bytes.isEmpty(); ++i) {
    const int at = random.bounded(bytes.size());
    switch (random.bounded(4)) {
      case 0: bytes[at] = static_cast<char>(random.bounded(256)); break;
      case 1: bytes.remove(at, 1 + random.bounded(8)); break;
      case 2: bytes.insert(at, bytes.mid(random.bounded(bytes.size()), random.bounded(16))); break;
      case 3: bytes.truncate(at); break;
    }
  }
  return bytes;
}

InstallationDocument Small() {
  InstallationDocument doc;
  doc.templateCase = WalledTemplate();
  for (SectionElement e : AllElements()) doc.rows.push_back(MakeRow(e));
  doc.rows[1].riteMinimum = true;
  doc.totals.maximumPower = QStringLiteral("40");
  return doc;
}

TEST(InstallationInput, DamagedDocumentsAreReadOrRefused) {
  const QByteArray good = WriteInstallation(Small());
  QRandomGenerator random(1807);
  int read = 0;
  for (int n = 0; n < 400; ++n) {
    const InstallationReading reading = ReadInstallation(Mutated(good, random));
    if (!reading.ok()) {
      EXPECT_FALSE(reading.error.isEmpty());
      continue;
    }
    ++read;
    const InstallationResults results = CalculateInstallation(reading.document);
    EXPECT_EQ(results.rows.size(), reading.document.rows.size());
    EXPECT_EQ(results.totals.rowsCalculated + results.totals.rowsLeftOut,
              static_cast<int>(reading.document.rows.size()));
    InstallationAsJson(reading.document, results);
    const InstallationReading again = ReadInstallation(WriteInstallation(reading.document));
    ASSERT_TRUE(again.ok()) << again.error.toStdString();
    EXPECT_TRUE(again.document == reading.document);
  }
  EXPECT_GT(read, 0);  // some damage leaves a document (a changed text)
}

TEST(InstallationInput, DamagedListsImportTheirGoodLines) {
  const QByteArray good =
      "referencia;elemento;diametro_mm;ancho_mm;alto_mm;longitud_m;t_fluido;t_ambiente;ubicacion;material;espesor_mm\n"
      "A;tuberia_aire_vertical;60,3;;;30;70;20;interior;Lana de vidrio;minimo_rite\n"
      "\"B;1\";conducto;;600;400;20;14;28;interior;Lana de vidrio;30\n"
      "C;deposito_vertical;800;;1800;1;60;15;;Lana de vidrio;50\n"
      "D;tuberia_enterrada_caja;88,9;;;50;60;10;enterrada;PIR;40\n";
  InstallationDocument doc = Small();
  QRandomGenerator random(1808);
  for (int n = 0; n < 400; ++n) {
    const SectionCsvImport imported = ImportSectionsCsv(Mutated(good, random), {});
    if (!imported.ok()) continue;
    EXPECT_EQ(imported.rows.size(), imported.rowLines.size());
    for (const CsvLineProblem& p : imported.problems) {
      EXPECT_GE(p.line, 2);
    }
    doc.rows = imported.rows;
    const InstallationResults results = CalculateInstallation(doc);
    EXPECT_EQ(results.rows.size(), doc.rows.size());
    RowsAsCsv(doc, results);
  }
}

}  // namespace
