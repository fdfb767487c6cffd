// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportTestSupport.h"

#include "app/Brenak.h"
#include "form/WindowCase.h"
#include "report/OpenDocumentPackage.h"

#include <QXmlStreamReader>

ReportCase WindowReport(const Brenak& app) {
  return ReportCase(CaseFromWindow(app), app.lastOutcome.value_or(CaseOutcome{}), app.projectPath);
}

void RecordingReportDocument::SetFont(const ReportFont& font) {
  log << QStringLiteral("font:%1 %2")
             .arg(font.bold ? QStringLiteral("Bold") : QStringLiteral("Normal"))
             .arg(static_cast<double>(font.size));
}

void RecordingReportDocument::AppendPicture(const QImage& picture) {
  log << QStringLiteral("picture:") + picture.text(QStringLiteral("name"));
}

namespace {
// A row a line, "| cell | cell |"; a picture of a cell "[Name]" and a table
// of a cell its rows in braces, before the cell's text.
QStringList TableRows(const ReportTable& table) {
  QStringList rows;
  for (int r = 0; r < static_cast<int>(table.rows.size()); ++r) {
    QStringList cells;
    for (int c = 0; c < table.ColumnCount(); ++c) {
      QString cell = table.rows[r].value(c);
      cell.replace(QLatin1Char('\n'), QLatin1Char('/'));
      if (const ReportCellInset* inset = table.InsetAt(r, c)) {
        QString before;
        if (!inset->image.isNull())
          before += QLatin1Char('[') + inset->image.text(QStringLiteral("name")) + QLatin1Char(']');
        for (const ReportTable& inner : inset->table)
          before += QLatin1Char('{') + TableRows(inner).join(QStringLiteral(" ")) + QLatin1Char('}');
        cell = before + cell;
      }
      cells << cell;
    }
    rows << QStringLiteral("| ") + cells.join(QStringLiteral(" | ")) + QStringLiteral(" |");
  }
  return rows;
}
}  // namespace

void RecordingReportDocument::AppendTable(const ReportTable& table) {
  tables.push_back(table);
  for (const ReportCellInset& inset : table.insets)
    for (const ReportTable& inner : inset.table) tables.push_back(inner);
  log << QStringLiteral("table:") + TableRows(table).join(QLatin1Char('\n'));
}

QStringList RecordingReportDocument::Lines() const {
  QString all;
  for (const QString& entry : log) {
    if (entry.startsWith(QLatin1String("text:")))
      all += entry.mid(5);
    else if (entry.startsWith(QLatin1String("font:")))
      all += QLatin1Char('{') + entry.mid(5) + QLatin1Char('}');
    else if (entry.startsWith(QLatin1String("picture:")))
      all += QLatin1Char('[') + entry.mid(8) + QLatin1Char(']');
    else if (entry.startsWith(QLatin1String("table:")))
      all += entry.mid(6) + QLatin1Char('\n');
  }
  return all.split(QLatin1Char('\n'));
}

QImage NamedPictures::Named(const QString& name) {
  QImage image(8, 4, QImage::Format_RGB32);
  image.fill(Qt::gray);
  image.setText(QStringLiteral("name"), name);
  return image;
}

namespace {
quint32 Get(const QByteArray& bytes, qsizetype at, int size) {
  quint32 value = 0;
  for (int i = size - 1; i >= 0; --i) value = (value << 8) | static_cast<quint8>(bytes[at + i]);
  return value;
}
}  // namespace

std::vector<ZipEntry> ReadStoredZip(const QByteArray& bytes) {
  std::vector<ZipEntry> entries;
  qsizetype at = 0;
  while (at + 30 <= bytes.size() && Get(bytes, at, 4) == 0x04034b50) {
    const quint32 method = Get(bytes, at + 8, 2);
    const quint32 crc = Get(bytes, at + 14, 4);
    const quint32 size = Get(bytes, at + 18, 4);
    const quint32 nameLength = Get(bytes, at + 26, 2);
    const quint32 extraLength = Get(bytes, at + 28, 2);
    const qsizetype dataAt = at + 30 + nameLength + extraLength;
    if (method != 0 || dataAt + size > bytes.size()) return {};
    ZipEntry entry{QString::fromUtf8(bytes.mid(at + 30, nameLength)), bytes.mid(dataAt, size)};
    if (Crc32(entry.data) != crc) return {};
    entries.push_back(entry);
    at = dataAt + size;
  }
  if (at + 4 > bytes.size() || Get(bytes, at, 4) != 0x02014b50) return {};
  return entries;
}

std::vector<OdtParagraph> ReadOdtParagraphs(const QByteArray& contentXml) {
  QMap<QString, QMap<QString, QString>> styles;
  QMap<QString, bool> keptWithNext;
  QMap<QString, QString> indents;
  std::vector<OdtParagraph> paragraphs;
  QXmlStreamReader xml(contentXml);
  QString styleName;
  QString spanStyle;
  // A reader folds literal white space: a blank at the start of a paragraph,
  // after another blank, a tab or a counted space is dropped.
  bool foldBlank = true;
  bool inParagraph = false;
  int tableDepth = 0;
  const auto add = [&](const QString& piece) {
    if (tableDepth > 0) return;
    paragraphs.back().text += piece;
    if (!spanStyle.isEmpty()) paragraphs.back().runs.back().text += piece;
  };
  while (!xml.atEnd()) {
    xml.readNext();
    const QString name = xml.qualifiedName().toString();
    if (xml.isStartElement()) {
      const auto attributes = xml.attributes();
      if (name == QLatin1String("style:style")) {
        styleName = attributes.value(QLatin1String("style:name")).toString();
      } else if (name == QLatin1String("style:text-properties") && !styleName.isEmpty()) {
        for (const auto& attribute : attributes)
          styles[styleName][attribute.qualifiedName().toString()] = attribute.value().toString();
      } else if (name == QLatin1String("style:paragraph-properties") && !styleName.isEmpty()) {
        keptWithNext[styleName] = attributes.value(QLatin1String("fo:keep-with-next")) == QLatin1String("always");
        indents[styleName] = attributes.value(QLatin1String("fo:margin-left")).toString();
      } else if (name == QLatin1String("table:table")) {
        if (tableDepth++ == 0)
          paragraphs.push_back(
              {QLatin1Char('[') + attributes.value(QLatin1String("table:name")).toString() + QLatin1Char(']'),
               {},
               false,
               {},
               {}});
      } else if (tableDepth > 0) {
        continue;
      } else if (name == QLatin1String("text:p")) {
        paragraphs.push_back({});
        const QString style = attributes.value(QLatin1String("text:style-name")).toString();
        paragraphs.back().properties = styles.value(style);
        paragraphs.back().keepWithNext = keptWithNext.value(style);
        paragraphs.back().indent = indents.value(style);
        foldBlank = true;
        inParagraph = true;
      } else if (name == QLatin1String("text:span")) {
        spanStyle = attributes.value(QLatin1String("text:style-name")).toString();
        paragraphs.back().runs.push_back({QString(), styles.value(spanStyle)});
      } else if (name == QLatin1String("text:tab")) {
        add(QStringLiteral("\t"));
        foldBlank = true;
      } else if (name == QLatin1String("text:s")) {
        const int count =
            attributes.hasAttribute(QLatin1String("text:c")) ? attributes.value(QLatin1String("text:c")).toInt() : 1;
        add(QString(count, QLatin1Char(' ')));
        foldBlank = true;
      } else if (name == QLatin1String("draw:image")) {
        add(QLatin1Char('[') + attributes.value(QLatin1String("xlink:href")).toString() + QLatin1Char(']'));
        foldBlank = true;
      }
    } else if (xml.isEndElement()) {
      if (name == QLatin1String("table:table")) --tableDepth;
      if (name == QLatin1String("style:style")) styleName.clear();
      if (name == QLatin1String("text:span")) spanStyle.clear();
      if (name == QLatin1String("text:p")) inParagraph = false;
    } else if (xml.isCharacters() && inParagraph && tableDepth == 0) {
      for (const QChar c : xml.text()) {
        if (c.isSpace()) {
          if (!foldBlank) add(QStringLiteral(" "));
          foldBlank = true;
        } else {
          add(QString(c));
          foldBlank = false;
        }
      }
    }
  }
  return paragraphs;
}

std::vector<OdtTable> ReadOdtTables(const QByteArray& contentXml) {
  QMap<QString, QString> columnWidths;  // column style -> width
  QMap<QString, bool> borderedCells;    // cell style -> has a border
  std::vector<OdtTable> tables;
  // The tables open at this point (a table may stand in a cell of another),
  // each with the text of its open cell and how many paragraphs that has.
  struct Open {
    size_t table;
    QString cell;
    int cellParagraphs = 0;
  };
  std::vector<Open> open;
  QXmlStreamReader xml(contentXml);
  QString styleName;
  bool inHeader = false;
  while (!xml.atEnd()) {
    xml.readNext();
    const QString name = xml.qualifiedName().toString();
    const auto attributes = xml.attributes();
    if (xml.isStartElement()) {
      if (name == QLatin1String("style:style")) {
        styleName = attributes.value(QLatin1String("style:name")).toString();
      } else if (name == QLatin1String("style:table-column-properties")) {
        columnWidths[styleName] = attributes.value(QLatin1String("style:column-width")).toString();
      } else if (name == QLatin1String("style:table-cell-properties")) {
        const QString border = attributes.value(QLatin1String("fo:border")).toString();
        borderedCells[styleName] = !border.isEmpty() && border != QLatin1String("none");
      } else if (name == QLatin1String("table:table")) {
        tables.push_back({});
        tables.back().name = attributes.value(QLatin1String("table:name")).toString();
        open.push_back({tables.size() - 1, {}, 0});
      } else if (open.empty()) {
        continue;
      } else if (name == QLatin1String("table:table-column")) {
        tables[open.back().table].columnWidths
            << columnWidths.value(attributes.value(QLatin1String("table:style-name")).toString());
      } else if (name == QLatin1String("table:table-header-rows")) {
        inHeader = true;
      } else if (name == QLatin1String("table:table-row")) {
        tables[open.back().table].rows.push_back({});
        if (inHeader) ++tables[open.back().table].headerRows;
      } else if (name == QLatin1String("table:table-cell")) {
        open.back().cell.clear();
        open.back().cellParagraphs = 0;
        tables[open.back().table].ruled =
            borderedCells.value(attributes.value(QLatin1String("table:style-name")).toString());
      } else if (name == QLatin1String("text:p")) {
        if (open.back().cellParagraphs++ > 0) open.back().cell += QLatin1Char('\n');
      } else if (name == QLatin1String("text:s")) {
        const int count =
            attributes.hasAttribute(QLatin1String("text:c")) ? attributes.value(QLatin1String("text:c")).toInt() : 1;
        open.back().cell += QString(count, QLatin1Char(' '));
      } else if (name == QLatin1String("text:tab")) {
        open.back().cell += QLatin1Char('\t');
      }
    } else if (xml.isEndElement() && !open.empty()) {
      if (name == QLatin1String("style:style")) styleName.clear();
      if (name == QLatin1String("table:table-header-rows")) inHeader = false;
      if (name == QLatin1String("table:table-cell")) tables[open.back().table].rows.back() << open.back().cell;
      if (name == QLatin1String("table:table")) open.pop_back();
    } else if (xml.isEndElement()) {
      if (name == QLatin1String("style:style")) styleName.clear();
    } else if (xml.isCharacters() && !open.empty()) {
      open.back().cell += xml.text().toString();
    }
  }
  return tables;
}
