// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "installation/InstallationCalculation.h"
#include "installation/InstallationDocument.h"
#include "installation/SectionCsvImport.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <vector>

// The document's figures as tables for other programs: the rows with their
// results and the bill of materials as CSV (the separator ";" where the
// decimal separator is a comma), the bill as tab-separated text to paste, and
// the whole as one JSON object for the command line.

// A row's cells as the table of the window shows them (the program's decimal
// separator), and their titles.
QStringList RowResultHeader();
QStringList RowResultCells(const InstallationRow& row, const RowOutcome& outcome);

QString RowsAsCsv(const InstallationDocument& doc, const InstallationResults& results);
QString BillAsCsv(const BillOfMaterials& bill);
QString BillAsText(const BillOfMaterials& bill);

// The totals as label and value lines, for the window and the text copy.
QStringList TotalsLines(const InstallationTotals& totals);
// The totals and the regulation's procedures as a CSV of two columns.
QString TotalsAsCsv(const InstallationTotals& totals);

// One object: "rows", "refused", "totals", "rite_alternative" and
// "bill_of_materials". `csvProblems` are the lines of an imported list that gave
// no row; refused rows are told by their row number (1 for the first).
QJsonObject InstallationAsJson(const InstallationDocument& doc, const InstallationResults& results,
                               const std::vector<CsvLineProblem>& csvProblems = {});
