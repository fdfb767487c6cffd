// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/EconomicThickness.h"

#include "engine/Constants.h"

#include <cmath>

float PresentWorthFactor(const CalcInputs& in) {
  const float r = static_cast<float>(double(in.inflation) * 0.01);
  const float i = static_cast<float>(double(in.opportunity) * 0.01);
  const double N = in.lifeYears;
  if (r == i) return in.lifeYears;
  const double x = (1 + double(r)) / (1 + double(i));
  return static_cast<float>((1 - std::pow(x, N)) / (1 - x));
}

float CostSlope(const CalcInputs& in) {
  return static_cast<float>((double(in.cost1) - in.cost2) / (double(in.thickness1) - in.thickness2));
}

float CostIntercept(const CalcInputs& in, float slope) {
  return static_cast<float>(double(in.cost1) - double(slope) * in.thickness1);
}

double Investment(const CalcInputs& in, const EconomicFigures& f, double rIn, double t) {
  const double K = double(f.slope) * t + f.intercept;
  if (in.IsPipe()) return K * kTwoPi * (rIn + t * 0.001);
  if (in.IsSphere()) {
    const double r = rIn + t * 0.001;
    return K * kFourPi * r * r;
  }
  return K;
}

float TotalCost(const CalcInputs& in, const EconomicFigures& f, double rIn, double t, double q) {
  return static_cast<float>(Investment(in, f, rIn, t) + double(f.hours) * q * f.price * f.F * 0.001);
}

EconomicFigures PrepareEconomicFigures(const CalcInputs& in) {
  EconomicFigures f;
  f.F = PresentWorthFactor(in);
  f.slope = CostSlope(in);
  f.intercept = CostIntercept(in, f.slope);
  f.hours = in.hoursPerYear;
  f.price = in.energyCost;
  return f;
}
