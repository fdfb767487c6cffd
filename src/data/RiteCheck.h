// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/CalcInputs.h"
#include "engine/InsulationLayer.h"
#include "engine/Results.h"

#include <QString>

// The minimum insulation thickness of the Spanish regulation of thermal
// installations in buildings (RITE, Real Decreto 1027/2007 as amended by Real
// Decreto 178/2021): IT 1.2.4.2.1 for pipes, equipment and tanks carrying a
// fluid, IT 1.2.4.2.2 for air ducts of systems up to 70 kW. The tables give the
// thickness for a reference conductivity of 0.040 W/(m·K) at 10 ºC; other
// conductivities are corrected as the regulation says.
struct RiteVerdict {
  enum class Scope {
    NotApplicable,  // no rule of the tables for this element or fluid
    Pipe,           // IT 1.2.4.2.1, a pipe in air or buried
    Tank,           // IT 1.2.4.2.1, equipment and tanks: the row of pipes over 140 mm
    Duct,           // IT 1.2.4.2.2
  };
  Scope scope = Scope::NotApplicable;
  QString article;           // "IT 1.2.4.2.1" or "IT 1.2.4.2.2"
  QString reason;            // why the table does not apply
  bool hot = false;          // the fluid is warmer than its surroundings
  bool onlyOutside = false;  // a buried pipe counts as outside a building
  float diameter = 0;        // mm, outside diameter at the inner face of the insulation (pipes)
  float conductivity = 0;    // W/(m·K) of the insulation layer
  float insideMinimum = 0;   // mm, corrected to the conductivity, to 0.1 mm rounded up
  float outsideMinimum = 0;
  bool hasInsulation = false;
  bool thicknessTarget = false;  // the insulation is the marked layer of a thickness calculation
  float insulation = 0;          // mm, the thickness of the insulation layer (entered or found)
  bool meetsInside = false, meetsOutside = false;
};

inline constexpr double kRiteReferenceConductivity = 0.040;  // W/(m·K)

// The table thickness (mm) for the reference conductivity: a pipe of outside
// diameter `diameter` (mm) carrying a fluid at `fluid` ºC, hot or cold, inside
// or outside a building; 0 where the tables hold no value.
float RiteTableThickness(bool hot, float fluid, float diameter, bool outside);

// The table thickness corrected to a conductivity: for a pipe of outside
// diameter D, d = D/2 · (exp(λ/λref · ln((D + 2·dref)/D)) − 1); for a flat
// surface (D = 0), d = dref · λ/λref.
double RiteCorrected(double tableThickness, double conductivity, double diameter);

// A minimum as the program states it: to a tenth of a millimetre, rounded up so
// that it is never below the one worked out.
double RiteWrittenMinimum(double thickness);

// The check of a calculated case against the tables, its insulation being
// `layer` (0: none). The insulation meets a minimum when its thickness,
// written to a tenth of a millimetre, is not below the minimum as stated.
RiteVerdict CheckRite(const CalcInputs& in, const Results& results, int layer);
// The same, for the case's own insulation layer (InsulationLayerOf).
RiteVerdict CheckRite(const CalcInputs& in, const Results& results);
