// SPDX-License-Identifier: GPL-3.0-or-later
// The installation's memorandum: what it tells of the sections, the totals,
// the regulation's procedures and the bill, and "Imprimir" and "Exportar PDF"
// through the program's report service and dialogs.
#include "EnglishInterface.h"
#include "InstallationSample.h"
#include "report/ReportTestSupport.h"

#include "app/Brenak.h"
#include "app/InstallationCommands.h"
#include "app/InstallationSession.h"
#include "app/StartUp.h"
#include "form/FileDialogs.h"
#include "form/NumberFormat.h"
#include "installation/InstallationExport.h"
#include "installation/InstallationMemorandum.h"
#include "report/ReportService.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

class FolderReports : public ReportService {
 public:
  explicit FolderReports(QString folder) : folder_(std::move(folder)) {}
  ReportPictures& Pictures() override { return pictures_; }
  QString NewReportPath(const WindowState&) override { return folder_ + QStringLiteral("/memoria.odt"); }
  bool OpenReport(const QString& path) override {
    opened << path;
    return true;
  }
  QStringList opened;

 private:
  QString folder_;
  NamedPictures pictures_;
};

class PdfDialog : public FileDialogs {
 public:
  QString AskOpenFile(const QString&, const QString&, const QString&) override { return {}; }
  QString AskSaveFile(const QString& proposed, const QString&, const QString&) override {
    this->proposed = proposed;
    return answer;
  }
  QString proposed, answer;
};

class MemorandumTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDecimalSeparator(',');
    CreateMainWindow(app, QString());
    session.Replace(SampleInstallation(52),
                    dir.filePath(QStringLiteral("Hospital") + QStringLiteral(".brenak-instalacion.json")), false);
  }
  void TearDown() override { ResetDecimalSeparator(); }

  QStringList Memorandum() {
    RecordingReportDocument doc;
    NamedPictures pictures;
    WriteInstallationMemorandum(session.Document(), session.Results(), session.Path(), doc, pictures,
                                QDateTime(QDate(2026, 3, 2), QTime(9, 30)));
    return doc.Lines();
  }
  static bool Has(const QStringList& lines, const QString& text) {
    for (const QString& line : lines)
      if (line.contains(text)) return true;
    return false;
  }

  QTemporaryDir dir;
  RecordingMessageSink sink;
  Brenak app{sink};
  InstallationSession session{app};
};

TEST_F(MemorandumTest, TellsEverySectionTheTotalsTheProceduresAndTheBill) {
  const QStringList lines = Memorandum();
  const std::string all = lines.join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(Has(lines, QStringLiteral("| Instalación: | Hospital |"))) << all;
  EXPECT_TRUE(Has(lines, QStringLiteral("02/03/2026 09:30"))) << all;
  // Every row in both tables of sections.
  for (const QString& reference : {QStringLiteral("T-001"), QStringLiteral("T-052")}) {
    EXPECT_EQ(lines.filter(QStringLiteral("| ") + reference + QStringLiteral(" |")).size(), 2)
        << reference.toStdString();
  }
  // The mistyped row 10: refused, its message among those left out.
  const RowOutcome& refused = session.Results().rows[9];
  ASSERT_FALSE(refused.Calculated());
  EXPECT_TRUE(Has(lines, QStringLiteral("| 10 | T-010 |"))) << all;
  EXPECT_TRUE(Has(lines, QStringLiteral("| 10. | ") + refused.refusal->text)) << all;

  const InstallationTotals& t = session.Results().totals;
  EXPECT_TRUE(Has(lines, QStringLiteral("| Pérdidas de calor (W) | ") + FormatFixed(float(t.heatFlowW), 9, 0))) << all;
  EXPECT_TRUE(Has(lines, QStringLiteral("51 tramos calculados; 1 rechazado, fuera de los totales"))) << all;
  // 120 kW: the alternative procedure governs.
  EXPECT_TRUE(Has(lines, QStringLiteral("más de 70 kW"))) << all;
  // A section left out may be the one below its minimum: no verdict.
  EXPECT_TRUE(Has(lines, QStringLiteral("Sin veredicto: 1 tramo rechazado queda fuera"))) << all;
  EXPECT_TRUE(Has(lines, QStringLiteral("IT 1.2.4.2.1.3"))) << all;
  EXPECT_TRUE(Has(lines, QStringLiteral("| Total Coquilla lana de vidrio (valor típico) |"))) << all;
}

// The rows BillTotalRows names are the material totals of BillTable, so that
// the window can set them apart.
TEST_F(MemorandumTest, TheBillsTotalsAreWhereTheTableHasThem) {
  const BillOfMaterials& bill = session.Results().bill;
  const std::vector<QStringList> table = BillTable(bill);
  const std::vector<int> totals = BillTotalRows(bill);
  ASSERT_EQ(totals.size(), bill.totals.size());
  ASSERT_GE(bill.totals.size(), 2u);
  int found = 0;
  for (size_t r = 1; r < table.size(); ++r) {
    const bool total = table[r][0].startsWith(QStringLiteral("Total "));
    const bool named = std::find(totals.begin(), totals.end(), static_cast<int>(r)) != totals.end();
    EXPECT_EQ(total, named) << r;
    found += total;
  }
  EXPECT_EQ(found, static_cast<int>(bill.totals.size()));
}

struct PowerCase {
  const char* power;
  const char* says;
};

class GoverningProcedureTest : public MemorandumTest, public ::testing::WithParamInterface<PowerCase> {};

TEST_P(GoverningProcedureTest, SaysWhichProcedureTheInstallationsPowerCallsFor) {
  InstallationTotalsData data = session.Document().totals;
  data.maximumPower = QString::fromUtf8(GetParam().power);
  session.SetTotalsData(data);
  const ProcedureTexts governing = GoverningProcedure(session.Results());
  EXPECT_TRUE(governing.rule.contains(QString::fromUtf8(GetParam().says))) << governing.rule.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Powers, GoverningProcedureTest,
                         ::testing::Values(PowerCase{"", "Sin potencia"}, PowerCase{"70", "hasta 70 kW"},
                                           PowerCase{"70,1", "más de 70 kW"}));

TEST_F(MemorandumTest, PrintWritesTheMemorandumAndOpensIt) {
  FolderReports reports(dir.path());
  PrintInstallation(session, reports);
  ASSERT_EQ(reports.opened, QStringList{dir.filePath(QStringLiteral("memoria.odt"))});
  EXPECT_GT(QFile(reports.opened[0]).size(), 1000);
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(MemorandumTest, ExportPdfAsksWhereAndWritesAPdf) {
  PdfDialog dialog;
  app.dialogs = &dialog;
  dialog.answer = dir.filePath(QStringLiteral("memoria"));
  ExportInstallationPdf(session);
  EXPECT_TRUE(dialog.proposed.endsWith(QStringLiteral("Hospital.pdf"))) << dialog.proposed.toStdString();
  QFile pdf(dir.filePath(QStringLiteral("memoria.pdf")));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
  EXPECT_TRUE(sink.shown.empty());

  // A folder that cannot be written: said in a box.
  EXPECT_FALSE(ExportInstallationPdfFile(session, dir.filePath(QStringLiteral("no/hay/carpeta.pdf"))));
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].id, MessageId::PdfNotWritten);
}

// With the English translation in force the memorandum and the tables the
// installation's window and CSV files show speak English; only the data (the
// references, the materials and pipes of the program's lists, the template's
// names) stay as they are.
TEST_F(MemorandumTest, InEnglishNoSpanishTextIsLeft) {
  EnglishInterface english;
  session.Replace(SampleInstallation(52), session.Path(), false);  // the rows' messages in English too
  QString text = Memorandum().join(QLatin1Char('\n'));
  const InstallationResults& results = session.Results();
  for (const QString& csv : {RowsAsCsv(session.Document(), results), BillAsCsv(results.bill),
                             TotalsAsCsv(results.totals), TotalsLines(results.totals).join(QLatin1Char('\n'))})
    text += QLatin1Char('\n') + csv;

  QStringList data{session.Document().templateCase.reference};
  for (const CaseLayer& layer : session.Document().templateCase.layers) data << layer.name;
  for (const InstallationRow& row : session.Document().rows) data << row.material << row.pipeSize;
  std::sort(data.begin(), data.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
  for (const QString& d : data)
    if (!d.trimmed().isEmpty()) text.remove(d);

  for (const char* word :
       {"Tramo",     "tramo",     "Instalación", "instalación", "Memoria",    "Procedimiento", "procedimiento",
        "Pérdidas",  "veredicto", "cumple",      "Cantidad",    "Referencia", "Elemento",      "Tubería",
        "Ubicación", "rechazad",  "Falta",       "calculad",    "Espesor",    "Energía",       "Coste",
        "Ahorro",    "Medición",  "Superficie",  "Horas",       "Potencia",   "Sección",       "sección",
        "Secciones", "Sí",        "Interior",    "Exterior",    "Enterrada",  "Depósito",      "Conducto"})
    EXPECT_FALSE(text.contains(QString::fromUtf8(word))) << "\"" << word << "\" in\n" << text.toStdString();
  EXPECT_TRUE(text.contains(QLatin1String("{Bold 12}Installation totals"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QLatin1String("51 sections calculated; 1 refused, left out of the totals")));
}

}  // namespace
