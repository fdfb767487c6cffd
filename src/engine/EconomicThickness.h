#pragma once

#include "engine/CalcInputs.h"

// Figures of the economic thickness: the linear cost of insulation K(t) = s·t + c0
// and the present worth of the energy lost over the service life.
struct EconomicFigures {
  double F = 0;       // present-worth factor, years
  double slope = 0;   // cost per mm of insulation
  double intercept = 0;  // cost at zero thickness
  double hours = 0;   // operating hours per year
  double price = 0;   // euros/kWh
};

double PresentWorthFactor(const CalcInputs& in);
double CostSlope(const CalcInputs& in);
double CostIntercept(const CalcInputs& in, double slope);
// Investment per unit of the element for a thickness t (mm) whose inner face
// lies at radius rIn (m; pipes and spheres).
double Investment(const CalcInputs& in, const EconomicFigures& f, double rIn, double t);
// Investment plus the present worth of the heat q lost over the service life.
double TotalCost(const CalcInputs& in, const EconomicFigures& f, double rIn, double t, double q);
EconomicFigures PrepareEconomicFigures(const CalcInputs& in);
