// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/SurfaceCoefficients.h"

#include "engine/Constants.h"
#include "engine/DryAir.h"

#include <cmath>

double RadiationCoefficient(double emission, double Tf, double Ts) {
  // Linearised black-body exchange, temperatures in hundreds of kelvin.
  const double a = (Tf + 273.15) * 0.01;
  const double b = (Ts + 273.15) * 0.01;
  return emission * 5.67 * (a + b) * (a * a + b * b) * 0.01;
}

namespace {

bool Turbulent(FlowRegime regime, bool flowCallsForIt) {
  return regime == FlowRegime::AsItFlows ? flowCallsForIt : regime == FlowRegime::Turbulent;
}

}  // namespace

double PlateNaturalConvection(const CalcInputs& in, double Tf, double Ts, double Ti, double Te, double L, bool& laminar,
                              FlowRegime regime) {
  const double dT = std::abs(Tf - Ts);
  if (dT == 0) return 0;
  const bool turbulent = Turbulent(regime, dT * L * L * L > 10);
  laminar = !turbulent;
  // Only the correlation that applies is worked out: the search for an
  // economic thickness works out this coefficient at every step.
  const auto turbulentStable = [&] { return 0.59 * std::pow(dT, 0.25); };
  const auto turbulentRising = [&] { return 1.52 * std::pow(dT, kOneThird); };
  const auto laminarStable = [&] { return 0.59 * std::pow(dT / L, 0.25); };
  const auto laminarRising = [&] { return 1.32 * std::pow(dT / L, 0.25); };
  // The warmer side above the colder one keeps the air still (0.59); below it,
  // the heat rises (1.52, 1.32).
  switch (in.plateOrientation) {
    case 1: {  // horizontal, interior above
      const bool stable = Ti >= Te;
      return turbulent ? (stable ? turbulentStable() : turbulentRising())
                       : (stable ? laminarStable() : laminarRising());
    }
    case 2: {  // horizontal, interior below
      const bool rising = Ti > Te;
      return turbulent ? (rising ? turbulentRising() : turbulentStable())
                       : (rising ? laminarRising() : laminarStable());
    }
    default:  // vertical
      return turbulent ? 1.74 * std::pow(dT, kOneThird) : laminarRising();
  }
}

namespace {

// Natural convection of air around a cylinder of outer diameter D.
double CylinderNaturalConvection(const CalcInputs& in, double dT, double D, bool& laminar, FlowRegime regime) {
  if (dT == 0) return 0;
  const bool turbulent = Turbulent(regime, dT * D * D * D > 10);
  laminar = !turbulent;
  if (in.IsHorizontalCylinder()) return turbulent ? 1.21 * std::pow(dT, kOneThird) : 1.25 * std::pow(dT / D, 0.25);
  return turbulent ? 1.74 * std::pow(dT, kOneThird) : 1.32 * std::pow(dT / D, 0.25);
}

}  // namespace

float InteriorCoefficient(const CalcInputs& in, SurfaceParts& parts, float Ts, float Ti, float Te, FlowRegime regime) {
  if (in.interiorMode == SurfaceCoefMode::Neglect) return -1;
  const bool calculable = in.IsPlate() || in.IsPipe() || in.IsDuct();
  if (in.interiorMode != SurfaceCoefMode::Calculate || !calculable) return in.interiorCoef;

  double hc = 0, hr = 0;
  if (in.IsPlate()) {
    hc = PlateNaturalConvection(in, Ti, Ts, Ti, Te, in.interiorHeight, parts.laminar, regime);
    hr = RadiationCoefficient(in.interiorEmission, Ti, Ts);
  } else if (in.IsPipe()) {
    // Water flowing inside the pipe.
    const double v = in.interiorVelocity;
    const double d = double(in.interiorDiameter) * 0.001;
    hc = 1057 * (1.352 + 0.019 * double(Ti)) * std::pow(v, 0.8) / std::pow(d, 0.2);
    parts.laminar = false;
  } else {
    // Air flowing inside a duct, with its hydraulic diameter: forced turbulent
    // convection by the Dittus-Boelter correlation, Nu = 0.023 Re^0.8 Pr^n,
    // n = 0.4 when the duct heats the air (exterior warmer) and 0.3 when it
    // cools it. No radiation inside a duct.
    const double W = in.ductWidth, H = in.interiorHeight;
    const double Dh = 4 * W * H / (2 * (W + H));
    const AirProperties air = DryAirAt(Ti);
    const double n = Te > Ti ? 0.4 : 0.3;
    const double Re = double(in.interiorVelocity) * Dh / air.nu;
    hc = 0.023 * (air.k / Dh) * std::pow(Re, 0.8) * std::pow(air.Pr, n);
    parts.laminar = false;
  }
  parts.convection = static_cast<float>(hc);
  parts.radiation = static_cast<float>(hr);
  parts.calculated = true;
  return static_cast<float>(hc + hr);
}

float ExteriorCoefficient(const CalcInputs& in, SurfaceParts& parts, float Ts, float Ti, float Te, float D,
                          FlowRegime regime) {
  if (in.exteriorMode == SurfaceCoefMode::Neglect) return -1;
  if (in.exteriorMode != SurfaceCoefMode::Calculate) return in.exteriorCoef;

  const double dT = std::abs(double(Te) - double(Ts));
  double hc = 0;
  if (in.IsPlate()) {
    if (in.surroundings == 1) {
      const double v = in.exteriorVelocity, L = in.exteriorLength;
      if (Turbulent(regime, v * L > 8)) {
        hc = 5.76 * std::pow(v * v * v * v / L, 0.2);
        parts.laminar = false;
      } else {
        hc = 3.96 * std::pow(v / L, 0.5);
        parts.laminar = true;
      }
    } else {
      hc = PlateNaturalConvection(in, Te, Ts, Ti, Te, in.exteriorLength, parts.laminar, regime);
    }
  } else if (in.IsDuct()) {
    hc = 1.17 * std::pow(dT / double(in.ductWidth), 0.25);
    parts.laminar = true;
  } else {
    // Pipes and tanks (and a sphere, should its list offer the calculation).
    const double d = D;
    if (in.surroundings == 1) {
      const double v = in.exteriorVelocity;
      if (Turbulent(regime, v * d > 0.00855)) {
        hc = 8.9 * std::pow(v, 0.9) / std::pow(d, 0.1);
        parts.laminar = false;
      } else {
        hc = 3.14 * std::pow(v / d, 0.5) + 0.0081 / d;
        parts.laminar = true;
      }
    } else {
      hc = CylinderNaturalConvection(in, dT, d, parts.laminar, regime);
    }
  }
  const double hr = RadiationCoefficient(in.exteriorEmission, Te, Ts);
  parts.convection = static_cast<float>(hc);
  parts.radiation = static_cast<float>(hr);
  parts.calculated = true;
  return static_cast<float>(hc + hr);
}
