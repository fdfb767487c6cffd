// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/CalcInputs.h"

// Figures of the economic thickness: the linear cost of insulation K(t) = s·t + c0
// and the present worth of the energy lost over the service life. They are kept
// in single precision like every value of the program: the search compares
// consecutive total costs that differ by little near the least cost, so their
// rounding decides the step at which it stops.
struct EconomicFigures {
  float F = 0;          // present-worth factor, years
  float slope = 0;      // cost per mm of insulation
  float intercept = 0;  // cost at zero thickness
  float hours = 0;      // operating hours per year
  float price = 0;      // euros/kWh
};

float PresentWorthFactor(const CalcInputs& in);
float CostSlope(const CalcInputs& in);
float CostIntercept(const CalcInputs& in, float slope);
// Investment per unit of the element (m2 of a plate or duct, m of a pipe, a
// whole sphere or tank) for a thickness t (mm) whose inner face lies at radius
// rIn (m; pipes, spheres and tanks). The cost model K(t) is a price per m2 of
// insulation, multiplied by the insulation's outer surface.
double Investment(const CalcInputs& in, const EconomicFigures& f, double rIn, double t);
// Investment plus the present worth of the heat q lost over the service life,
// rounded to single precision.
float TotalCost(const CalcInputs& in, const EconomicFigures& f, double rIn, double t, double q);
EconomicFigures PrepareEconomicFigures(const CalcInputs& in);
