// SPDX-License-Identifier: GPL-3.0-or-later
// The report of every kind of element with the English translation in force:
// headings, captions and lines in English, only the user's own texts (the
// reference, the layers' names) left as typed.

#include "EnglishInterface.h"
#include "app/CliProcess.h"
#include "app/ProjectCommands.h"
#include "app/WindowFixture.h"
#include "report/ReportTestSupport.h"
#include "report/ReportWriter.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace {

const QDateTime kWhen(QDate(2024, 5, 1), QTime(10, 32));

// Words of the report's own Spanish texts; none may be left in an English report.
const char* const kSpanishWords[] = {
    "Condiciones", "Datos",       "Resultados",   "Distribución", "Referencia",    "Proyecto",  "Fecha",
    "Cálculo",     "Coeficiente", "Coef.",        "Espesor",      "Conductividad", "Resist",    "Cara",
    "Imposición",  "Conseguir",   "Imponer",      "Reducción",    "Evitar",        "Longitud",  "Diámetro",
    "Profundidad", "Terreno",     "Canalización", "rocío",        "Altura",        "Velocidad", "Densidad",
    "Humedad",     "impuesto",    "calculad",     "Nombre",       "Inflación",     "Coste",     "Años",
    "Horas",       "flujo",       "aislamiento",  "temperatura",  "Interior",      "Exterior",  "Capa ",
    "Suelo",       "económic",    "sin guardar"};

// The report's headings in English: every bold line is one of them.
const QStringList kEnglishHeadings = {"{Bold 14}Insulation thickness calculation",
                                      "{Bold 14}Heat flow calculation",
                                      "{Bold 12}Inside conditions",
                                      "{Bold 12}Material layers",
                                      "{Bold 12}Outside conditions",
                                      "{Bold 12}Soil conditions",
                                      "{Bold 12}Economic data",
                                      "{Bold 12}Results",
                                      "{Bold 12}Temperature distribution"};

class EnglishReportTest : public WindowTest, public ::testing::WithParamInterface<const char*> {
 protected:
  // The report of the case, with the user's own texts taken out.
  QString WriteWithoutUserTexts() {
    RecordingReportDocument doc;
    NamedPictures pictures;
    WriteReport(WindowReport(app), doc, pictures, kWhen);
    lines = doc.Lines();
    QString text = lines.join(QLatin1Char('\n'));
    QStringList userTexts{form().Text("EditReferencia")};
    for (int n = 1; n <= 6; ++n) userTexts << form().Text(QStringLiteral("ENombre%1").arg(n));
    // The longest first, so that "Capa 1" does not cut "Capa 12".
    std::sort(userTexts.begin(), userTexts.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (const QString& user : userTexts)
      if (!user.trimmed().isEmpty()) text.remove(user);
    return text;
  }
  QStringList lines;
};

TEST_P(EnglishReportTest, HeadingsAndLinesAreEnglish) {
  EnglishInterface english;
  ASSERT_TRUE(OpenProjectFile(app, QStringLiteral(BRENAK_CASES_DIR "/") + QLatin1String(GetParam())));
  const QString text = WriteWithoutUserTexts();
  for (const char* word : kSpanishWords)
    EXPECT_FALSE(text.contains(QString::fromUtf8(word))) << "\"" << word << "\" in\n" << text.toStdString();

  int headings = 0;
  for (const QString& line : lines) {
    if (!line.startsWith(QLatin1String("{Bold 1"))) continue;
    ++headings;
    EXPECT_TRUE(kEnglishHeadings.contains(line)) << line.toStdString();
  }
  EXPECT_GE(headings, 5) << "title, inside, layers, outside or soil, temperatures";
  EXPECT_TRUE(text.contains(QLatin1String("| Reference: |"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QLatin1String("| Face |"))) << "the table of the faces' temperatures";
}

// Every kind of element the golden cases hold, and the economic thickness and
// a condensation study, which add their own blocks.
INSTANTIATE_TEST_SUITE_P(Kinds, EnglishReportTest,
                         ::testing::Values("start.txt", "pipe_air_flow.txt", "pipe_air_final_temp.txt",
                                           "buried_box.txt", "sphere.txt", "duct.txt", "tank.txt", "economic.txt",
                                           "plate_condensation.txt"));

// Without the translation the report reads as it always has; with it, a
// line built around figures keeps them where English puts them.
TEST_F(WindowTest, ReportLinesKeepTheirFiguresInEitherLanguage) {
  ASSERT_TRUE(OpenProjectFile(app, QStringLiteral(BRENAK_CASES_DIR "/pipe_air_final_temp.txt")));
  RecordingReportDocument spanish;
  NamedPictures pictures;
  WriteReport(WindowReport(app), spanish, pictures, kWhen);
  const QStringList es = spanish.Lines();
  const qsizetype condition =
      es.indexOf(QRegularExpression("^\\{Normal 11\\}Imponer una temperatura final del agua "
                                    "[0-9,]+ ºC con una long\\. tubería de [0-9,]+ m$"));
  ASSERT_GE(condition, 0) << es.join('\n').toStdString();

  EnglishInterface english;
  RecordingReportDocument translated;
  WriteReport(WindowReport(app), translated, pictures, kWhen);
  const QStringList en = translated.Lines();
  ASSERT_EQ(en.size(), es.size()) << "the same lines, other words";
  const QRegularExpression figures("[0-9]+,[0-9]+|[0-9]+");
  const auto figuresOf = [&](const QString& line) {
    QStringList found;
    for (auto it = figures.globalMatch(line); it.hasNext();) found << it.next().captured();
    return found;
  };
  EXPECT_EQ(figuresOf(en[condition]), figuresOf(es[condition])) << en[condition].toStdString();
  EXPECT_NE(en[condition], es[condition]);
}

// The command-line tool writes the English report when told to speak English.
TEST(EnglishReportCliTest, LangEnWritesTheReportInEnglish) {
  QTemporaryDir dir;
  const QString out = dir.filePath(QStringLiteral("tank.odt"));
  const CliRun run = RunCli({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("report"),
                             CasePath(QStringLiteral("tank.txt")), out});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  QFile file(out);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QByteArray content;
  for (const ZipEntry& entry : ReadStoredZip(file.readAll()))
    if (entry.name == QLatin1String("content.xml")) content = entry.data;
  EXPECT_TRUE(content.contains("Inside conditions"));
  EXPECT_FALSE(content.contains("Condiciones Interiores"));
}

}  // namespace
