// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ProjectFile.h"

#include "form/CaseFields.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringView>
#include <vector>

namespace {

// Windows-1252 characters of the bytes 0x80..0x9F; 0 where the code page
// assigns none.
constexpr char16_t kHighC1[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 88-8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 98-9F
};

// Valid UTF-8 is taken as UTF-8 (a byte-order mark is dropped); anything else
// was written in Windows-1252.
QString DecodeFileText(const QByteArray& bytes) {
  QByteArray body = bytes;
  const bool bom = body.startsWith("\xEF\xBB\xBF");
  if (bom) body.remove(0, 3);
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  QString text = utf8.decode(body);
  if (!utf8.hasError()) return text;
  return DecodeWindows1252(bytes);
}

// One line of the file as a value: a value enclosed in double quotes loses
// them (whatever it holds between them), a bare value is taken as it is.
QString Unquote(QStringView line) {
  auto quoted = [](QStringView s) { return s.size() >= 2 && s.startsWith(u'"') && s.endsWith(u'"'); };
  if (quoted(line)) return line.mid(1, line.size() - 2).toString();
  const QStringView trimmed = line.trimmed();
  if (quoted(trimmed)) return trimmed.mid(1, trimmed.size() - 2).toString();
  return line.toString();
}

}  // namespace

QString DecodeWindows1252(const QByteArray& bytes) {
  QString text;
  text.reserve(bytes.size());
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x80 && b <= 0x9F && kHighC1[b - 0x80] != 0)
      text.append(QChar(kHighC1[b - 0x80]));
    else
      text.append(QChar(static_cast<char16_t>(b)));
  }
  return text;
}

QByteArray EncodeWindows1252(const QString& text, bool* ok) {
  QByteArray bytes;
  bytes.reserve(text.size());
  bool all = true;
  for (QChar ch : text) {
    const char16_t u = ch.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
      bytes.append(static_cast<char>(u));
      continue;
    }
    int found = -1;
    for (int i = 0; i < 32; ++i) {
      // A C1 control stands for the unassigned byte of its number.
      if (kHighC1[i] == u || (kHighC1[i] == 0 && u == 0x80 + i)) {
        found = i;
        break;
      }
    }
    if (found < 0) {
      all = false;
      bytes.append('?');
    } else {
      bytes.append(static_cast<char>(0x80 + found));
    }
  }
  if (ok) *ok = all;
  return bytes;
}

QString CutToFieldWidth(const QString& text) {
  int units = 0;
  int characters = 0;
  while (units < text.size() && characters < kProjectTextWidth) {
    units +=
        (text.at(units).isHighSurrogate() && units + 1 < text.size() && text.at(units + 1).isLowSurrogate()) ? 2 : 1;
    ++characters;
  }
  return text.left(units);
}

bool IsMarkedValue(const QString& value) {
  if (value.isEmpty()) return false;
  const QChar first = value.at(0);
  return first == 'T' || first == 't' || first == 'Y' || first == 'y';
}

bool ReadRecordInteger(const QString& value, int* result) {
  const QString trimmed = value.trimmed();
  if (trimmed.isEmpty()) return false;
  for (int i = 0; i < trimmed.size(); ++i) {
    const QChar c = trimmed.at(i);
    if (!(c >= '0' && c <= '9') && !(i == 0 && (c == '-' || c == '+'))) return false;
  }
  bool ok = false;
  const int n = trimmed.toInt(&ok, 10);
  if (!ok) return false;
  if (result) *result = n;
  return true;
}

ProjectRecords ReadProjectRecords(const QByteArray& bytes) {
  ProjectRecords out;
  if (bytes.size() > kProjectFileMaxBytes) {
    out.error = QCoreApplication::translate("ProjectFile", "el archivo es demasiado grande para ser un proyecto");
    return out;
  }
  if (bytes.contains('\0')) {
    out.error = QCoreApplication::translate("ProjectFile", "el archivo no es de texto");
    return out;
  }
  const QString text = DecodeFileText(bytes);
  // The lines of the records, seen in the text; what follows them is not read.
  std::vector<QStringView> lines;
  lines.reserve(kProjectRecordCount);
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size() && lines.size() < size_t(kProjectRecordCount); ++i) {
    const QChar c = text.at(i);
    if (c != '\n' && c != '\r') continue;
    lines.push_back(QStringView(text).mid(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text.at(i + 1) == '\n') ++i;
    start = i + 1;
  }
  // The last line needs no line end; a final line end starts no record.
  if (start < text.size() && lines.size() < size_t(kProjectRecordCount)) lines.push_back(QStringView(text).mid(start));

  if (lines.size() < kProjectRecordCount) {
    out.error = QCoreApplication::translate("ProjectFile", "el archivo está incompleto (%1 de %2 datos)")
                    .arg(qsizetype(lines.size()))
                    .arg(kProjectRecordCount);
    return out;
  }
  out.values.reserve(kProjectRecordCount);
  for (int i = 0; i < kProjectRecordCount; ++i) out.values.append(CutToFieldWidth(Unquote(lines[i])));
  return out;
}

QByteArray WriteProjectRecords(const QStringList& values) {
  QString text;
  for (int i = 0; i < kProjectRecordCount; ++i) {
    QString value = i < values.size() ? values.at(i) : QString();
    value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    value.replace('\r', ' ');
    value.replace('\n', ' ');
    text += '"' + CutToFieldWidth(value) + QLatin1String("\"\r\n");
  }
  bool all = false;
  QByteArray bytes = EncodeWindows1252(text, &all);
  if (!all) bytes = text.toUtf8();
  return bytes;
}

QString CheckProjectRecords(const QStringList& values) {
  const auto& fields = CaseFields();
  for (int i = 0; i < kProjectRecordCount; ++i) {
    const CaseField& field = fields[i];
    const bool kindCode = field.type == CaseValueType::Kind;
    if (field.type != CaseValueType::Row && !kindCode) continue;
    const QString value = i < values.size() ? values.at(i) : QString();
    int n = 0;
    if (!ReadRecordInteger(value, &n))
      return QCoreApplication::translate("ProjectFile", "el dato nº %1 debería ser un número entero y es \"%2\"")
          .arg(i + 1)
          .arg(value);
    const int lowest = kindCode ? 1 : 0;
    const int highest = kindCode ? 4 : field.rows - 1;
    if (n < lowest || n > highest)
      return QCoreApplication::translate("ProjectFile",
                                         "el dato nº %1 está fuera de límites (%2, se espera de %3 a %4)")
          .arg(i + 1)
          .arg(n)
          .arg(lowest)
          .arg(highest);
  }
  return {};
}
