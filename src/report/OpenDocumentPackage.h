// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <utility>
#include <vector>

class QImage;

// CRC-32 as zip archives use it (polynomial 0xEDB88320): the checksum every
// entry of a package carries.
quint32 Crc32(const QByteArray& data);

// Builds a zip archive whose entries are stored without compression, in the
// order they are added. An OpenDocument file wants its "mimetype" entry first
// and uncompressed, which this gives.
class StoredZipWriter {
 public:
  explicit StoredZipWriter(const QDateTime& stamp = QDateTime::currentDateTime());
  void Add(const QString& name, const QByteArray& data);
  // The whole archive: local entries, central directory, end record.
  QByteArray Finish() const;

 private:
  struct Entry {
    QByteArray name;
    quint32 crc = 0;
    quint32 size = 0;
    quint32 offset = 0;
  };
  quint16 dosTime_ = 0;
  quint16 dosDate_ = 0;
  QByteArray body_;
  std::vector<Entry> entries_;
};

// An OpenDocument package: the zip archive an OpenDocument file is. The
// "mimetype" entry comes first, then the parts in the order they are added,
// then the manifest, which lists the package and every part with its media
// type. The entries are dated `stamp`.
class OpenDocumentPackage {
 public:
  explicit OpenDocumentPackage(const QString& mediaType, const QDateTime& stamp = QDateTime::currentDateTime());

  // Adds an XML part ("content.xml", "styles.xml", "meta.xml").
  void AddXml(const QString& path, const QByteArray& xml);
  // Adds the picture as a PNG file at PicturePath(number).
  void AddPicture(int number, const QImage& picture);
  // The bytes of the whole package, manifest included.
  QByteArray Bytes() const;

  // Where a package keeps its picture `number`, counted from 1:
  // "Pictures/imagen<number>.png".
  static QString PicturePath(int number);

 private:
  QString mediaType_;
  StoredZipWriter zip_;
  std::vector<std::pair<QString, QString>> parts_;  // path and media type, in the order added
};
