// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Dry air at 1 atm, as the standard heat-transfer textbooks tabulate it
// (Incropera and DeWitt, Fundamentals of Heat and Mass Transfer, table A.4),
// at 200, 250, 300, 350 and 400 K.
struct AirProperties {
  double T;   // ºC
  double k;   // conductivity, W/m·K
  double nu;  // kinematic viscosity, m2/s
  double Pr;  // Prandtl number
  double cp;  // specific heat, kJ/kg·K
};

// The properties at T (ºC), interpolated linearly; those of the nearest end
// outside the table.
AirProperties DryAirAt(double T);

// Heat held by a cubic metre of dry air at T (ºC) per kelvin, kJ/m3·K: the
// density of an ideal gas at 1 atm, 101325 / (287.05 · T), times the specific
// heat of the table.
double DryAirVolumetricHeat(double T);
