// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/CaseFile.h"

#include "files/ProjectFile.h"
#include "form/CaseFields.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

QStringList RecordsOfCase(const Case& c) {
  QStringList values;
  values.reserve(kProjectRecordCount);
  for (const CaseField& field : CaseFields()) {
    switch (field.type) {
      case CaseValueType::Text: values.append(CutToFieldWidth(CaseText(c, field))); break;
      case CaseValueType::Mark: values.append(CaseInteger(c, field) ? QStringLiteral("T") : QStringLiteral("F")); break;
      case CaseValueType::Row:
      case CaseValueType::Kind: values.append(QString::number(CaseInteger(c, field))); break;
    }
  }
  return values;
}

Case CaseFromRecords(const QStringList& values) {
  Case c;
  const auto& fields = CaseFields();
  for (size_t i = 0; i < fields.size() && static_cast<qsizetype>(i) < values.size(); ++i) {
    const CaseField& field = fields[i];
    const QString& value = values.at(static_cast<qsizetype>(i));
    int n = 0;
    switch (field.type) {
      case CaseValueType::Text: SetCaseText(c, field, value); break;
      case CaseValueType::Mark: SetCaseInteger(c, field, IsMarkedValue(value) ? 1 : 0); break;
      case CaseValueType::Row:
      case CaseValueType::Kind:
        if (ReadRecordInteger(value, &n)) SetCaseInteger(c, field, n);
        break;
    }
  }
  const int mark = c.MarkRow();
  for (int n = 1; n <= Case::kMaxLayers; ++n) {
    CaseLayer& layer = c.layers[n - 1];
    layer.resistanceGiven = layer.conductivity.isEmpty();
    layer.conductivityGiven = !layer.resistanceGiven;
    layer.thicknessSolved = c.ThicknessTarget() && n == mark;
  }
  c.boxByResistance = c.boxMaterial == 0 && c.boxConductivity.isEmpty() && !c.boxResistance.isEmpty();
  return c;
}

CaseReading ReadCase(const QByteArray& bytes) {
  CaseReading reading;
  const ProjectRecords records = ReadProjectRecords(bytes);
  reading.error = records.ok() ? CheckProjectRecords(records.values) : records.error;
  if (reading.ok()) reading.value = CaseFromRecords(records.values);
  return reading;
}

CaseReading ReadCaseFile(const QString& path) {
  const QFileInfo info(path);
  QFile file(path);
  CaseReading reading;
  // Only a regular file: a folder cannot be read and a pipe or device could
  // keep the program waiting for ever.
  if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
    reading.error = QCoreApplication::translate("CaseFile", "no se puede leer el archivo");
    return reading;
  }
  if (info.size() > kProjectFileMaxBytes) {
    reading.error = QCoreApplication::translate("CaseFile", "el archivo es demasiado grande para ser un proyecto");
    return reading;
  }
  // What the file holds, up to one byte past the limit, read into a buffer
  // of one byte more than the size found (so that a project of a few
  // kilobytes does not take a buffer of the limit), grown if the file grew.
  const qint64 limit = kProjectFileMaxBytes + 1;
  QByteArray bytes(std::min<qint64>(info.size() + 1, limit), Qt::Uninitialized);
  qint64 read = 0;
  while (read < limit) {
    if (read == bytes.size()) bytes.resize(std::min<qint64>(2 * bytes.size(), limit));
    const qint64 got = file.read(bytes.data() + read, bytes.size() - read);
    if (got <= 0) break;
    read += got;
  }
  bytes.resize(read);
  if (file.error() != QFileDevice::NoError) {
    reading.error = QCoreApplication::translate("CaseFile", "no se puede leer el archivo");
    return reading;
  }
  return ReadCase(bytes);
}

QString ProjectNotOpenedText(const QString& path, const QString& reason) {
  return QCoreApplication::translate("CaseFile", "No es posible abrir el proyecto \"%1\": %2.")
      .arg(QFileInfo(path).fileName(), reason);
}

QByteArray WriteCase(const Case& c) { return WriteProjectRecords(RecordsOfCase(c)); }
