#include "report/ReportFiles.h"

#include "report/ReportContent.h"
#include "report/ZipArchive.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDateTime>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QUrl>
#include <QXmlStreamWriter>

#include <map>
#include <vector>

namespace {

constexpr double kCmPerInch = 2.54;
constexpr double kScreenDpi = 96.0;
constexpr double kDefaultDotsPerMetre = kScreenDpi / 0.0254;

double TextWidthCm() { return kReportPageWidthCm - 2 * kReportMarginCm; }
double TextHeightCm() { return kReportPageHeightCm - 2 * kReportMarginCm; }

QString Cm(double value) { return QString::number(value, 'f', 3) + QStringLiteral("cm"); }
QString Points(float value) { return QString::number(static_cast<double>(value), 'g', 6) + QStringLiteral("pt"); }

const char* const kNamespaces[][2] = {
    {"xmlns:office", "urn:oasis:names:tc:opendocument:xmlns:office:1.0"},
    {"xmlns:style", "urn:oasis:names:tc:opendocument:xmlns:style:1.0"},
    {"xmlns:text", "urn:oasis:names:tc:opendocument:xmlns:text:1.0"},
    {"xmlns:draw", "urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"},
    {"xmlns:fo", "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"},
    {"xmlns:xlink", "http://www.w3.org/1999/xlink"},
    {"xmlns:svg", "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"},
    {"xmlns:meta", "urn:oasis:names:tc:opendocument:xmlns:meta:1.0"},
    {"xmlns:dc", "http://purl.org/dc/elements/1.1/"},
};

void StartDocument(QXmlStreamWriter& xml, const QString& root) {
  xml.writeStartDocument();
  xml.writeStartElement(root);
  for (const auto& ns : kNamespaces) xml.writeAttribute(QLatin1String(ns[0]), QLatin1String(ns[1]));
  xml.writeAttribute(QStringLiteral("office:version"), QStringLiteral("1.2"));
}

void FontFaces(QXmlStreamWriter& xml) {
  xml.writeStartElement(QStringLiteral("office:font-face-decls"));
  xml.writeEmptyElement(QStringLiteral("style:font-face"));
  xml.writeAttribute(QStringLiteral("style:name"), kReportFontFamily);
  xml.writeAttribute(QStringLiteral("svg:font-family"), QLatin1Char('\'') + kReportFontFamily + QLatin1Char('\''));
  xml.writeAttribute(QStringLiteral("style:font-family-generic"), QStringLiteral("roman"));
  xml.writeAttribute(QStringLiteral("style:font-pitch"), QStringLiteral("variable"));
  xml.writeEndElement();
}

// Every effect is stated, on or off, so that a piece does not inherit one.
void TextProperties(QXmlStreamWriter& xml, const ReportFont& font) {
  xml.writeEmptyElement(QStringLiteral("style:text-properties"));
  const QString size = Points(font.size);
  xml.writeAttribute(QStringLiteral("fo:font-size"), size);
  xml.writeAttribute(QStringLiteral("style:font-size-asian"), size);
  xml.writeAttribute(QStringLiteral("style:font-size-complex"), size);
  const QString weight = font.bold ? QStringLiteral("bold") : QStringLiteral("normal");
  xml.writeAttribute(QStringLiteral("fo:font-weight"), weight);
  xml.writeAttribute(QStringLiteral("style:font-weight-asian"), weight);
  xml.writeAttribute(QStringLiteral("style:font-weight-complex"), weight);
  const QString slant = font.italic ? QStringLiteral("italic") : QStringLiteral("normal");
  xml.writeAttribute(QStringLiteral("fo:font-style"), slant);
  xml.writeAttribute(QStringLiteral("style:font-style-asian"), slant);
  xml.writeAttribute(QStringLiteral("style:font-style-complex"), slant);
  // Embossed and engraved exclude each other; engraved wins when both are asked.
  xml.writeAttribute(QStringLiteral("style:font-relief"), font.engrave  ? QStringLiteral("engraved")
                                                          : font.emboss ? QStringLiteral("embossed")
                                                                        : QStringLiteral("none"));
  xml.writeAttribute(QStringLiteral("fo:text-shadow"), font.shadow ? QStringLiteral("1pt 1pt") : QStringLiteral("none"));
  if (font.doubleStrikeThrough || font.strikeThrough) {
    xml.writeAttribute(QStringLiteral("style:text-line-through-style"), QStringLiteral("solid"));
    xml.writeAttribute(QStringLiteral("style:text-line-through-type"),
                       font.doubleStrikeThrough ? QStringLiteral("double") : QStringLiteral("single"));
  } else {
    xml.writeAttribute(QStringLiteral("style:text-line-through-style"), QStringLiteral("none"));
  }
}

template <typename Key>
int StyleNumber(std::vector<Key>& keys, const Key& key) {
  for (size_t i = 0; i < keys.size(); ++i)
    if (keys[i] == key) return static_cast<int>(i) + 1;
  keys.push_back(key);
  return static_cast<int>(keys.size());
}

// A paragraph of text followed by a paragraph that opens with a picture (a
// heading and its chart, the title and the drawing) stays on the picture's page.
bool KeepWithNext(const ReportContent& content, size_t p) {
  if (p + 1 >= content.paragraphs.size()) return false;
  const auto& pieces = content.paragraphs[p].pieces;
  const auto& next = content.paragraphs[p + 1].pieces;
  return !pieces.empty() && !pieces.front().IsPicture() && !next.empty() && next.front().IsPicture();
}

struct ParagraphStyle {
  ReportFont font;
  bool keepWithNext = false;
  bool operator==(const ParagraphStyle&) const = default;
};

// Writes text with its tabs and blanks kept: a blank that the reader would
// fold away (at the start, after a tab or after another blank) is written as
// a counted space element.
void WriteText(QXmlStreamWriter& xml, const QString& text, bool& afterCharacter) {
  QString plain;
  const auto flush = [&] {
    if (!plain.isEmpty()) xml.writeCharacters(plain);
    plain.clear();
  };
  for (qsizetype i = 0; i < text.size();) {
    const QChar c = text[i];
    if (c == QLatin1Char('\t')) {
      flush();
      xml.writeEmptyElement(QStringLiteral("text:tab"));
      afterCharacter = false;
      ++i;
    } else if (c == QLatin1Char(' ')) {
      qsizetype end = i;
      while (end < text.size() && text[end] == QLatin1Char(' ')) ++end;
      qsizetype count = end - i;
      if (afterCharacter) {
        plain += QLatin1Char(' ');
        --count;
      }
      if (count > 0) {
        flush();
        xml.writeEmptyElement(QStringLiteral("text:s"));
        if (count > 1) xml.writeAttribute(QStringLiteral("text:c"), QString::number(count));
      }
      afterCharacter = false;
      i = end;
    } else {
      plain += c;
      afterCharacter = true;
      ++i;
    }
  }
  flush();
}

QString PictureFileName(int number) { return QStringLiteral("Pictures/imagen%1.png").arg(number); }

// The pictures the paragraphs use, numbered from 1 in order of use.
std::map<int, int> UsedPictures(const ReportContent& content) {
  std::map<int, int> numbers;
  for (const ReportParagraph& paragraph : content.paragraphs)
    for (const ReportPiece& piece : paragraph.pieces)
      if (piece.IsPicture() && !numbers.count(piece.picture))
        numbers.emplace(piece.picture, static_cast<int>(numbers.size()) + 1);
  return numbers;
}

QByteArray StylesXml(const ReportContent& content) {
  QByteArray bytes;
  QXmlStreamWriter xml(&bytes);
  StartDocument(xml, QStringLiteral("office:document-styles"));
  FontFaces(xml);
  xml.writeStartElement(QStringLiteral("office:styles"));

  xml.writeStartElement(QStringLiteral("style:default-style"));
  xml.writeAttribute(QStringLiteral("style:family"), QStringLiteral("paragraph"));
  xml.writeEmptyElement(QStringLiteral("style:paragraph-properties"));
  xml.writeAttribute(QStringLiteral("style:tab-stop-distance"), Cm(kReportTabStopCm));
  xml.writeEmptyElement(QStringLiteral("style:text-properties"));
  xml.writeAttribute(QStringLiteral("style:font-name"), kReportFontFamily);
  xml.writeAttribute(QStringLiteral("fo:font-size"), Points(ReportFont{}.size));
  // Text in no language is not checked for spelling or grammar.
  const QString language = content.proofing ? QStringLiteral("es") : QStringLiteral("zxx");
  const QString country = content.proofing ? QStringLiteral("ES") : QStringLiteral("none");
  xml.writeAttribute(QStringLiteral("fo:language"), language);
  xml.writeAttribute(QStringLiteral("fo:country"), country);
  xml.writeAttribute(QStringLiteral("style:language-asian"), QStringLiteral("zxx"));
  xml.writeAttribute(QStringLiteral("style:country-asian"), QStringLiteral("none"));
  xml.writeAttribute(QStringLiteral("style:language-complex"), QStringLiteral("zxx"));
  xml.writeAttribute(QStringLiteral("style:country-complex"), QStringLiteral("none"));
  xml.writeEndElement();

  xml.writeStartElement(QStringLiteral("style:style"));
  xml.writeAttribute(QStringLiteral("style:name"), QStringLiteral("Standard"));
  xml.writeAttribute(QStringLiteral("style:family"), QStringLiteral("paragraph"));
  xml.writeAttribute(QStringLiteral("style:class"), QStringLiteral("text"));
  xml.writeEmptyElement(QStringLiteral("style:paragraph-properties"));
  xml.writeAttribute(QStringLiteral("fo:margin-top"), Cm(0));
  xml.writeAttribute(QStringLiteral("fo:margin-bottom"), Cm(0));
  xml.writeEndElement();

  xml.writeEndElement();  // office:styles

  xml.writeStartElement(QStringLiteral("office:automatic-styles"));
  xml.writeStartElement(QStringLiteral("style:page-layout"));
  xml.writeAttribute(QStringLiteral("style:name"), QStringLiteral("pm1"));
  xml.writeEmptyElement(QStringLiteral("style:page-layout-properties"));
  xml.writeAttribute(QStringLiteral("fo:page-width"), Cm(kReportPageWidthCm));
  xml.writeAttribute(QStringLiteral("fo:page-height"), Cm(kReportPageHeightCm));
  xml.writeAttribute(QStringLiteral("style:print-orientation"), QStringLiteral("portrait"));
  for (const char* side : {"fo:margin-top", "fo:margin-bottom", "fo:margin-left", "fo:margin-right"})
    xml.writeAttribute(QLatin1String(side), Cm(kReportMarginCm));
  xml.writeEndElement();
  xml.writeEndElement();

  xml.writeStartElement(QStringLiteral("office:master-styles"));
  xml.writeEmptyElement(QStringLiteral("style:master-page"));
  xml.writeAttribute(QStringLiteral("style:name"), QStringLiteral("Standard"));
  xml.writeAttribute(QStringLiteral("style:page-layout-name"), QStringLiteral("pm1"));
  xml.writeEndElement();

  xml.writeEndElement();
  xml.writeEndDocument();
  return bytes;
}

QByteArray MetaXml(const ReportContent& content) {
  QByteArray bytes;
  QXmlStreamWriter xml(&bytes);
  StartDocument(xml, QStringLiteral("office:document-meta"));
  xml.writeStartElement(QStringLiteral("office:meta"));
  xml.writeTextElement(QStringLiteral("meta:generator"), QStringLiteral("Brenak"));
  if (!content.title.isEmpty()) xml.writeTextElement(QStringLiteral("dc:title"), content.title);
  const QString now = QDateTime::currentDateTime().toString(Qt::ISODate);
  xml.writeTextElement(QStringLiteral("meta:creation-date"), now);
  xml.writeTextElement(QStringLiteral("dc:date"), now);
  xml.writeEndElement();
  xml.writeEndElement();
  xml.writeEndDocument();
  return bytes;
}

QByteArray ManifestXml(const std::map<int, int>& pictures) {
  QByteArray bytes;
  QXmlStreamWriter xml(&bytes);
  xml.writeStartDocument();
  xml.writeStartElement(QStringLiteral("manifest:manifest"));
  xml.writeAttribute(QStringLiteral("xmlns:manifest"), QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:manifest:1.0"));
  xml.writeAttribute(QStringLiteral("manifest:version"), QStringLiteral("1.2"));
  const auto entry = [&xml](const QString& path, const QString& type) {
    xml.writeEmptyElement(QStringLiteral("manifest:file-entry"));
    xml.writeAttribute(QStringLiteral("manifest:full-path"), path);
    if (path == QLatin1String("/")) xml.writeAttribute(QStringLiteral("manifest:version"), QStringLiteral("1.2"));
    xml.writeAttribute(QStringLiteral("manifest:media-type"), type);
  };
  entry(QStringLiteral("/"), QStringLiteral("application/vnd.oasis.opendocument.text"));
  entry(QStringLiteral("content.xml"), QStringLiteral("text/xml"));
  entry(QStringLiteral("styles.xml"), QStringLiteral("text/xml"));
  entry(QStringLiteral("meta.xml"), QStringLiteral("text/xml"));
  for (const auto& [index, number] : pictures) entry(PictureFileName(number), QStringLiteral("image/png"));
  xml.writeEndElement();
  xml.writeEndDocument();
  return bytes;
}

QByteArray Png(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

bool WriteFile(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    if (error) *error = file.errorString();
    return false;
  }
  return true;
}

QTextCharFormat CharFormat(const ReportFont& font) {
  QTextCharFormat format;
  format.setFontFamilies({kReportFontFamily});
  format.setFontPointSize(font.size);
  format.setFontWeight(font.bold ? QFont::Bold : QFont::Normal);
  format.setFontItalic(font.italic);
  format.setFontStrikeOut(font.strikeThrough || font.doubleStrikeThrough);
  return format;
}

double CmToScreenPixels(double cm) { return cm / kCmPerInch * kScreenDpi; }

// The page of the block's first line: the layout moves lines, not blocks, to
// the next page.
int PageOf(QTextDocument& document, const QTextBlock& block) {
  const QTextLayout* layout = block.layout();
  double middle = document.documentLayout()->blockBoundingRect(block).top();
  if (layout && layout->lineCount() > 0) middle = layout->position().y() + layout->lineAt(0).rect().center().y();
  return static_cast<int>(middle / document.pageSize().height());
}

// A text document has no "keep with next": a paragraph that the page end
// separates from the picture after it starts a new page instead.
void KeepHeadingsWithPictures(QTextDocument& document, const ReportContent& content) {
  std::vector<int> kept;
  for (size_t p = 0; p < content.paragraphs.size(); ++p)
    if (KeepWithNext(content, p)) kept.push_back(static_cast<int>(p));
  for (int number : kept) {
    const QTextBlock block = document.findBlockByNumber(number);
    const QTextBlock next = block.next();
    if (!block.isValid() || !next.isValid() || PageOf(document, block) == PageOf(document, next)) continue;
    QTextCursor cursor(block);
    QTextBlockFormat format = block.blockFormat();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.setBlockFormat(format);
  }
}

}  // namespace

QSizeF PictureSizeCm(const QImage& picture) {
  if (picture.isNull()) return {};
  const double dpmX = picture.dotsPerMeterX() > 0 ? picture.dotsPerMeterX() : kDefaultDotsPerMetre;
  const double dpmY = picture.dotsPerMeterY() > 0 ? picture.dotsPerMeterY() : kDefaultDotsPerMetre;
  QSizeF size(picture.width() / dpmX * 100.0, picture.height() / dpmY * 100.0);
  const double shrink = std::min({1.0, TextWidthCm() / size.width(), TextHeightCm() / size.height()});
  return size * shrink;
}

QByteArray OdtContentXml(const ReportContent& content) {
  const std::map<int, int> pictures = UsedPictures(content);
  std::vector<ParagraphStyle> paragraphStyles;
  std::vector<ReportFont> textFonts;
  for (size_t p = 0; p < content.paragraphs.size(); ++p) {
    const ReportParagraph& paragraph = content.paragraphs[p];
    StyleNumber(paragraphStyles, ParagraphStyle{paragraph.mark, KeepWithNext(content, p)});
    for (const ReportPiece& piece : paragraph.pieces)
      if (!piece.IsPicture()) StyleNumber(textFonts, piece.font);
  }

  QByteArray bytes;
  QXmlStreamWriter xml(&bytes);
  StartDocument(xml, QStringLiteral("office:document-content"));
  FontFaces(xml);

  xml.writeStartElement(QStringLiteral("office:automatic-styles"));
  for (size_t i = 0; i < paragraphStyles.size(); ++i) {
    xml.writeStartElement(QStringLiteral("style:style"));
    xml.writeAttribute(QStringLiteral("style:name"), QStringLiteral("P%1").arg(i + 1));
    xml.writeAttribute(QStringLiteral("style:family"), QStringLiteral("paragraph"));
    xml.writeAttribute(QStringLiteral("style:parent-style-name"), QStringLiteral("Standard"));
    if (paragraphStyles[i].keepWithNext) {
      xml.writeEmptyElement(QStringLiteral("style:paragraph-properties"));
      xml.writeAttribute(QStringLiteral("fo:keep-with-next"), QStringLiteral("always"));
    }
    TextProperties(xml, paragraphStyles[i].font);
    xml.writeEndElement();
  }
  for (size_t i = 0; i < textFonts.size(); ++i) {
    xml.writeStartElement(QStringLiteral("style:style"));
    xml.writeAttribute(QStringLiteral("style:name"), QStringLiteral("T%1").arg(i + 1));
    xml.writeAttribute(QStringLiteral("style:family"), QStringLiteral("text"));
    TextProperties(xml, textFonts[i]);
    xml.writeEndElement();
  }
  xml.writeStartElement(QStringLiteral("style:style"));
  xml.writeAttribute(QStringLiteral("style:name"), QStringLiteral("fr1"));
  xml.writeAttribute(QStringLiteral("style:family"), QStringLiteral("graphic"));
  xml.writeEmptyElement(QStringLiteral("style:graphic-properties"));
  xml.writeAttribute(QStringLiteral("style:vertical-pos"), QStringLiteral("top"));
  xml.writeAttribute(QStringLiteral("style:vertical-rel"), QStringLiteral("baseline"));
  xml.writeAttribute(QStringLiteral("fo:margin-left"), Cm(0));
  xml.writeAttribute(QStringLiteral("fo:margin-right"), Cm(0));
  xml.writeAttribute(QStringLiteral("fo:margin-top"), Cm(0));
  xml.writeAttribute(QStringLiteral("fo:margin-bottom"), Cm(0));
  xml.writeAttribute(QStringLiteral("fo:border"), QStringLiteral("none"));
  xml.writeEndElement();
  xml.writeEndElement();  // office:automatic-styles

  xml.writeStartElement(QStringLiteral("office:body"));
  xml.writeStartElement(QStringLiteral("office:text"));
  for (size_t p = 0; p < content.paragraphs.size(); ++p) {
    const ReportParagraph& paragraph = content.paragraphs[p];
    // The unfinished paragraph at the very end is written only when it holds something.
    if (p + 1 == content.paragraphs.size() && p > 0 && paragraph.pieces.empty()) break;
    xml.writeStartElement(QStringLiteral("text:p"));
    xml.writeAttribute(QStringLiteral("text:style-name"),
                       QStringLiteral("P%1").arg(StyleNumber(paragraphStyles,
                                                             ParagraphStyle{paragraph.mark, KeepWithNext(content, p)})));
    bool afterCharacter = false;
    for (const ReportPiece& piece : paragraph.pieces) {
      if (piece.IsPicture()) {
        const int number = pictures.at(piece.picture);
        const QSizeF size = PictureSizeCm(content.pictures[piece.picture]);
        xml.writeStartElement(QStringLiteral("draw:frame"));
        xml.writeAttribute(QStringLiteral("draw:style-name"), QStringLiteral("fr1"));
        xml.writeAttribute(QStringLiteral("draw:name"), QStringLiteral("Imagen%1").arg(number));
        xml.writeAttribute(QStringLiteral("text:anchor-type"), QStringLiteral("as-char"));
        xml.writeAttribute(QStringLiteral("svg:width"), Cm(size.width()));
        xml.writeAttribute(QStringLiteral("svg:height"), Cm(size.height()));
        xml.writeAttribute(QStringLiteral("draw:z-index"), QStringLiteral("0"));
        xml.writeEmptyElement(QStringLiteral("draw:image"));
        xml.writeAttribute(QStringLiteral("xlink:href"), PictureFileName(number));
        xml.writeAttribute(QStringLiteral("xlink:type"), QStringLiteral("simple"));
        xml.writeAttribute(QStringLiteral("xlink:show"), QStringLiteral("embed"));
        xml.writeAttribute(QStringLiteral("xlink:actuate"), QStringLiteral("onLoad"));
        xml.writeEndElement();
        afterCharacter = false;
        continue;
      }
      xml.writeStartElement(QStringLiteral("text:span"));
      xml.writeAttribute(QStringLiteral("text:style-name"), QStringLiteral("T%1").arg(StyleNumber(textFonts, piece.font)));
      WriteText(xml, piece.text, afterCharacter);
      xml.writeEndElement();
    }
    xml.writeEndElement();
  }
  xml.writeEndElement();
  xml.writeEndElement();
  xml.writeEndElement();
  xml.writeEndDocument();
  return bytes;
}

QByteArray OdtBytes(const ReportContent& content) {
  const std::map<int, int> pictures = UsedPictures(content);
  StoredZipWriter zip;
  zip.Add(QStringLiteral("mimetype"), QByteArrayLiteral("application/vnd.oasis.opendocument.text"));
  zip.Add(QStringLiteral("content.xml"), OdtContentXml(content));
  zip.Add(QStringLiteral("styles.xml"), StylesXml(content));
  zip.Add(QStringLiteral("meta.xml"), MetaXml(content));
  for (const auto& [index, number] : pictures) zip.Add(PictureFileName(number), Png(content.pictures[index]));
  zip.Add(QStringLiteral("META-INF/manifest.xml"), ManifestXml(pictures));
  return zip.Finish();
}

std::unique_ptr<QTextDocument> ToTextDocument(const ReportContent& content, QPaintDevice* device) {
  auto document = std::make_unique<QTextDocument>();
  // Laid out on the device it is printed on, text is measured at the device's
  // resolution; font sizes are not rounded to whole screen pixels.
  if (device) document->documentLayout()->setPaintDevice(device);
  const double pagePixelsPerCm = (device ? device->logicalDpiY() : kScreenDpi) / kCmPerInch;
  document->setDefaultFont(QFont(kReportFontFamily, static_cast<int>(ReportFont{}.size)));
  document->setDocumentMargin(0);
  // Positions from the fonts' design, not from screen pixels, so that runs of
  // blanks line up with the tab stops as they do on paper.
  document->setUseDesignMetrics(true);
  QTextOption option = document->defaultTextOption();
  option.setTabStopDistance(CmToScreenPixels(kReportTabStopCm));
  document->setDefaultTextOption(option);
  document->setMetaInformation(QTextDocument::DocumentTitle, content.title);
  document->setPageSize(QSizeF(TextWidthCm() * pagePixelsPerCm, TextHeightCm() * pagePixelsPerCm));

  QTextCursor cursor(document.get());
  const std::map<int, int> pictures = UsedPictures(content);
  for (const auto& [index, number] : pictures)
    document->addResource(QTextDocument::ImageResource, QUrl(PictureFileName(number)), content.pictures[index]);

  for (size_t p = 0; p < content.paragraphs.size(); ++p) {
    const ReportParagraph& paragraph = content.paragraphs[p];
    if (p + 1 == content.paragraphs.size() && p > 0 && paragraph.pieces.empty()) break;
    if (p > 0) cursor.insertBlock();
    cursor.setBlockCharFormat(CharFormat(paragraph.mark));
    if (!paragraph.pieces.empty() && paragraph.pieces.front().IsPicture()) {
      // A pixel of air above a picture keeps its edge off the previous page.
      QTextBlockFormat block = cursor.blockFormat();
      block.setTopMargin(2);
      cursor.setBlockFormat(block);
    }
    for (const ReportPiece& piece : paragraph.pieces) {
      if (piece.IsPicture()) {
        const QSizeF size = PictureSizeCm(content.pictures[piece.picture]);
        QTextImageFormat image;
        image.setName(PictureFileName(pictures.at(piece.picture)));
        image.setWidth(CmToScreenPixels(size.width()));
        image.setHeight(CmToScreenPixels(size.height()));
        cursor.insertImage(image);
      } else {
        cursor.insertText(piece.text, CharFormat(piece.font));
      }
    }
  }
  KeepHeadingsWithPictures(*document, content);
  return document;
}

bool SaveReportOdt(const ReportContent& content, const QString& path, QString* error) {
  return WriteFile(path, OdtBytes(content), error);
}

bool SaveReportPdf(const ReportContent& content, const QString& path, QString* error) {
  // The PDF is made in memory, so that a failure leaves no half-written file.
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(content.title);
    pdf.setCreator(QStringLiteral("Brenak"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(kReportMarginCm * 10, kReportMarginCm * 10, kReportMarginCm * 10,
                                            kReportMarginCm * 10),
                                  QPageLayout::Millimeter));
    std::unique_ptr<QTextDocument> document = ToTextDocument(content, &pdf);
    document->print(&pdf);
  }
  if (bytes.isEmpty()) {
    if (error) *error = QStringLiteral("no se ha podido componer el PDF");
    return false;
  }
  return WriteFile(path, bytes, error);
}

bool SaveReport(const ReportContent& content, const QString& path, QString* error) {
  if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
    return SaveReportPdf(content, path, error);
  return SaveReportOdt(content, path, error);
}
