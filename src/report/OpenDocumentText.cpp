// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/OpenDocumentText.h"

#include "report/OpenDocumentPackage.h"
#include "report/ReportContent.h"
#include "report/ReportFiles.h"

#include <QDateTime>
#include <QXmlStreamWriter>

#include <algorithm>
#include <functional>
#include <map>
#include <vector>

namespace {

const QString kTextMediaType = QStringLiteral("application/vnd.oasis.opendocument.text");

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
    {"xmlns:table", "urn:oasis:names:tc:opendocument:xmlns:table:1.0"},
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

// The weight is stated in every style, so that a piece does not inherit one.
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
}

template <typename Key>
int StyleNumber(std::vector<Key>& keys, const Key& key) {
  for (size_t i = 0; i < keys.size(); ++i)
    if (keys[i] == key) return static_cast<int>(i) + 1;
  keys.push_back(key);
  return static_cast<int>(keys.size());
}

struct ParagraphStyle {
  ReportFont font;
  bool keepWithNext = false;
  CellAlignment alignment = CellAlignment::Left;
  int indent = 0;  // in tab stops
  bool operator==(const ParagraphStyle&) const = default;
};

QString TextAlign(CellAlignment alignment) {
  switch (alignment) {
    case CellAlignment::Left: return QStringLiteral("start");
    case CellAlignment::Centre: return QStringLiteral("center");
    case CellAlignment::Right: return QStringLiteral("end");
  }
  return QStringLiteral("start");
}

// The paragraph style of a cell's text: headings are bold and centred, the
// other rows take the alignment of their column.
ParagraphStyle CellStyle(const ReportTable& table, size_t row, int column) {
  ParagraphStyle style;
  style.font.size = table.fontSize;
  const bool heading = static_cast<int>(row) < table.headerRows;
  style.font.bold = heading;
  style.alignment =
      heading ? CellAlignment::Centre
              : (column < static_cast<int>(table.alignments.size()) ? table.alignments[column] : CellAlignment::Left);
  return style;
}

// The style of paragraph `p` of text: its end's format, whether it keeps
// with the next, and its indent.
ParagraphStyle TextParagraphStyle(const ReportContent& content, size_t p) {
  ParagraphStyle style;
  style.font = content.paragraphs[p].mark;
  style.keepWithNext = content.KeepsWithNext(p);
  style.indent = content.paragraphs[p].LeadingTabs();
  return style;
}

// The lines of a cell, each a paragraph of its own.
QStringList CellLines(const QStringList& row, int column) {
  return (column < row.size() ? row[column] : QString()).split(QLatin1Char('\n'));
}

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

QByteArray StylesXml() {
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
  // A report is mostly figures, units and symbols ("Tint", "hext"): written in
  // no language, the word processor does not mark them as misspelt.
  xml.writeAttribute(QStringLiteral("fo:language"), QStringLiteral("zxx"));
  xml.writeAttribute(QStringLiteral("fo:country"), QStringLiteral("none"));
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

// Every table of the report with its name, the tables inside cells after the
// table that holds them: "Tabla3", "Tabla3_1".
std::vector<std::pair<const ReportTable*, QString>> NamedTables(const ReportContent& content) {
  std::vector<std::pair<const ReportTable*, QString>> named;
  std::function<void(const ReportTable&, const QString&)> add = [&](const ReportTable& table, const QString& name) {
    named.emplace_back(&table, name);
    int inner = 0;
    for (const ReportCellInset& inset : table.insets)
      for (const ReportTable& nested : inset.table) add(nested, name + QStringLiteral("_%1").arg(++inner));
  };
  for (size_t t = 0; t < content.tables.size(); ++t) add(content.tables[t], QStringLiteral("Tabla%1").arg(t + 1));
  return named;
}

// What writing a table needs besides the table: the report's pictures and
// their numbers, the names of the tables, the paragraph styles.
struct TableWriting {
  const ReportContent& content;
  const std::map<int, int>& pictures;
  std::map<const ReportTable*, QString> names;
  std::vector<ParagraphStyle>& paragraphStyles;
};

// A picture standing as a character of its paragraph.
void WritePictureFrame(QXmlStreamWriter& xml, const ReportContent& content, int picture, int number) {
  const QSizeF size = PictureSizeCm(content.pictures[picture]);
  xml.writeStartElement(QStringLiteral("draw:frame"));
  xml.writeAttribute(QStringLiteral("draw:style-name"), QStringLiteral("fr1"));
  xml.writeAttribute(QStringLiteral("draw:name"), QStringLiteral("Imagen%1").arg(number));
  xml.writeAttribute(QStringLiteral("text:anchor-type"), QStringLiteral("as-char"));
  xml.writeAttribute(QStringLiteral("svg:width"), Cm(size.width()));
  xml.writeAttribute(QStringLiteral("svg:height"), Cm(size.height()));
  xml.writeAttribute(QStringLiteral("draw:z-index"), QStringLiteral("0"));
  xml.writeEmptyElement(QStringLiteral("draw:image"));
  xml.writeAttribute(QStringLiteral("xlink:href"), OpenDocumentPackage::PicturePath(number));
  xml.writeAttribute(QStringLiteral("xlink:type"), QStringLiteral("simple"));
  xml.writeAttribute(QStringLiteral("xlink:show"), QStringLiteral("embed"));
  xml.writeAttribute(QStringLiteral("xlink:actuate"), QStringLiteral("onLoad"));
  xml.writeEndElement();
}

// The styles of the tables: the table's width and indent, each column's width,
// and the two kinds of cell, with and without lines around them.
void TableStyles(QXmlStreamWriter& xml, const ReportContent& content) {
  for (const auto& [table, name] : NamedTables(content)) {
    double width = 0;
    for (double column : table->widthsCm) width += column;
    xml.writeStartElement(QStringLiteral("style:style"));
    xml.writeAttribute(QStringLiteral("style:name"), name);
    xml.writeAttribute(QStringLiteral("style:family"), QStringLiteral("table"));
    xml.writeEmptyElement(QStringLiteral("style:table-properties"));
    xml.writeAttribute(QStringLiteral("style:width"), Cm(width));
    xml.writeAttribute(QStringLiteral("table:align"), QStringLiteral("left"));
    xml.writeAttribute(QStringLiteral("fo:margin-left"), Cm(table->indentCm));
    xml.writeAttribute(QStringLiteral("fo:margin-top"), Cm(0.1));
    xml.writeAttribute(QStringLiteral("fo:margin-bottom"), Cm(0.1));
    xml.writeEndElement();
    for (int c = 0; c < table->ColumnCount(); ++c) {
      xml.writeStartElement(QStringLiteral("style:style"));
      xml.writeAttribute(QStringLiteral("style:name"), QStringLiteral("%1.C%2").arg(name).arg(c + 1));
      xml.writeAttribute(QStringLiteral("style:family"), QStringLiteral("table-column"));
      xml.writeEmptyElement(QStringLiteral("style:table-column-properties"));
      xml.writeAttribute(QStringLiteral("style:column-width"), Cm(table->widthsCm[c]));
      xml.writeEndElement();
    }
    // A row is not split between pages.
    xml.writeStartElement(QStringLiteral("style:style"));
    xml.writeAttribute(QStringLiteral("style:name"), QStringLiteral("%1.R").arg(name));
    xml.writeAttribute(QStringLiteral("style:family"), QStringLiteral("table-row"));
    xml.writeEmptyElement(QStringLiteral("style:table-row-properties"));
    xml.writeAttribute(QStringLiteral("fo:keep-together"), QStringLiteral("always"));
    xml.writeEndElement();
  }
  for (const bool ruled : {true, false}) {
    xml.writeStartElement(QStringLiteral("style:style"));
    xml.writeAttribute(QStringLiteral("style:name"), ruled ? QStringLiteral("CeldaConLinea") : QStringLiteral("Celda"));
    xml.writeAttribute(QStringLiteral("style:family"), QStringLiteral("table-cell"));
    xml.writeEmptyElement(QStringLiteral("style:table-cell-properties"));
    xml.writeAttribute(QStringLiteral("fo:padding-left"), Cm(ruled ? 0.1 : 0));
    xml.writeAttribute(QStringLiteral("fo:padding-right"), Cm(ruled ? 0.1 : 0.2));
    xml.writeAttribute(QStringLiteral("fo:padding-top"), Cm(ruled ? 0.05 : 0));
    xml.writeAttribute(QStringLiteral("fo:padding-bottom"), Cm(ruled ? 0.05 : 0));
    xml.writeAttribute(QStringLiteral("fo:border"),
                       ruled ? QStringLiteral("0.5pt solid #000000") : QStringLiteral("none"));
    xml.writeAttribute(QStringLiteral("style:vertical-align"), QStringLiteral("middle"));
    xml.writeEndElement();
  }
}

void WriteTable(QXmlStreamWriter& xml, const ReportTable& table, const TableWriting& writing);

void WriteTableRow(QXmlStreamWriter& xml, const ReportTable& table, size_t row, const QString& rowStyle,
                   const TableWriting& writing) {
  xml.writeStartElement(QStringLiteral("table:table-row"));
  xml.writeAttribute(QStringLiteral("table:style-name"), rowStyle);
  for (int column = 0; column < table.ColumnCount(); ++column) {
    xml.writeStartElement(QStringLiteral("table:table-cell"));
    xml.writeAttribute(QStringLiteral("table:style-name"),
                       table.ruled ? QStringLiteral("CeldaConLinea") : QStringLiteral("Celda"));
    xml.writeAttribute(QStringLiteral("office:value-type"), QStringLiteral("string"));
    const int style = StyleNumber(writing.paragraphStyles, CellStyle(table, row, column));
    if (const ReportCellInset* inset = table.InsetAt(static_cast<int>(row), column)) {
      if (inset->picture >= 0) {
        xml.writeStartElement(QStringLiteral("text:p"));
        xml.writeAttribute(QStringLiteral("text:style-name"), QStringLiteral("P%1").arg(style));
        WritePictureFrame(xml, writing.content, inset->picture, writing.pictures.at(inset->picture));
        xml.writeEndElement();
      }
      for (const ReportTable& inner : inset->table) WriteTable(xml, inner, writing);
      if (table.rows[row].value(column).isEmpty()) {
        xml.writeEndElement();
        continue;
      }
    }
    for (const QString& line : CellLines(table.rows[row], column)) {
      xml.writeStartElement(QStringLiteral("text:p"));
      xml.writeAttribute(QStringLiteral("text:style-name"), QStringLiteral("P%1").arg(style));
      bool afterCharacter = false;
      WriteText(xml, line, afterCharacter);
      xml.writeEndElement();
    }
    xml.writeEndElement();
  }
  xml.writeEndElement();
}

void WriteTable(QXmlStreamWriter& xml, const ReportTable& table, const TableWriting& writing) {
  const QString name = writing.names.at(&table);
  xml.writeStartElement(QStringLiteral("table:table"));
  xml.writeAttribute(QStringLiteral("table:name"), name);
  xml.writeAttribute(QStringLiteral("table:style-name"), name);
  for (int c = 0; c < table.ColumnCount(); ++c) {
    xml.writeEmptyElement(QStringLiteral("table:table-column"));
    xml.writeAttribute(QStringLiteral("table:style-name"), QStringLiteral("%1.C%2").arg(name).arg(c + 1));
  }
  const QString rowStyle = name + QStringLiteral(".R");
  const size_t headings = std::min(table.rows.size(), static_cast<size_t>(std::max(table.headerRows, 0)));
  if (headings > 0) {
    xml.writeStartElement(QStringLiteral("table:table-header-rows"));
    for (size_t row = 0; row < headings; ++row) WriteTableRow(xml, table, row, rowStyle, writing);
    xml.writeEndElement();
  }
  for (size_t row = headings; row < table.rows.size(); ++row) WriteTableRow(xml, table, row, rowStyle, writing);
  xml.writeEndElement();
}

}  // namespace

QByteArray OdtContentXml(const ReportContent& content) {
  const std::map<int, int> pictures = content.PictureNumbers();
  std::vector<ParagraphStyle> paragraphStyles;
  std::vector<ReportFont> textFonts;
  for (size_t p = 0; p < content.paragraphs.size(); ++p) {
    const ReportParagraph& paragraph = content.paragraphs[p];
    if (paragraph.IsTable()) continue;
    StyleNumber(paragraphStyles, TextParagraphStyle(content, p));
    for (const ReportPiece& piece : paragraph.pieces)
      if (!piece.IsPicture()) StyleNumber(textFonts, piece.font);
  }

  const std::vector<std::pair<const ReportTable*, QString>> tables = NamedTables(content);
  for (const auto& [table, name] : tables)
    for (size_t row = 0; row < table->rows.size(); ++row)
      for (int column = 0; column < table->ColumnCount(); ++column)
        StyleNumber(paragraphStyles, CellStyle(*table, row, column));
  TableWriting writing{content, pictures, {tables.begin(), tables.end()}, paragraphStyles};

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
    if (paragraphStyles[i].keepWithNext || paragraphStyles[i].alignment != CellAlignment::Left ||
        paragraphStyles[i].indent > 0) {
      xml.writeEmptyElement(QStringLiteral("style:paragraph-properties"));
      if (paragraphStyles[i].indent > 0)
        xml.writeAttribute(QStringLiteral("fo:margin-left"), Cm(paragraphStyles[i].indent * kReportTabStopCm));
      if (paragraphStyles[i].keepWithNext)
        xml.writeAttribute(QStringLiteral("fo:keep-with-next"), QStringLiteral("always"));
      if (paragraphStyles[i].alignment != CellAlignment::Left)
        xml.writeAttribute(QStringLiteral("fo:text-align"), TextAlign(paragraphStyles[i].alignment));
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
  TableStyles(xml, content);
  xml.writeEndElement();  // office:automatic-styles

  xml.writeStartElement(QStringLiteral("office:body"));
  xml.writeStartElement(QStringLiteral("office:text"));
  for (size_t p = 0; p < content.paragraphs.size(); ++p) {
    const ReportParagraph& paragraph = content.paragraphs[p];
    // The unfinished paragraph at the very end is written only when it holds something.
    if (p + 1 == content.paragraphs.size() && p > 0 && paragraph.pieces.empty() && !paragraph.IsTable()) break;
    if (paragraph.IsTable()) {
      WriteTable(xml, content.tables[paragraph.table], writing);
      continue;
    }
    xml.writeStartElement(QStringLiteral("text:p"));
    xml.writeAttribute(QStringLiteral("text:style-name"),
                       QStringLiteral("P%1").arg(StyleNumber(paragraphStyles, TextParagraphStyle(content, p))));
    bool afterCharacter = false;
    int indent = paragraph.LeadingTabs();
    for (const ReportPiece& piece : paragraph.pieces) {
      if (piece.IsPicture()) {
        WritePictureFrame(xml, content, piece.picture, pictures.at(piece.picture));
        afterCharacter = false;
        continue;
      }
      xml.writeStartElement(QStringLiteral("text:span"));
      xml.writeAttribute(QStringLiteral("text:style-name"),
                         QStringLiteral("T%1").arg(StyleNumber(textFonts, piece.font)));
      WriteText(xml, piece.text.mid(indent), afterCharacter);
      indent = 0;
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
  OpenDocumentPackage package(kTextMediaType);
  package.AddXml(QStringLiteral("content.xml"), OdtContentXml(content));
  package.AddXml(QStringLiteral("styles.xml"), StylesXml());
  package.AddXml(QStringLiteral("meta.xml"), MetaXml(content));
  for (const auto& [index, number] : content.PictureNumbers()) package.AddPicture(number, content.pictures[index]);
  return package.Bytes();
}
