#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

// CRC-32 as zip archives use it (polynomial 0xEDB88320).
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
