#include "report/ReportTestSupport.h"

#include "report/OpenDocumentPackage.h"

#include <QXmlStreamReader>

bool RecordingReportDocument::Connect() {
  log << QStringLiteral("connect");
  return connects;
}

void RecordingReportDocument::SetLastSentenceFont(const ReportFontChange& change) {
  const bool normal = change.bold == false && change.italic == false && change.emboss == false &&
                      change.engrave == false && change.shadow == false && change.doubleStrikeThrough == false &&
                      change.strikeThrough == false;
  QStringList parts;
  if (normal) {
    parts << QStringLiteral("Normal");
  } else {
    const std::pair<const char*, const std::optional<bool>*> effects[] = {
        {"Bold", &change.bold},       {"Italic", &change.italic}, {"Emboss", &change.emboss},
        {"Engrave", &change.engrave}, {"Shadow", &change.shadow}, {"DoubleStrikeThrough", &change.doubleStrikeThrough},
        {"StrikeThrough", &change.strikeThrough}};
    for (const auto& [name, value] : effects)
      if (value->has_value()) parts << (**value ? QString() : QStringLiteral("-")) + QLatin1String(name);
  }
  parts << QString::number(static_cast<double>(change.size));
  log << QStringLiteral("font:") + parts.join(QLatin1Char(' '));
}

void RecordingReportDocument::PastePictureOverLastSentence(const QImage& picture) {
  log << QStringLiteral("picture:") + picture.text(QStringLiteral("name"));
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
  std::vector<OdtParagraph> paragraphs;
  QXmlStreamReader xml(contentXml);
  QString styleName;
  QString spanStyle;
  // A reader folds literal white space: a blank at the start of a paragraph,
  // after another blank, a tab or a counted space is dropped.
  bool foldBlank = true;
  bool inParagraph = false;
  const auto add = [&](const QString& piece) {
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
      } else if (name == QLatin1String("text:p")) {
        paragraphs.push_back({});
        paragraphs.back().properties = styles.value(attributes.value(QLatin1String("text:style-name")).toString());
        foldBlank = true;
        inParagraph = true;
      } else if (name == QLatin1String("text:span")) {
        spanStyle = attributes.value(QLatin1String("text:style-name")).toString();
        paragraphs.back().runs.push_back({QString(), styles.value(spanStyle)});
      } else if (name == QLatin1String("text:tab")) {
        add(QStringLiteral("\t"));
        foldBlank = true;
      } else if (name == QLatin1String("text:s")) {
        const int count = attributes.hasAttribute(QLatin1String("text:c"))
                              ? attributes.value(QLatin1String("text:c")).toInt()
                              : 1;
        add(QString(count, QLatin1Char(' ')));
        foldBlank = true;
      } else if (name == QLatin1String("draw:image")) {
        add(QLatin1Char('[') + attributes.value(QLatin1String("xlink:href")).toString() + QLatin1Char(']'));
        foldBlank = true;
      }
    } else if (xml.isEndElement()) {
      if (name == QLatin1String("style:style")) styleName.clear();
      if (name == QLatin1String("text:span")) spanStyle.clear();
      if (name == QLatin1String("text:p")) inParagraph = false;
    } else if (xml.isCharacters() && inParagraph) {
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
