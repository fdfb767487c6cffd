// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ThermalResistance.h"

#include "engine/Constants.h"

#include <cmath>

float SoilResistance(const CalcInputs& in, float radius, BuriedPipeTerms& terms) {
  double lambda = in.soilConductivity;
  if (in.soilMode == 1) {
    lambda = (std::pow(double(in.soilDensity), 0.266) - 6.05) * ((double(in.soilHumidity) - 10) * 0.0125 + 1);
    terms.soilCalculated = true;
    terms.soilConductivity = static_cast<float>(lambda);
    lambda = terms.soilConductivity;
  }
  const double x = double(in.depth) / double(radius);
  // A pipe nearer the ground surface than 1.01 radii is taken as at 1.01 radii.
  const double b = x >= 1.01 ? x + std::sqrt(x * x - 1) : 1.01 + std::sqrt(0.0201);
  return static_cast<float>(std::log(b) / (lambda * kTwoPi));
}

float BoxResistance(const CalcInputs& in, int mode, float rn, BuriedPipeTerms& terms) {
  if (mode == 2) return in.boxResistance;
  double result = 0;
  if (mode == 0) {
    const double a = double(in.boxSize) * 0.001;
    const double b = 1.07 * a * 0.5;  // equivalent radius of the box
    if (b - rn > 0.001) result = std::log(b / rn) / (double(in.boxConductivity) * kTwoPi);
  } else {
    // Air: a surface coefficient of 8.5 W/m2ºC on the outer face of the pipe.
    result = 1 / (double(rn) * 53.4072);
  }
  terms.boxCalculated = true;
  terms.boxResistance = static_cast<float>(result);
  return terms.boxResistance;
}

float CurvedLayerResistance(bool sphere, float k, float rInner, float rOuter) {
  if (sphere) return static_cast<float>((1 / double(rInner) - 1 / double(rOuter)) / (double(k) * kFourPi));
  return static_cast<float>(std::log(double(rOuter) / double(rInner)) / (double(k) * kTwoPi));
}

float TotalResistance(const CalcInputs& in, ResistanceMode mode, LayerStack& s, int insulation, float hi, float he,
                      BuriedPipeTerms& terms) {
  const int n = s.n;
  const bool flat = in.IsPlate() || in.IsDuct();
  const double r0 = s.r[0], rn = s.r[n];

  if (flat) {
    s.R[0] = hi > 0 ? static_cast<float>(1 / double(hi)) : 0.0f;
  } else if (in.IsSphere()) {
    s.R[0] = hi > 0 ? static_cast<float>(1 / (double(hi) * kFourPi * r0 * r0)) : 0.0f;
  } else {
    s.R[0] = hi > 0 ? static_cast<float>(1 / (double(hi) * 2 * kPi * r0)) : 0.0f;
  }

  for (int i = 1; i <= n; ++i) {
    if (mode == ResistanceMode::WithoutInsulation && i == insulation) {
      s.R[i] = 0;
    } else if (s.resistanceComputed[i]) {
      const double k = s.k[i];
      if (flat)
        s.R[i] = static_cast<float>(double(s.e[i]) * 0.001 / k);
      else
        s.R[i] = CurvedLayerResistance(in.IsSphere(), s.k[i], s.r[i - 1], s.r[i]);
    }
  }

  float boxTerm = 0;
  if (in.IsBuried()) {
    if (in.IsInBox()) {
      boxTerm = BoxResistance(in, in.boxMode, s.r[n], terms);
      s.R[10] = SoilResistance(in, static_cast<float>(double(in.boxSize) * 0.00107 * 0.5), terms);
    } else {
      s.R[10] = SoilResistance(in, s.r[n], terms);
    }
  } else if (flat) {
    s.R[10] = he > 0 ? static_cast<float>(1 / double(he)) : 0.0f;
  } else if (in.IsSphere()) {
    s.R[10] = he > 0 ? static_cast<float>(1 / (double(he) * kFourPi * rn * rn)) : 0.0f;
  } else {
    s.R[10] = he > 0 ? static_cast<float>(1 / (double(he) * 2 * kPi * rn)) : 0.0f;
  }

  float total = 0;
  for (int i = 0; i <= n; ++i) total += s.R[i];
  total += boxTerm;
  total += s.R[10];
  if (total == 0 || std::isnan(total)) total = kLeastTotalResistance;
  return total;
}
