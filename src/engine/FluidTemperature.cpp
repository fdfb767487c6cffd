// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/FluidTemperature.h"

#include "engine/Constants.h"
#include "engine/DryAir.h"

#include <cmath>

namespace {
constexpr double kWaterDensity = 1000;  // kg/m3
constexpr double kWaterHeat = 4.19;     // kJ/kgºC
constexpr double kIceDensity = 920;     // kg/m3
constexpr double kLatentHeat = 333.8;   // kJ/kg
}  // namespace

double PipeCrossSection(const CalcInputs& in) {
  const double D = in.interiorDiameter;
  return kPiPerMillimetre * D * 0.001 * D * 0.25;
}

float FreezingTimeResistance(const CalcInputs& in) {
  const double A = PipeCrossSection(in);
  const double t = double(in.freezingHours) * 3600;
  const double phi = double(in.frozenPercentage) * 0.01;
  const double Ti = in.Ti, Te = in.Te;
  const double L1 = std::log((Te - Ti) / Te);
  const double S = kWaterDensity * kWaterHeat * L1 + phi * kIceDensity * kLatentHeat / (-Te);
  return static_cast<float>(0.001 * t / (A * S));
}

float FinalTemperatureResistance(const CalcInputs& in, float Ti, float Te) {
  const double A = PipeCrossSection(in);
  const double L2 = std::log((double(Ti) - Te) / (double(in.wantedFinalTemperature) - Te));
  const double v = in.interiorVelocity;
  return static_cast<float>(0.001 * double(in.finalTemperatureLength) / (L2 * kWaterDensity * kWaterHeat * A * v));
}

FluidEnd FinalWaterTemperature(const CalcInputs& in, float R, float Te) {
  const double perimeterPart = double(in.interiorDiameter) * kPiPerMillimetre * 0.001;
  const double A = perimeterPart * double(in.interiorDiameter) * 0.25;
  const double C = double(in.interiorVelocity) * A * 1000 * 4.19 * 1000;  // W/ºC
  const double Ti = in.Ti;
  FluidEnd end;
  end.finalTemperature = static_cast<float>(Te + std::exp(-double(in.length) / (double(R) * C)) * (Ti - Te));
  end.totalHeatFlow = static_cast<float>(std::abs((Ti - end.finalTemperature) * C));
  return end;
}

FluidEnd FinalAirTemperature(const CalcInputs& in, float Rlin) {
  const double Ti = in.Ti, Te = in.Te;
  // The air's heat capacity rate, W/ºC: its volume flow times the heat a cubic
  // metre holds at the temperature it enters with.
  const double C =
      double(in.interiorVelocity) * (double(in.ductWidth) * in.interiorHeight) * DryAirVolumetricHeat(Ti) * 1000;
  FluidEnd end;
  end.finalTemperature = static_cast<float>(Te + std::exp(-double(in.length) / (C * Rlin)) * (Ti - Te));
  end.totalHeatFlow = static_cast<float>(std::abs((Ti - end.finalTemperature) * C));
  return end;
}
