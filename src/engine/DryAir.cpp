// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/DryAir.h"

namespace {

constexpr AirProperties kDryAir[] = {
    {-73.15, 0.0181, 7.59e-6, 0.737, 1.007},  {-23.15, 0.0223, 11.44e-6, 0.720, 1.006},
    {26.85, 0.0263, 15.89e-6, 0.707, 1.007},  {76.85, 0.0300, 20.92e-6, 0.700, 1.009},
    {126.85, 0.0338, 26.41e-6, 0.690, 1.014},
};

constexpr double kAtmosphere = 101325;      // Pa
constexpr double kAirGasConstant = 287.05;  // J/kg·K
constexpr double kZeroCelsius = 273.15;     // K

}  // namespace

AirProperties DryAirAt(double T) {
  constexpr int last = sizeof kDryAir / sizeof kDryAir[0] - 1;
  if (!(T > kDryAir[0].T)) return kDryAir[0];
  if (T >= kDryAir[last].T) return kDryAir[last];
  int i = 0;
  while (T > kDryAir[i + 1].T) ++i;
  const AirProperties& a = kDryAir[i];
  const AirProperties& b = kDryAir[i + 1];
  const double f = (T - a.T) / (b.T - a.T);
  return {T, a.k + f * (b.k - a.k), a.nu + f * (b.nu - a.nu), a.Pr + f * (b.Pr - a.Pr), a.cp + f * (b.cp - a.cp)};
}

double DryAirVolumetricHeat(double T) {
  const double density = kAtmosphere / (kAirGasConstant * (T + kZeroCelsius));  // kg/m3
  return density * DryAirAt(T).cp;
}
