// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "installation/BillOfMaterials.h"
#include "installation/InstallationDocument.h"
#include "installation/InstallationTotals.h"
#include "installation/RowCalculation.h"

#include <vector>

// The figures of a whole document: one outcome per row, in the rows' order,
// the totals and the bill of materials. Editing one row recalculates that row
// and then the sums only; the sums are cheap next to a row.
struct InstallationResults {
  std::vector<RowOutcome> rows;
  InstallationTotals totals;
  BillOfMaterials bill;
};

// Every row, then the sums. For a new document, a new template or new user
// materials.
InstallationResults CalculateInstallation(const InstallationDocument& doc);

// After the row `index` changed: that row again, then the sums. Results with
// fewer or more rows than the document are brought to its rows first (rows
// inserted or removed at the end); an index out of range changes nothing but
// the sums.
void RecalculateRow(const InstallationDocument& doc, int index, InstallationResults& results);

// A row inserted in the document at `index` (calculated) or removed from it
// there, and the sums. Each call answers one insertion or removal: results
// that already have as many rows as the document are left as they are.
void InsertRowResult(const InstallationDocument& doc, int index, InstallationResults& results);
void RemoveRowResult(const InstallationDocument& doc, int index, InstallationResults& results);

// The sums only: after the totals' data changed.
void RecalculateSums(const InstallationDocument& doc, InstallationResults& results);
