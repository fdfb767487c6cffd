// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "installation/InstallationDocument.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// A pipe list from a spreadsheet, as CSV: the first line names the columns
// (referencia, elemento, diametro_mm, ancho_mm, alto_mm, longitud_m, t_fluido,
// t_ambiente, ubicacion, material or conductividad, espesor_mm), in any
// order; fields separated by ";" or ","; numbers with either decimal
// separator. Each good line becomes a row; every bad line is told with its
// number and why, and the others are still imported.

// A line that gave no row.
struct CsvLineProblem {
  int line = 0;    // 1 is the header
  QString reason;  // a Spanish sentence without capital or full stop
};

struct SectionCsvImport {
  std::vector<InstallationRow> rows;
  std::vector<int> rowLines;  // the line each row came from
  std::vector<CsvLineProblem> problems;
  QStringList unknownColumns;  // named by the header, ignored
  // Set when the list cannot be read at all (no header, no known column):
  // then there are no rows.
  QString error;
  bool ok() const { return error.isEmpty(); }
};

// Reads the list. `userMaterials` are the materials of the user's the
// `material` column may name besides the built-in list.
SectionCsvImport ImportSectionsCsv(const QByteArray& bytes, const std::vector<UserMaterial>& userMaterials);

// The column names the list understands.
QStringList SectionCsvColumns();
