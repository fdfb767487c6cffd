// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Moisture.h"

#include <cmath>

float SaturationPressure(float T) {
  const double Tk = static_cast<float>(double(T) + 273.15);
  double F;
  if (T >= -0.0606f) {
    F = -5800.2207 / Tk + 1.3914993 - 0.04864024 * Tk + 4.1764768e-5 * Tk * Tk - 1.4452093e-8 * Tk * Tk * Tk +
        6.545967 * std::log(Tk);
  } else {
    F = -5674.359 / Tk + 6.3925247 - 9.677843e-3 * Tk + 6.2215701e-7 * Tk * Tk + 2.0747825e-9 * Tk * Tk * Tk -
        9.484024e-13 * Tk * Tk * Tk * Tk + 4.1635017 * std::log(Tk);
  }
  return static_cast<float>(std::exp(F));
}

float DewPointTemperature(float p) {
  const double L = std::log10(double(p));
  const float T0 = static_cast<float>((35.85 * L - 2148.496) / (L - 10.2858) - 273.15);
  float lower = T0 - 3, upper = T0 + 3;
  float t = T0;
  // A bracket that is not a number would never narrow: the guard bounds it.
  for (int step = 0; step < 64; ++step) {
    t = (lower + upper) * 0.5f;
    const float ps = SaturationPressure(t);
    if (ps >= p) upper = t;
    if (ps < p) lower = t;
    if (!(upper - lower > 0.001f)) break;
  }
  return t;
}

DewPointProfile ComputeDewPointProfile(const LayerStack& s, float Ti, float Te, float interiorHumidity,
                                       float exteriorHumidity) {
  DewPointProfile profile;
  const double pi = double(SaturationPressure(Ti)) * interiorHumidity * 0.01;
  const double pe = double(SaturationPressure(Te)) * exteriorHumidity * 0.01;
  // Share of the vapour resistance of each layer. With no vapour resistance at
  // all the share is undefined; the pressure is then taken to fall with the
  // thickness, the limit of layers of equal, vanishing resistivity.
  std::array<float, 7> share{};
  float Z = 0;
  for (int i = 1; i <= s.n; ++i) {
    share[i] = static_cast<float>(double(s.e[i]) * 0.001 * s.rv[i]);
    Z += share[i];
  }
  if (Z == 0) {
    for (int i = 1; i <= s.n; ++i) {
      share[i] = static_cast<float>(double(s.e[i]) * 0.001);
      Z += share[i];
    }
  }
  profile.Tdew[0] = DewPointTemperature(static_cast<float>(pi));
  profile.points.append(QPointF(0, profile.Tdew[0]));
  float z = 0, x = 0;
  for (int i = 1; i <= s.n; ++i) {
    z += share[i];
    const double p = Z > 0 ? pi - (pi - pe) * z / Z : (i == s.n ? pe : pi);
    profile.Tdew[i] = DewPointTemperature(static_cast<float>(p));
    x += s.e[i];
    profile.points.append(QPointF(x, profile.Tdew[i]));
  }
  return profile;
}

bool CheckInterstitialCondensation(const std::array<float, 7>& T, const std::array<float, 7>& Tdew, int n) {
  int count = 0;
  for (int i = 0; i <= n; ++i)
    if (!(T[i] >= Tdew[i])) ++count;
  return count > 0;
}
