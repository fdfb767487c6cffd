#include "files/ProjectFile.h"

#include "form/WindowState.h"

#include <QStringDecoder>

namespace {

using enum RecordType;

std::array<RecordSpec, kProjectRecordCount> BuildTable() {
  return {{
      {"EditReferencia", Text},        // 1
      {"EditTi", Text},                // 2
      {"EditFiI", Text},               // 3
      {"EditCoefInt", Text},           // 4
      {"Editr0", Text},                // 5
      {"ComboBox1", Index},            // 6
      {"ENombre1", Text},              // 7: row 1 has its name before its mark
      {"RBAislante1", Mark},           // 8
      {"Edit1e", Text},                // 9
      {"Edit1k", Text},                // 10
      {"Edit1RT", Text},               // 11
      {"Editrv1", Text},               // 12
      {"RBAislante2", Mark},           // 13
      {"ENombre2", Text},              // 14
      {"Edit2e", Text},                // 15
      {"Edit2k", Text},                // 16
      {"Edit2RT", Text},               // 17
      {"Editrv2", Text},               // 18
      {"RBAislante3", Mark},           // 19
      {"ENombre3", Text},              // 20
      {"Edit3e", Text},                // 21
      {"Edit3k", Text},                // 22
      {"Edit3RT", Text},               // 23
      {"Editrv3", Text},               // 24
      {"RBAislante4", Mark},           // 25
      {"ENombre4", Text},              // 26
      {"Edit4e", Text},                // 27
      {"Edit4k", Text},                // 28
      {"Edit4RT", Text},               // 29
      {"Editrv4", Text},               // 30
      {"RBAislante5", Mark},           // 31
      {"ENombre5", Text},              // 32
      {"Edit5e", Text},                // 33
      {"Edit5k", Text},                // 34
      {"Edit5RT", Text},               // 35
      {"Editrv5", Text},               // 36
      {"RBAislante6", Mark},           // 37
      {"ENombre6", Text},              // 38
      {"Edit6e", Text},                // 39
      {"Edit6k", Text},                // 40
      {"Edit6RT", Text},               // 41
      {"Editrv6", Text},               // 42
      {"ComboBoxCaja", Index},         // 43
      {"EditeCaja", Text},             // 44
      {"EditkCaja", Text},             // 45
      {"EditRTCaja", Text},            // 46
      {"EditTe", Text},                // 47
      {"EditFiE", Text},               // 48
      {"EditCoefext", Text},           // 49
      {"RGhi", Index},                 // 50
      {"EditAnchura", Text},           // 51
      {"EditAlthi", Text},             // 52
      {"Editemisionhi", Text},         // 53
      {"Editvelhi", Text},             // 54
      {"RGhe", Index},                 // 55
      {"RGAmbientehe", Index},         // 56
      {"EditAlthe", Text},             // 57
      {"Editemisionhe", Text},         // 58
      {"Editvelhe", Text},             // 59
      {"RadioGroupTerreno", Index},    // 60
      {"EditTsuelo", Text},            // 61
      {"EditDensidad", Text},          // 62
      {"EditProfundidad", Text},       // 63
      {"EditHumedad", Text},           // 64
      {"EditkTerreno", Text},          // 65
      {"", KindCode},                  // 66
      {"EditCondicionQ", Text},        // 67
      {"EditCondicionPor", Text},      // 68
      {"EditCondicionRT", Text},       // 69
      {"EditCondicionTe", Text},       // 70
      {"EditCondicionTi", Text},       // 71
      {"EditCondicionTCong", Text},    // 72
      {"EditCondicionPorCong", Text},  // 73
      {"EditTf", Text},                // 74
      {"EditLong", Text},              // 75
      {"EditLongitud", Text},          // 76
      {"RadioGroupTempAire", Index},   // 77
      {"RadioGroupTempAgua", Index},   // 78
      {"RadioGroupCondensacion", Index},  // 79
      {"EditInf", Text},               // 80
      {"EditCET", Text},               // 81
      {"EditOpor", Text},              // 82
      {"EditNa", Text},                // 83
      {"EditNh", Text},                // 84
      {"EditCI1", Text},               // 85
      {"EditEsp1", Text},              // 86
      {"EditCI2", Text},               // 87
      {"EditEsp2", Text},              // 88
      {"RadioGroupCondicionP", Index},   // 89
      {"RadioGroupCondicionT", Index},   // 90
      {"RadioGroupCondicionTE", Index},  // 91
      {"RadioGroupCondicionE", Index},   // 92
      {"RadioGroupConductos", Index},    // 93
      {"RadioGroupDepositos", Index},    // 94
      {"RadioGroupCalcular", Index},     // 95
      {"RGTipoPared", Index},            // 96
      {"RGTipoTuberias", Index},         // 97
      {"RGTipoOtros", Index},            // 98
  }};
}

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
QString Unquote(const QString& line) {
  auto quoted = [](const QString& s) { return s.size() >= 2 && s.startsWith('"') && s.endsWith('"'); };
  if (quoted(line)) return line.mid(1, line.size() - 2);
  const QString trimmed = line.trimmed();
  if (quoted(trimmed)) return trimmed.mid(1, trimmed.size() - 2);
  return line;
}

int RowCount(const WindowState& app, const QString& control) {
  // The coefficient lists are rebuilt per element kind; the stored row is
  // selected once the lists of the opened kind are in place.
  if (control == QLatin1String("RGhi") || control == QLatin1String("RGhe")) return 3;
  return static_cast<int>(app.form.At(control).items.size());
}

}  // namespace

const std::array<RecordSpec, kProjectRecordCount>& ProjectRecordTable() {
  static const std::array<RecordSpec, kProjectRecordCount> table = BuildTable();
  return table;
}

QString DecodeWindows1252(const QByteArray& bytes) {
  QString text;
  text.reserve(bytes.size());
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x80 && b <= 0x9F && kHighC1[b - 0x80] != 0) text.append(QChar(kHighC1[b - 0x80]));
    else text.append(QChar(static_cast<char16_t>(b)));
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
    units += (text.at(units).isHighSurrogate() && units + 1 < text.size() && text.at(units + 1).isLowSurrogate()) ? 2 : 1;
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
    out.error = QStringLiteral("el archivo es demasiado grande para ser un proyecto");
    return out;
  }
  if (bytes.contains('\0')) {
    out.error = QStringLiteral("el archivo no es de texto");
    return out;
  }
  const QString text = DecodeFileText(bytes);
  QStringList lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c != '\n' && c != '\r') continue;
    lines.append(text.mid(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text.at(i + 1) == '\n') ++i;
    start = i + 1;
  }
  // The last line needs no line end; a final line end starts no record.
  if (start < text.size()) lines.append(text.mid(start));

  if (lines.size() < kProjectRecordCount) {
    out.error = QStringLiteral("el archivo está incompleto (%1 de %2 datos)").arg(lines.size()).arg(kProjectRecordCount);
    return out;
  }
  out.values.reserve(kProjectRecordCount);
  for (int i = 0; i < kProjectRecordCount; ++i) out.values.append(CutToFieldWidth(Unquote(lines.at(i))));
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

QString CheckProjectRecords(const WindowState& app, const QStringList& values) {
  const auto& table = ProjectRecordTable();
  for (int i = 0; i < kProjectRecordCount; ++i) {
    const RecordSpec& entry = table[i];
    if (entry.type != Index && entry.type != KindCode) continue;
    const QString value = i < values.size() ? values.at(i) : QString();
    int n = 0;
    if (!ReadRecordInteger(value, &n))
      return QStringLiteral("el dato nº %1 debería ser un número entero y es \"%2\"").arg(i + 1).arg(value);
    const int lowest = entry.type == KindCode ? 1 : 0;
    const int highest = entry.type == KindCode ? 4 : RowCount(app, QString::fromLatin1(entry.control)) - 1;
    if (n < lowest || n > highest)
      return QStringLiteral("el dato nº %1 está fuera de límites (%2, se espera de %3 a %4)")
          .arg(i + 1)
          .arg(n)
          .arg(lowest)
          .arg(highest);
  }
  return {};
}

QStringList CollectProjectRecords(const WindowState& app) {
  QStringList values;
  values.reserve(kProjectRecordCount);
  for (const RecordSpec& entry : ProjectRecordTable()) {
    const QString control = QString::fromLatin1(entry.control);
    switch (entry.type) {
      case Text: values.append(CutToFieldWidth(app.form.Text(control))); break;
      case Index: values.append(QString::number(app.form.Index(control))); break;
      case Mark: values.append(app.form.Checked(control) ? QStringLiteral("T") : QStringLiteral("F")); break;
      case KindCode: values.append(QString::number(static_cast<int>(app.kind))); break;
    }
  }
  return values;
}
