// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CliProcess.h"
#include "app/Commands.h"
#include "app/ProjectCommands.h"
#include "app/WindowFixture.h"
#include "form/ChartModel.h"
#include "report/ReportContent.h"
#include "report/ReportFiles.h"
#include "report/ReportTestSupport.h"
#include "report/ReportWriter.h"

#include <gtest/gtest.h>
#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
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
  FileReportDocument doc;
};

TEST_F(DocumentBackEndTest, PicturesStandInTheirParagraphsAndANullOneIsLeftOut) {
  doc.AppendPicture(Picture({20, 10}, 1));
  doc.AppendText(QStringLiteral("\nTitle\n"));
  doc.AppendPicture(QImage());
  doc.AppendText(QStringLiteral("\n"));
  doc.AppendPicture(Picture({20, 10}, 1));
  doc.AppendText(QStringLiteral("\nafter"));
  EXPECT_EQ(Texts(ReadBack(doc.Content())),
            QStringList({"[Pictures/imagen1.png]", "Title", "", "[Pictures/imagen2.png]", "after"}));
  EXPECT_EQ(doc.Content().pictures.size(), 2u);
}

TEST_F(DocumentBackEndTest, AFontHoldsForWhatFollowsAndTheTabsOpeningALineIndentIt) {
  doc.AppendText(QStringLiteral("plain\n"));
  doc.SetFont({true, 14});
  doc.AppendText(QStringLiteral("\ttitle\n"));
  doc.AppendText(QStringLiteral("still bold\n"));
  doc.SetFont({false, 10});
  doc.AppendText(QStringLiteral("normal\n"));
  const std::vector<OdtParagraph> paragraphs = ReadBack(doc.Content());
  ASSERT_EQ(paragraphs.size(), 4u);
  EXPECT_EQ(paragraphs[0].runs[0].properties.value("fo:font-weight"), "normal");
  EXPECT_EQ(paragraphs[0].runs[0].properties.value("fo:font-size"), "12pt");
  ASSERT_EQ(paragraphs[1].runs.size(), 1u);
  EXPECT_EQ(paragraphs[1].runs[0].text, "title") << "the leading tab is the paragraph's indent";
  EXPECT_EQ(paragraphs[1].indent, "1.250cm");
  EXPECT_EQ(paragraphs[1].runs[0].properties.value("fo:font-weight"), "bold");
  EXPECT_EQ(paragraphs[1].runs[0].properties.value("fo:font-size"), "14pt");
  EXPECT_EQ(paragraphs[2].runs[0].properties.value("fo:font-weight"), "bold");
  EXPECT_EQ(paragraphs[3].runs[0].properties.value("fo:font-weight"), "normal");
  EXPECT_EQ(paragraphs[3].runs[0].properties.value("fo:font-size"), "10pt");
}

TEST(ReportPictureSize, WidePicturesShrinkToTheTextColumn) {
  const QSizeF banner = PictureSizeCm(Picture({1326, 234}, 2));  // 663 x 117 screen pixels
  EXPECT_NEAR(banner.width(), 17.0, 1e-6);
  EXPECT_NEAR(banner.height(), 17.0 * 117 / 663, 1e-3);
  const QSizeF drawing = PictureSizeCm(Picture({400, 300}, 2));
  EXPECT_NEAR(drawing.width(), 200 / 96.0 * 2.54, 1e-2);
}

TEST(ReportPictures, ArtworkIsLoadedAndAMissingPieceIsANullPicture) {
  ArtworkPictures pictures;
  EXPECT_EQ(pictures.Banner().size(), QSize(1326, 234));
  for (const char* name :
       {"ImagePared", "ImageSuelo", "ImageTecho", "ImageTuberia", "ImageTuberiaEnterrada", "ImageTuberiaEnterradaCaja",
        "ImageEsfera", "ImageConducto", "ImageDepositoV", "ImageDepositoH"})
    EXPECT_FALSE(pictures.ElementDrawing(QString::fromLatin1(name)).isNull()) << name;
  EXPECT_TRUE(pictures.ElementDrawing(QStringLiteral("NoSuchPicture")).isNull());
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
    doc = FileReportDocument();
    WriteReport(WindowReport(app), doc, pictures);
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
  EXPECT_TRUE(Entry(entries, "meta.xml").contains("<dc:title>Sin especificar</dc:title>")) << "the reference";
}

// Pictures that cannot be had: the report is written without them.
class NoPictures : public ReportPictures {
 public:
  QImage Banner() override { return {}; }
  QImage ElementDrawing(const QString&) override { return {}; }
  QImage TemperatureChart(const ChartModel&) override { return {}; }
};

TEST_F(ReportFileTest, WithoutItsPicturesTheReportKeepsItsTextAndIsWritten) {
  OpenProjectFile(app, CasePath(QStringLiteral("buried_box.txt")));
  const QDateTime when(QDate(2024, 5, 1), QTime(10, 32));
  NamedPictures named;
  WriteReport(WindowReport(app), doc, named, when);
  FileReportDocument bare;
  NoPictures none;
  WriteReport(WindowReport(app), bare, none, when);
  EXPECT_TRUE(bare.Content().pictures.empty());
  EXPECT_EQ(bare.Content().PlainText(), QString(doc.Content().PlainText()).remove(QChar(0xFFFC)));
  QTemporaryDir dir;
  for (const char* name : {"informe.odt", "informe.pdf"}) {
    QString error;
    EXPECT_TRUE(SaveReport(bare.Content(), dir.filePath(QString::fromLatin1(name)), &error))
        << name << ": " << error.toStdString();
  }
}

TEST_F(ReportFileTest, TextsTabsAndFontsReadBack) {
  CommandCalculate(app);
  const std::vector<OdtParagraph> paragraphs = ReadBack(Write());
  const QStringList texts = Texts(paragraphs);
  ASSERT_GT(texts.size(), 10);
  EXPECT_EQ(texts.mid(0, 6),
            QStringList({"[Pictures/imagen1.png]", "[Tabla1]", "", "Cálculo del espesor de aislamiento",
                         "Imposición de una densidad superficial de flujo de calor de 15W/m2", ""}));
  // A leading tab is an indent of one tab stop: a line that wraps keeps it.
  const qsizetype temperature = texts.indexOf("Tint = 25 ºC");
  ASSERT_GE(temperature, 0);
  EXPECT_EQ(paragraphs[temperature].indent, "1.250cm");
  EXPECT_TRUE(paragraphs[texts.indexOf("Condiciones Interiores")].indent.isEmpty());
  EXPECT_TRUE(texts.last().startsWith("[Tabla")) << "the chart beside the temperatures of the faces";

  const auto font = [&](const QString& text) {
    const qsizetype at = texts.indexOf(text);
    return at < 0 || paragraphs[at].runs.empty()
               ? QString("missing")
               : paragraphs[at].runs.back().properties.value("fo:font-weight") + QLatin1Char(' ') +
                     paragraphs[at].runs.back().properties.value("fo:font-size");
  };
  EXPECT_EQ(font("Cálculo del espesor de aislamiento"), "bold 14pt");
  EXPECT_EQ(font("Imposición de una densidad superficial de flujo de calor de 15W/m2"), "normal 11pt");
  for (const char* heading : {"Condiciones Interiores", "Datos diferentes capas material", "Condiciones Exteriores",
                              "Resultados", "Distribución de temperaturas"})
    EXPECT_EQ(font(heading), "bold 12pt") << heading;
  EXPECT_EQ(font("Tint = 25 ºC"), "normal 10pt");
}

// Every heading sits on the page of the table or picture it introduces.
TEST_F(ReportFileTest, HeadingsKeepWithWhatFollows) {
  const std::vector<OdtParagraph> paragraphs = ReadBack(Write());
  const QStringList texts = Texts(paragraphs);
  const auto keeps = [&](const QString& text) {
    const qsizetype at = texts.indexOf(text);
    return at >= 0 && paragraphs[at].keepWithNext;
  };
  EXPECT_TRUE(keeps("Datos diferentes capas material"));
  EXPECT_TRUE(keeps("Distribución de temperaturas"));
  EXPECT_FALSE(keeps("Condiciones Exteriores")) << "followed by a line of text";
}

// The table of layers read back as the word processor gets it.
TEST_F(ReportFileTest, LayerTableIsATableOfTheDocument) {
  form().UserSelect("ComboBox1", 2);
  form().SetText("ENombre2", "Panel de lana mineral de alta densidad con barrera de vapor");
  const QByteArray xml = Entry(ReadStoredZip(OdtBytes(Write())), QStringLiteral("content.xml"));
  const std::vector<OdtTable> tables = ReadOdtTables(xml);
  const auto layers = std::find_if(tables.begin(), tables.end(),
                                   [](const OdtTable& t) { return !t.rows.empty() && t.rows[0][0] == "Nombre"; });
  ASSERT_NE(layers, tables.end());
  EXPECT_EQ(layers->headerRows, 1);
  EXPECT_TRUE(layers->ruled);
  EXPECT_EQ(layers->columnWidths, QStringList({"6.200cm", "2.800cm", "3.800cm", "4.200cm"}));
  ASSERT_EQ(layers->rows.size(), 1u + 1 + 3 + 1) << "heading, interior, three layers, exterior";
  EXPECT_EQ(layers->rows[0],
            QStringList({"Nombre", "Espesor\n(mm)", "Conductividad\n(W/mºC)", "Resist.térmica\n(m2ºC/W)"}));
  EXPECT_EQ(layers->rows[3][0], "Panel de lana mineral de alta densidad con barrera de vapor");
  // The texts around the table are paragraphs of their own, not tab-aligned rows.
  for (const QString& text : Texts(ReadOdtParagraphs(xml))) {
    EXPECT_FALSE(text.contains("Aislante 1")) << text.toStdString();
  }
}

// Every word of the layer table's headings fits its column, inside the cell's
// padding, even in a wide bold serif (DejaVu Serif, which takes the place of
// Times New Roman where neither it nor a metric twin is installed): a word
// never breaks in the middle, as "Conductivida d" once did.
TEST_F(ReportFileTest, LayerHeadingWordsFitTheirColumns) {
  QFont bold(QStringLiteral("DejaVu Serif"));
  bold.setPointSizeF(10);
  bold.setBold(true);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);  // its resolution gives the widths in the page's units
  const QFontMetricsF metrics(bold, &pdf);
  const double padding = 2 * 0.1;  // cm, left and right of a ruled cell
  for (const bool vapour : {false, true}) {
    form().UserSelect("RadioGroupCalcular", 0);
    form().UserSelect("RadioGroupCondensacion", vapour ? 0 : 1);
    const QByteArray xml = Entry(ReadStoredZip(OdtBytes(Write())), QStringLiteral("content.xml"));
    const std::vector<OdtTable> tables = ReadOdtTables(xml);
    const auto layers = std::find_if(tables.begin(), tables.end(),
                                     [](const OdtTable& t) { return !t.rows.empty() && t.rows[0][0] == "Nombre"; });
    ASSERT_NE(layers, tables.end());
    ASSERT_EQ(layers->rows[0].size(), vapour ? 5 : 4);
    for (qsizetype c = 0; c < layers->rows[0].size(); ++c) {
      const double column = layers->columnWidths[c].chopped(2).toDouble();
      for (const QString& word : layers->rows[0][c].split(QRegularExpression(QStringLiteral("[\\n ]")))) {
        const double width = metrics.horizontalAdvance(word) / pdf.resolution() * 2.54;
        EXPECT_LE(width, column - padding) << word.toStdString() << (vapour ? " with" : " without") << " vapour";
      }
    }
  }
}

// The long name of a layer wraps inside its cell of the PDF: the row grows,
// its figures stay in their columns.
TEST_F(ReportFileTest, LongLayerNameWrapsInsideItsCell) {
  const QString name = QStringLiteral("Panel de lana mineral de alta densidad con barrera de vapor");
  form().SetText("ENombre1", name);
  form().SetText("Edit1e", "43,5");
  const ReportContent& content = Write();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  std::unique_ptr<QTextDocument> document = ToTextDocument(content, &pdf);
  QTextTable* layers = nullptr;
  for (QTextBlock block = document->begin(); block.isValid() && !layers; block = block.next())
    if (block.text() == name) layers = QTextCursor(block).currentTable();
  ASSERT_NE(layers, nullptr);
  EXPECT_EQ(layers->format().headerRowCount(), 1);
  const QTextTableCell cell = layers->cellAt(2, 0);
  ASSERT_EQ(cell.firstCursorPosition().block().text(), name);
  EXPECT_GT(cell.firstCursorPosition().block().layout()->lineCount(), 1) << "the name wraps";
  const QTextTableCell thickness = layers->cellAt(2, 1);
  EXPECT_EQ(thickness.firstCursorPosition().block().text(), "43,50");
  EXPECT_EQ(thickness.firstCursorPosition().block().layout()->lineCount(), 1);
  const auto left = [&](const QTextTableCell& c) {
    return document->documentLayout()->blockBoundingRect(c.firstCursorPosition().block()).left();
  };
  EXPECT_DOUBLE_EQ(left(layers->cellAt(1, 1)), left(thickness)) << "the thickness column does not move";
}

// A pipe's and a tank's layer resistances are per metre of their length:
// so say the heading of the table and the lines of the results.
TEST_F(ReportFileTest, PipeAndTankResistancesArePerMetre) {
  for (const char* project : {"pipe_air_flow.txt", "tank.txt", "buried_box.txt"}) {
    ASSERT_TRUE(OpenProjectFile(app, QStringLiteral(BRENAK_CASES_DIR "/") + QString::fromLatin1(project)));
    const std::vector<OdtTable> tables =
        ReadOdtTables(Entry(ReadStoredZip(OdtBytes(Write())), QStringLiteral("content.xml")));
    const auto layers = std::find_if(tables.begin(), tables.end(),
                                     [](const OdtTable& t) { return !t.rows.empty() && t.rows[0][0] == "Nombre"; });
    ASSERT_NE(layers, tables.end()) << project;
    EXPECT_EQ(layers->rows[0][3], "Resist.térmica\n(mºC/W)") << project;
  }
  const QStringList texts = Texts(ReadBack(doc.Content()));
  EXPECT_TRUE(texts.contains(form().Text("LabelRT"))) << "a buried pipe's own result line";
  EXPECT_TRUE(form().Text("LabelRT").endsWith(" mºC/W"));
}

TEST_F(ReportFileTest, HeadingBlockAndEconomicDataOfAProject) {
  ASSERT_TRUE(OpenProjectFile(app, QStringLiteral(BRENAK_CASES_DIR "/economic.txt")));
  const std::vector<OdtTable> tables =
      ReadOdtTables(Entry(ReadStoredZip(OdtBytes(Write())), QStringLiteral("content.xml")));
  ASSERT_GE(tables.size(), 5u);
  // The heading block stands beside the drawing of the element.
  EXPECT_EQ(tables[0].rows, (std::vector<QStringList>{{QString(), QString()}}));
  EXPECT_EQ(tables[1].name, tables[0].name + "_1");
  EXPECT_EQ(tables[1].rows[0], QStringList({"Referencia:", form().Text("EditReferencia")}));
  EXPECT_EQ(tables[1].rows[1], QStringList({"Proyecto:", "economic.txt"}));
  EXPECT_EQ(tables[1].rows[2][0], "Fecha:");
  EXPECT_FALSE(tables[1].ruled);
  const QByteArray content = Entry(ReadStoredZip(OdtBytes(doc.Content())), QStringLiteral("content.xml"));
  EXPECT_EQ(content.count("<draw:frame"), 3) << "banner, drawing, chart";
  const auto figures = std::find_if(tables.begin(), tables.end(), [](const OdtTable& t) {
    return !t.rows.empty() && t.rows[0][0] == "Inflación del combustible";
  });
  ASSERT_NE(figures, tables.end());
  EXPECT_EQ(figures->rows.size(), 5u);
  EXPECT_EQ(figures->rows[4][1], ExchangeSeparators(form().Text("EditCET")) + " euros/kWh")
      << "the file's figure, with the user's separator";

  // The same window asked for the heat flow has no economic data.
  form().SelectRow("RadioGroupCalcular", 0);
  CommandCalculate(app);
  for (const OdtTable& table : ReadOdtTables(Entry(ReadStoredZip(OdtBytes(Write())), QStringLiteral("content.xml")))) {
    EXPECT_NE(table.rows[0][0], "Inflación del combustible");
  }
}

// The report laid out on the pages of a PDF.
struct PdfLayout {
  explicit PdfLayout(const ReportContent& content) {
    buffer.open(QIODevice::WriteOnly);
    document = ToTextDocument(content, &pdf);
  }
  QByteArray bytes;
  QBuffer buffer{&bytes};
  QPdfWriter pdf{&buffer};
  std::unique_ptr<QTextDocument> document;
};

// The chart, with the temperatures of the faces beside it, goes to the next
// page with its heading when it does not fit whole on the page of the heading.
TEST_F(ReportFileTest, PdfKeepsAHeadingWithItsChart) {
  ASSERT_TRUE(OpenProjectFile(app, QStringLiteral(BRENAK_CASES_DIR "/plate_condensation.txt")));
  for (int lines = 0; lines <= 12; lines += 2) {
    SCOPED_TRACE(lines);
    // Lines that push the chart down the first page, and at last off it.
    form().SetText("LabelQ", form().Text("LabelQ") + QStringLiteral("\nlínea\nlínea"));
    const PdfLayout layout(Write());
    QTextDocument* document = layout.document.get();
    QTextBlock heading = document->begin();
    while (heading.isValid() && heading.text() != "Distribución de temperaturas") heading = heading.next();
    ASSERT_TRUE(heading.isValid());
    QTextTable* chart = QTextCursor(heading.next()).currentTable();
    ASSERT_NE(chart, nullptr);
    const double page = document->pageSize().height();
    const QRectF frame = document->documentLayout()->frameBoundingRect(chart);
    const int headingPage = static_cast<int>((document->documentLayout()->blockBoundingRect(heading).top() +
                                              heading.layout()->lineAt(0).rect().center().y()) /
                                             page);
    EXPECT_EQ(static_cast<int>((frame.top() + 1) / page), headingPage);
    EXPECT_EQ(static_cast<int>((frame.bottom() - 1) / page), headingPage) << "the chart is not split";
    EXPECT_EQ(document->pageCount(), headingPage + 1);
  }
}

// A report whose content fits on a page takes one page: the drawing stands
// beside the heading block and the temperatures beside the chart.
TEST_F(ReportFileTest, AShortReportIsOnePage) {
  for (const char* project : {"start.txt", "plate_condensation.txt", "sphere.txt", "pipe_air_flow.txt",
                              "buried_box.txt", "tank.txt", "pipe_air_final_temp.txt"}) {
    ASSERT_TRUE(OpenProjectFile(app, QStringLiteral(BRENAK_CASES_DIR "/") + QString::fromLatin1(project)));
    EXPECT_EQ(PdfLayout(Write()).document->pageCount(), 1) << project;
  }
}

// The font the report names is one the system has, so that what a reader
// finds in the PDF is what was measured for its layout.
TEST(ReportFont, IsInstalled) {
  EXPECT_TRUE(QFontDatabase::families().contains(kReportFontFamily)) << kReportFontFamily.toStdString();
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
