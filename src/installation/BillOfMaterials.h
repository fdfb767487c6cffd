// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "installation/InstallationDocument.h"
#include "installation/RowCalculation.h"

#include <QString>
#include <vector>

// The insulation an installation takes: per material and thickness, the
// metres of pipe of each size and the square metres of every other surface,
// with a total per material.

// One line: a material at a thickness on one size of pipe (metres), or on the
// ducts, tanks, plates and spheres (square metres of the face insulated).
struct BillLine {
  QString material;
  float thickness = 0;  // mm
  QString size;         // the pipe size ("Acero DN50", "Ø 60,3 mm"); empty for a surface
  double quantity = 0;
  QString unit;      // "m" or "m2"
  int sections = 0;  // how many rows it gathers
};

// A material's totals: metres of pipe and square metres of surface.
struct BillMaterialTotal {
  QString material;
  double metres = 0;
  double squareMetres = 0;
};

struct BillOfMaterials {
  std::vector<BillLine> lines;  // by material, then thickness, then size, in the order first met
  std::vector<BillMaterialTotal> totals;
};

// The bill of the calculated rows (a refused row takes no insulation).
BillOfMaterials MakeBillOfMaterials(const InstallationDocument& doc, const std::vector<RowOutcome>& outcomes);

// The size a row's pipe is listed under in the bill and the tables.
QString PipeSizeLabel(const InstallationRow& row);
// The surface a row insulates, m2 (0 for a pipe): a duct's perimeter times its
// length, a tank's wall and both ends, a sphere's surface, per unit and
// times the units; a plate's area.
double InsulatedSurface(const InstallationRow& row);
