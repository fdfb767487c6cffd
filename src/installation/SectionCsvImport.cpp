// SPDX-License-Identifier: GPL-3.0-or-later
#include "installation/SectionCsvImport.h"

#include "files/ProjectFile.h"
#include "installation/RowCase.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace {

enum class Column {
  Reference,
  Element,
  Diameter,
  Width,
  Height,
  Length,
  FluidTemperature,
  SurroundingsTemperature,
  Placing,
  Material,
  Conductivity,
  Thickness,
};

struct ColumnName {
  const char* name;
  Column column;
};

constexpr ColumnName kColumns[] = {
    {"referencia", Column::Reference},
    {"elemento", Column::Element},
    {"diametro_mm", Column::Diameter},
    {"ancho_mm", Column::Width},
    {"alto_mm", Column::Height},
    {"longitud_m", Column::Length},
    {"t_fluido", Column::FluidTemperature},
    {"t_ambiente", Column::SurroundingsTemperature},
    {"ubicacion", Column::Placing},
    {"material", Column::Material},
    {"conductividad", Column::Conductivity},
    {"espesor_mm", Column::Thickness},
};

// One line of fields, and the number of the line it starts on.
struct CsvRecord {
  int line = 0;
  QStringList fields;
};

// Splits the text into records: fields between `separator`s, a field in
// double quotes may hold separators, doubled quotes and line breaks.
std::vector<CsvRecord> SplitRecords(const QString& text, QChar separator) {
  std::vector<CsvRecord> records;
  CsvRecord record;
  QString field;
  bool quoted = false;
  bool any = false;  // the record has a character
  int line = 1;
  record.line = 1;
  auto endRecord = [&] {
    record.fields << field;
    if (any) records.push_back(record);
    record = CsvRecord{};
    field.clear();
    any = false;
  };
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar ch = text.at(i);
    if (quoted) {
      if (ch == QLatin1Char('"')) {
        if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
          field += ch;
          ++i;
        } else {
          quoted = false;
        }
      } else {
        if (ch == QLatin1Char('\n')) ++line;
        field += ch;
      }
      continue;
    }
    if (ch == QLatin1Char('"')) {
      quoted = true;
      any = true;
    } else if (ch == separator) {
      record.fields << field;
      field.clear();
      any = true;
    } else if (ch == QLatin1Char('\n')) {
      endRecord();
      ++line;
      record.line = line;
    } else if (ch != QLatin1Char('\r')) {
      field += ch;
      if (!ch.isSpace()) any = true;
    }
  }
  endRecord();
  return records;
}

QString Decode(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(bytes);
  if (utf8.hasError()) text = DecodeWindows1252(bytes);
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
  return text;
}

// The reason a row is refused, as a line's reason: its column, then why.
QString Reason(const RowProblem& problem) {
  QString text = problem.text;
  if (!text.isEmpty()) text[0] = text[0].toLower();
  return problem.column + QStringLiteral(": ") + text;
}

}  // namespace

QStringList SectionCsvColumns() {
  QStringList names;
  for (const ColumnName& c : kColumns) names << QLatin1String(c.name);
  return names;
}

SectionCsvImport ImportSectionsCsv(const QByteArray& bytes, const std::vector<UserMaterial>& userMaterials) {
  SectionCsvImport result;
  const QString text = Decode(bytes);
  const QString firstLine = text.section(QLatin1Char('\n'), 0, 0);
  const QChar separator = firstLine.contains(QLatin1Char(';')) ? QLatin1Char(';') : QLatin1Char(',');
  const std::vector<CsvRecord> records = SplitRecords(text, separator);
  if (records.empty()) {
    result.error = QCoreApplication::translate("SectionCsvImport", "la lista está vacía");
    return result;
  }

  // The header: each field a column name, or an unknown one to ignore.
  std::vector<std::optional<Column>> columns;
  bool anyKnown = false, hasMaterial = false;
  for (const QString& field : records.front().fields) {
    const QString name = field.trimmed().toLower();
    std::optional<Column> column;
    for (const ColumnName& c : kColumns)
      if (name == QLatin1String(c.name)) column = c.column;
    if (column) {
      anyKnown = true;
      hasMaterial = hasMaterial || *column == Column::Material || *column == Column::Conductivity;
    } else if (!name.isEmpty()) {
      result.unknownColumns << field.trimmed();
    }
    columns.push_back(column);
  }
  if (!anyKnown) {
    result.error =
        QCoreApplication::translate("SectionCsvImport", "la primera línea no nombra ninguna columna conocida (%1)")
            .arg(SectionCsvColumns().join(", "));
    return result;
  }
  auto has = [&columns](Column wanted) {
    for (const std::optional<Column>& c : columns)
      if (c == wanted) return true;
    return false;
  };
  QStringList missing;
  for (Column wanted :
       {Column::Element, Column::Length, Column::FluidTemperature, Column::SurroundingsTemperature, Column::Thickness})
    if (!has(wanted))
      for (const ColumnName& c : kColumns)
        if (c.column == wanted) missing << QLatin1String(c.name);
  if (!hasMaterial) missing << QCoreApplication::translate("SectionCsvImport", "material o conductividad");
  if (!missing.isEmpty()) {
    result.error =
        QCoreApplication::translate("SectionCsvImport", "faltan columnas: ") + missing.join(QStringLiteral(", "));
    return result;
  }

  // The rows are checked as a document with no wall would check them: the
  // template's wall is judged once the rows are in a document.
  InstallationDocument checking;
  checking.userMaterials = userMaterials;
  for (size_t r = 1; r < records.size(); ++r) {
    const CsvRecord& record = records[r];
    if (record.fields.size() > static_cast<qsizetype>(columns.size())) {
      result.problems.push_back(
          {record.line, QCoreApplication::translate("SectionCsvImport",
                                                    "la línea tiene %1 campos y la cabecera %2 columnas "
                                                    "(¿una coma decimal sin comillas?)")
                            .arg(record.fields.size())
                            .arg(columns.size())});
      continue;
    }
    InstallationRow row;
    QString element, placing, thickness;
    for (qsizetype f = 0; f < record.fields.size(); ++f) {
      const std::optional<Column>& column = columns[static_cast<size_t>(f)];
      if (!column) continue;
      const QString value = record.fields.at(f).trimmed();
      switch (*column) {
        case Column::Reference: row.reference = value; break;
        case Column::Element: element = value; break;
        case Column::Diameter: row.diameter = value; break;
        case Column::Width: row.width = value; break;
        case Column::Height: row.height = value; break;
        case Column::Length: row.length = value; break;
        case Column::FluidTemperature: row.fluidTemperature = value; break;
        case Column::SurroundingsTemperature: row.surroundingsTemperature = value; break;
        case Column::Placing: placing = value; break;
        case Column::Material: row.material = value; break;
        case Column::Conductivity: row.conductivity = value; break;
        case Column::Thickness: thickness = value; break;
      }
    }
    if (!SectionElementFromKey(element, &row.element)) {
      result.problems.push_back({record.line, element.isEmpty()
                                                  ? QCoreApplication::translate("SectionCsvImport", "elemento: falta")
                                                  : QCoreApplication::translate("SectionCsvImport",
                                                                                "elemento: \"%1\" no es ninguno de los "
                                                                                "que el programa conoce")
                                                        .arg(element)});
      continue;
    }
    row.placing = DefaultPlacing(row.element);
    if (!placing.isEmpty() && !RitePlacingFromKey(placing, &row.placing)) {
      result.problems.push_back(
          {record.line,
           QCoreApplication::translate("SectionCsvImport", "ubicacion: \"%1\" no es interior, exterior ni enterrada")
               .arg(placing)});
      continue;
    }
    const QString minimum = thickness.toLower();
    if (minimum == RiteMinimumKey() || minimum == RiteMinimumText().toLower())
      row.riteMinimum = true;
    else
      row.thickness = thickness;
    if (const std::optional<RowProblem> problem = CheckRow(checking, row)) {
      result.problems.push_back({record.line, Reason(*problem)});
      continue;
    }
    result.rows.push_back(row);
    result.rowLines.push_back(record.line);
  }
  return result;
}
