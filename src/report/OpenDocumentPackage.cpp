// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/OpenDocumentPackage.h"

#include <QBuffer>
#include <QImage>
#include <QXmlStreamWriter>
#include <array>

namespace {

const std::array<quint32, 256>& CrcTable() {
  static const std::array<quint32, 256> table = [] {
    std::array<quint32, 256> t{};
    for (quint32 n = 0; n < 256; ++n) {
      quint32 c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  return table;
}

void Put16(QByteArray& out, quint32 value) {
  out.append(static_cast<char>(value & 0xFF));
  out.append(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(QByteArray& out, quint32 value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

QByteArray Png(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

QByteArray ManifestXml(const QString& mediaType, const std::vector<std::pair<QString, QString>>& parts) {
  QByteArray bytes;
  QXmlStreamWriter xml(&bytes);
  xml.writeStartDocument();
  xml.writeStartElement(QStringLiteral("manifest:manifest"));
  xml.writeAttribute(QStringLiteral("xmlns:manifest"),
                     QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:manifest:1.0"));
  xml.writeAttribute(QStringLiteral("manifest:version"), QStringLiteral("1.2"));
  const auto entry = [&xml](const QString& path, const QString& type) {
    xml.writeEmptyElement(QStringLiteral("manifest:file-entry"));
    xml.writeAttribute(QStringLiteral("manifest:full-path"), path);
    if (path == QLatin1String("/")) xml.writeAttribute(QStringLiteral("manifest:version"), QStringLiteral("1.2"));
    xml.writeAttribute(QStringLiteral("manifest:media-type"), type);
  };
  entry(QStringLiteral("/"), mediaType);
  for (const auto& [path, type] : parts) entry(path, type);
  xml.writeEndElement();
  xml.writeEndDocument();
  return bytes;
}

}  // namespace

quint32 Crc32(const QByteArray& data) {
  const auto& table = CrcTable();
  quint32 c = 0xFFFFFFFFu;
  for (char byte : data) c = table[(c ^ static_cast<quint8>(byte)) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

StoredZipWriter::StoredZipWriter(const QDateTime& stamp) {
  const QDate date = stamp.date();
  const QTime time = stamp.time();
  const int year = qBound(1980, date.year(), 2107);
  dosDate_ = static_cast<quint16>(((year - 1980) << 9) | (date.month() << 5) | date.day());
  dosTime_ = static_cast<quint16>((time.hour() << 11) | (time.minute() << 5) | (time.second() / 2));
}

void StoredZipWriter::Add(const QString& name, const QByteArray& data) {
  Entry entry;
  entry.name = name.toUtf8();
  entry.crc = Crc32(data);
  entry.size = static_cast<quint32>(data.size());
  entry.offset = static_cast<quint32>(body_.size());
  Put32(body_, 0x04034b50);  // local file header
  Put16(body_, 10);          // version needed: stored entries
  Put16(body_, 0x0800);      // names in UTF-8
  Put16(body_, 0);           // stored
  Put16(body_, dosTime_);
  Put16(body_, dosDate_);
  Put32(body_, entry.crc);
  Put32(body_, entry.size);
  Put32(body_, entry.size);
  Put16(body_, static_cast<quint32>(entry.name.size()));
  Put16(body_, 0);  // no extra field
  body_.append(entry.name);
  body_.append(data);
  entries_.push_back(entry);
}

QByteArray StoredZipWriter::Finish() const {
  QByteArray out = body_;
  const quint32 directoryOffset = static_cast<quint32>(out.size());
  for (const Entry& entry : entries_) {
    Put32(out, 0x02014b50);  // central directory header
    Put16(out, 20);          // made by: version 2.0
    Put16(out, 10);
    Put16(out, 0x0800);
    Put16(out, 0);
    Put16(out, dosTime_);
    Put16(out, dosDate_);
    Put32(out, entry.crc);
    Put32(out, entry.size);
    Put32(out, entry.size);
    Put16(out, static_cast<quint32>(entry.name.size()));
    Put16(out, 0);  // extra
    Put16(out, 0);  // comment
    Put16(out, 0);  // disk
    Put16(out, 0);  // internal attributes
    Put32(out, 0);  // external attributes
    Put32(out, entry.offset);
    out.append(entry.name);
  }
  const quint32 directorySize = static_cast<quint32>(out.size()) - directoryOffset;
  Put32(out, 0x06054b50);  // end of central directory
  Put16(out, 0);
  Put16(out, 0);
  Put16(out, static_cast<quint32>(entries_.size()));
  Put16(out, static_cast<quint32>(entries_.size()));
  Put32(out, directorySize);
  Put32(out, directoryOffset);
  Put16(out, 0);
  return out;
}

OpenDocumentPackage::OpenDocumentPackage(const QString& mediaType, const QDateTime& stamp)
    : mediaType_(mediaType), zip_(stamp) {
  zip_.Add(QStringLiteral("mimetype"), mediaType.toUtf8());
}

void OpenDocumentPackage::AddXml(const QString& path, const QByteArray& xml) {
  zip_.Add(path, xml);
  parts_.emplace_back(path, QStringLiteral("text/xml"));
}

void OpenDocumentPackage::AddPicture(int number, const QImage& picture) {
  const QString path = PicturePath(number);
  zip_.Add(path, Png(picture));
  parts_.emplace_back(path, QStringLiteral("image/png"));
}

QByteArray OpenDocumentPackage::Bytes() const {
  StoredZipWriter zip = zip_;
  zip.Add(QStringLiteral("META-INF/manifest.xml"), ManifestXml(mediaType_, parts_));
  return zip.Finish();
}

QString OpenDocumentPackage::PicturePath(int number) { return QStringLiteral("Pictures/imagen%1.png").arg(number); }
