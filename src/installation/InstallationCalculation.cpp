// SPDX-License-Identifier: GPL-3.0-or-later
#include "installation/InstallationCalculation.h"

InstallationResults CalculateInstallation(const InstallationDocument& doc) {
  InstallationResults results;
  results.rows.reserve(doc.rows.size());
  for (const InstallationRow& row : doc.rows) results.rows.push_back(CalculateRow(doc, row));
  RecalculateSums(doc, results);
  return results;
}

void RecalculateRow(const InstallationDocument& doc, int index, InstallationResults& results) {
  // Rows added or taken off at the end since the last sums.
  while (results.rows.size() > doc.rows.size()) results.rows.pop_back();
  while (results.rows.size() < doc.rows.size())
    results.rows.push_back(CalculateRow(doc, doc.rows[results.rows.size()]));
  if (index >= 0 && static_cast<size_t>(index) < doc.rows.size())
    results.rows[static_cast<size_t>(index)] = CalculateRow(doc, doc.rows[static_cast<size_t>(index)]);
  RecalculateSums(doc, results);
}

void InsertRowResult(const InstallationDocument& doc, int index, InstallationResults& results) {
  // Only when the results lack the row: a second call for one insertion changes nothing.
  if (index >= 0 && static_cast<size_t>(index) < doc.rows.size() && static_cast<size_t>(index) <= results.rows.size() &&
      results.rows.size() < doc.rows.size())
    results.rows.insert(results.rows.begin() + index, CalculateRow(doc, doc.rows[static_cast<size_t>(index)]));
  RecalculateRow(doc, -1, results);
}

void RemoveRowResult(const InstallationDocument& doc, int index, InstallationResults& results) {
  if (index >= 0 && static_cast<size_t>(index) < results.rows.size() && results.rows.size() > doc.rows.size())
    results.rows.erase(results.rows.begin() + index);
  RecalculateRow(doc, -1, results);
}

void RecalculateSums(const InstallationDocument& doc, InstallationResults& results) {
  results.totals = SumInstallation(doc, results.rows);
  results.bill = MakeBillOfMaterials(doc, results.rows);
}
