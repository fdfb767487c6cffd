// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct CalcContext;

// Finds the thickness of insulation layer `insulation` that gives the element
// the resistance the target asks for, writes it (and for flat elements the
// layer's resistance) into the arrays, and returns that required resistance.
// Warnings "Datos absurdos, ..." raise the absurd-data flag. A pipe or sphere
// gets the first step of 0.1 mm at which its resistance reaches the required
// one (c.search, ThicknessSearch.h); `reached` then receives the total
// resistance at the thickness found (it is left alone for flat elements).
float SolveThickness(CalcContext& c, int insulation, float Rsa, float target, float he, float hi, float Te, float Ti,
                     float* reached = nullptr);

// The largest insulation thickness searched, mm.
inline constexpr float kMaxInsulationThickness = 5000;
