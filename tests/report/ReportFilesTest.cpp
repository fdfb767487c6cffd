#include "app/ProjectCommands.h"
#include "report/ReportContent.h"
#include "report/ReportFiles.h"
#include "report/ReportTestSupport.h"
#include "report/ReportWriter.h"
#include "form/ChartModel.h"
#include "app/WindowFixture.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

QByteArray Entry(const std::vector<ZipEntry>& entries, const QString& name) {
  for (const ZipEntry& entry : entries)
    if (entry.name == name) return entry.data;
  return {};
}

std::vector<OdtParagraph> ReadBack(const ReportContent& content) {
  return ReadOdtParagraphs(Entry(ReadStoredZip(OdtBytes(content)), QStringLiteral("content.xml")));
}

QStringList Texts(const std::vector<OdtParagraph>& paragraphs) {
  QStringList texts;
  for (const OdtParagraph& p : paragraphs) texts << p.text;
  return texts;
}

QImage Picture(QSize size, qreal scale) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  SetPrintScale(image, scale);
  return image;
}

// Operations on the document back end, read back from its OpenDocument text.
class DocumentBackEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.Connect();
    doc.NewDocument();
  }
  FileReportDocument doc;
};

TEST_F(DocumentBackEndTest, PictureTakesThePlaceOfThePendingTabs) {
  doc.PastePictureOverLastSentence(Picture({20, 10}, 1));
  doc.AppendText(QStringLiteral("\nTitle\n\t\t"));
  doc.PastePictureOverLastSentence(Picture({20, 10}, 1));
  doc.AppendText(QStringLiteral("\nafter"));
  EXPECT_EQ(Texts(ReadBack(doc.Content())),
            QStringList({"[Pictures/imagen1.png]", "Title", "[Pictures/imagen2.png]", "after"}));
}

TEST_F(DocumentBackEndTest, FontOfTheLastSentenceCoversThePendingTabAndWhatFollows) {
  doc.AppendText(QStringLiteral("plain\n\t"));
  SetReportFont(doc, QStringLiteral("Bold"), 14);
  doc.AppendText(QStringLiteral("title\n"));
  SetReportFont(doc, QStringLiteral("Italic"), 12);
  doc.AppendText(QStringLiteral("both\n"));
  SetReportFont(doc, QString(), 10);
  doc.AppendText(QStringLiteral("smaller\n"));
  SetReportFont(doc, QStringLiteral("Normal"), 10);
  doc.AppendText(QStringLiteral("normal\n"));
  const std::vector<OdtParagraph> paragraphs = ReadBack(doc.Content());
  ASSERT_EQ(paragraphs.size(), 5u);
  EXPECT_EQ(paragraphs[0].runs[0].properties.value("fo:font-weight"), "normal");
  ASSERT_EQ(paragraphs[1].runs.size(), 1u) << "the tab and the title share one format";
  EXPECT_EQ(paragraphs[1].runs[0].text, "\ttitle");
  EXPECT_EQ(paragraphs[1].runs[0].properties.value("fo:font-weight"), "bold");
  EXPECT_EQ(paragraphs[1].runs[0].properties.value("fo:font-size"), "14pt");
  EXPECT_EQ(paragraphs[2].runs[0].properties.value("fo:font-weight"), "bold");
  EXPECT_EQ(paragraphs[2].runs[0].properties.value("fo:font-style"), "italic");
  EXPECT_EQ(paragraphs[3].runs[0].properties.value("fo:font-style"), "italic");
  EXPECT_EQ(paragraphs[3].runs[0].properties.value("fo:font-size"), "10pt");
  EXPECT_EQ(paragraphs[4].runs[0].properties.value("fo:font-weight"), "normal");
  EXPECT_EQ(paragraphs[4].runs[0].properties.value("fo:font-style"), "normal");
}

struct EffectCase {
  const char* style;
  const char* property;
  const char* value;
};

class FontEffectTest : public DocumentBackEndTest, public ::testing::WithParamInterface<EffectCase> {};

TEST_P(FontEffectTest, IsWrittenAsItsProperty) {
  SetReportFont(doc, QString::fromLatin1(GetParam().style), 11);
  doc.AppendText(QStringLiteral("x\n"));
  const std::vector<OdtParagraph> paragraphs = ReadBack(doc.Content());
  ASSERT_EQ(paragraphs.size(), 1u);
  const auto& properties = paragraphs[0].runs.at(0).properties;
  EXPECT_EQ(properties.value(GetParam().property), GetParam().value);
  EXPECT_EQ(properties.value("fo:font-size"), "11pt");
}

INSTANTIATE_TEST_SUITE_P(
    EveryStyle, FontEffectTest,
    ::testing::Values(EffectCase{"Bold", "fo:font-weight", "bold"}, EffectCase{"Italic", "fo:font-style", "italic"},
                      EffectCase{"Emboss", "style:font-relief", "embossed"},
                      EffectCase{"Engrave", "style:font-relief", "engraved"},
                      EffectCase{"Shadow", "fo:text-shadow", "1pt 1pt"},
                      EffectCase{"DoubleStrikeThrough", "style:text-line-through-type", "double"},
                      EffectCase{"StrikeThrough", "style:text-line-through-type", "single"},
                      EffectCase{"", "fo:font-weight", "normal"}));

TEST(ReportPictureSize, WidePicturesShrinkToTheTextColumn) {
  const QSizeF banner = PictureSizeCm(Picture({1326, 234}, 2));  // 663 x 117 screen pixels
  EXPECT_NEAR(banner.width(), 17.0, 1e-6);
  EXPECT_NEAR(banner.height(), 17.0 * 117 / 663, 1e-3);
  const QSizeF drawing = PictureSizeCm(Picture({400, 300}, 2));
  EXPECT_NEAR(drawing.width(), 200 / 96.0 * 2.54, 1e-2);
}

TEST(ReportPictures, ArtworkIsLoadedAndMissingArtworkIsDrawn) {
  ArtworkPictures pictures;
  const QImage banner = pictures.Banner();
  EXPECT_EQ(banner.size(), QSize(1326, 234));
  EXPECT_FALSE(LoadArtwork(QStringLiteral("ImagePared"), QSize(200, 150)).isNull()) << "SVG artwork is readable";
  EXPECT_TRUE(LoadArtwork(QStringLiteral("NoSuchPicture"), QSize(200, 150)).isNull());
  EXPECT_EQ(pictures.ElementDrawing(QStringLiteral("NoSuchPicture")).size(), QSize(400, 300));
}

TEST(ReportPictures, ChartOfExtremeValuesIsStillDrawn) {
  ChartModel chart;
  chart.title << QStringLiteral("Temperatura en la pared compuesta");
  chart.AddPoint(0, 1e25, 1);
  chart.AddPoint(0, 1e25 + 1e5, 2);
  chart.AddPoint(0, std::nan(""), 3);
  chart.AddPoint(1, 0, std::numeric_limits<double>::infinity());
  const QImage image = DrawTemperatureChart(chart);
  EXPECT_EQ(image.size(), QSize(1240, 680));
  EXPECT_TRUE(DrawTemperatureChart(ChartModel{}).size().isValid()) << "an empty chart";
}

// The report of a window, written through the back end.
class ReportFileTest : public WindowTest {
 protected:
  const ReportContent& Write() {
    NamedPictures pictures;
    EXPECT_TRUE(WriteReport(app, doc, pictures));
    return doc.Content();
  }
  FileReportDocument doc;
};

TEST_F(ReportFileTest, ArchiveIsAnOpenDocumentText) {
  const std::vector<ZipEntry> entries = ReadStoredZip(OdtBytes(Write()));
  ASSERT_FALSE(entries.empty());
  EXPECT_EQ(entries.front().name, "mimetype");
  EXPECT_EQ(entries.front().data, "application/vnd.oasis.opendocument.text");
  const QByteArray manifest = Entry(entries, "META-INF/manifest.xml");
  for (const char* name : {"content.xml", "styles.xml", "meta.xml", "Pictures/imagen1.png", "Pictures/imagen2.png",
                           "Pictures/imagen3.png"}) {
    EXPECT_FALSE(Entry(entries, name).isEmpty()) << name;
    EXPECT_TRUE(manifest.contains(name)) << name;
  }
  EXPECT_FALSE(QImage::fromData(Entry(entries, "Pictures/imagen3.png")).isNull());
  EXPECT_TRUE(Entry(entries, "styles.xml").contains("fo:language=\"zxx\"")) << "spelling and grammar are off";
  EXPECT_TRUE(Entry(entries, "meta.xml").contains("Doroduzu vi vadarudaravu"));
}

TEST_F(ReportFileTest, TextsTabsAndFontsReadBack) {
  form().SetText("Edit1e", "43,5");
  const std::vector<OdtParagraph> paragraphs = ReadBack(Write());
  const QStringList texts = Texts(paragraphs);
  ASSERT_GT(texts.size(), 10);
  EXPECT_EQ(texts.mid(0, 6), QStringList({"[Pictures/imagen1.png]", "", "\tCálculo del espesor de aislamiento",
                                          "\tImposición de una densidad superficial de flujo de calor de 15W/m2",
                                          "[Pictures/imagen2.png]", "Condiciones Interiores"}));
  EXPECT_TRUE(texts.contains("             Aislante 1\t\t43,50\t\t0,040\t\t      \t\t      "));
  EXPECT_EQ(texts.last(), "[Pictures/imagen3.png]");

  const auto font = [&](const QString& text) {
    const qsizetype at = texts.indexOf(text);
    return at < 0 || paragraphs[at].runs.empty() ? QString("missing")
                                                 : paragraphs[at].runs.back().properties.value("fo:font-weight") +
                                                       QLatin1Char(' ') +
                                                       paragraphs[at].runs.back().properties.value("fo:font-size");
  };
  EXPECT_EQ(font("\tCálculo del espesor de aislamiento"), "bold 14pt");
  EXPECT_EQ(font("\tImposición de una densidad superficial de flujo de calor de 15W/m2"), "bold 10pt");
  EXPECT_EQ(font("Condiciones Interiores"), "bold 14pt");
  for (const char* heading : {"Datos diferentes capas material", "Condiciones Exteriores", "Distribución de temperaturas"})
    EXPECT_EQ(font(heading), "normal 10pt") << heading;
}

TEST_F(ReportFileTest, EconomicProjectReportsItsCosts) {
  ASSERT_TRUE(OpenProjectFile(app, QStringLiteral(BRENAK_CASES_DIR "/economic.txt")));
  ASSERT_TRUE(form().Visible("PanelEconomico"));
  const QStringList texts = Texts(ReadBack(Write()));
  EXPECT_EQ(texts[3], "\tEspesor económico");
  for (const char* label : {"LabelEsp", "LabelCI", "LabelCT"}) {
    ASSERT_FALSE(form().Text(label).isEmpty()) << label;
    EXPECT_TRUE(texts.contains(form().Text(label))) << label;
  }
}

TEST_F(ReportFileTest, PdfKeepsAHeadingWithItsChart) {
  // Enough lines that the chart no longer fits on the first page.
  for (int i = 0; i < 42; ++i) form().SetText("LabelQ", form().Text("LabelQ") + QStringLiteral("línea\n"));
  const ReportContent& content = Write();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  std::unique_ptr<QTextDocument> document = ToTextDocument(content, &pdf);
  const QTextBlock chart = document->lastBlock();
  const QTextBlock heading = chart.previous();
  ASSERT_EQ(heading.text(), "Distribución de temperaturas");
  const double page = document->pageSize().height();
  const auto pageOf = [&](const QTextBlock& block) {
    return static_cast<int>((block.layout()->position().y() + block.layout()->lineAt(0).rect().center().y()) / page);
  };
  EXPECT_GE(pageOf(chart), 1);
  EXPECT_EQ(pageOf(heading), pageOf(chart));
}

TEST_F(ReportFileTest, SavesPdfAndRefusesAnImpossiblePath) {
  QTemporaryDir dir;
  const ReportContent& content = Write();
  const QString pdf = dir.filePath("informe.pdf");
  ASSERT_TRUE(SaveReport(content, pdf));
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(5) == "%PDF-");

  QFile blocker(dir.filePath("blocker"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  QString error;
  EXPECT_FALSE(SaveReport(content, dir.filePath("blocker/informe.odt"), &error));
  EXPECT_FALSE(error.isEmpty());
}

}  // namespace
