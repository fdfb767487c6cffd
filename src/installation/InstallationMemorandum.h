// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "installation/InstallationCalculation.h"
#include "installation/InstallationDocument.h"
#include "report/ReportDocument.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

class ReportPictures;

// The technical memorandum of an installation: its data, the sections with
// their figures and the regulation's verdict on each, the totals, both of the
// regulation's procedures and the bill of materials, written as the report of
// one case is (banner, heading block, headed sections, ruled tables).
//
// The texts of the totals, the procedures and the bill are made here once, so
// that the window and the memorandum say the same.

// The totals as a table: a heading row (what, insulated, bare, saving), then
// the heat lost, the energy, the cost and the CO2 of a year.
std::vector<QStringList> TotalsTable(const InstallationTotals& totals);
// "N tramos calculados; M rechazados, fuera de los totales".
QString RowsCountedLine(const InstallationTotals& totals);

// The procedures: each a line of what it asks, a line of its figures and
// verdict; the rows below their minimum named by number and reference.
struct ProcedureTexts {
  QString rule;
  QString verdict;
  // An installation with sections left out (or none) is not judged: any of
  // them may be the one below its minimum.
  bool judged = true;
  bool meets = false;
  QStringList belowMinimum;  // "3 · Montante DN 50: 20,0 mm, mínimo 25,0 mm"
};
ProcedureTexts SimplifiedProcedure(const InstallationDocument& doc, const InstallationResults& results);
ProcedureTexts AlternativeProcedure(const InstallationResults& results);
// Which procedure governs for the power given, and the installation's verdict.
ProcedureTexts GoverningProcedure(const InstallationResults& results);

// The bill as a table: a heading row, a line per material, thickness and
// size, and after each material its total.
std::vector<QStringList> BillTable(const BillOfMaterials& bill);
// The rows of BillTable that are a material's total.
std::vector<int> BillTotalRows(const BillOfMaterials& bill);

// The title of the memorandum: the document's file name without its ending,
// or "Instalación" for a document never saved.
QString MemorandumTitle(const QString& documentPath);

// Writes the memorandum into `doc`, an empty document, dated `when`.
void WriteInstallationMemorandum(const InstallationDocument& installation, const InstallationResults& results,
                                 const QString& documentPath, ReportDocument& doc, ReportPictures& pictures,
                                 const QDateTime& when = QDateTime::currentDateTime());
