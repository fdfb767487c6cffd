// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/RiteCheck.h"

#include "engine/Constants.h"
#include "engine/DecimalRounding.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Rows by outside diameter: D ≤ 35, 35 < D ≤ 60, 60 < D ≤ 90, 90 < D ≤ 140, 140 < D.
int DiameterRow(float D) {
  if (D <= 35) return 0;
  if (D <= 60) return 1;
  if (D <= 90) return 2;
  if (D <= 140) return 3;
  return 4;
}

// Hot fluids, inside a building (tabla 1.2.4.2.1); outside (tabla 1.2.4.2.2)
// adds 10 mm to every cell. Columns 40–60 ºC, > 60–100 ºC, > 100–180 ºC.
constexpr int kHotInside[5][3] = {{25, 25, 30}, {30, 30, 40}, {30, 30, 40}, {30, 40, 50}, {35, 40, 50}};
// Cold fluids, inside a building (tabla 1.2.4.2.3); outside (tabla 1.2.4.2.4)
// adds 20 mm to every cell. Columns > −10–0 ºC, > 0–10 ºC, > 10 ºC.
constexpr int kColdInside[5][3] = {{30, 20, 20}, {40, 30, 20}, {40, 30, 30}, {50, 40, 30}, {50, 40, 30}};

// Air ducts (IT 1.2.4.2.2), inside / outside a building.
constexpr float kHotAirDuct[2] = {20, 30};
constexpr float kColdAirDuct[2] = {30, 50};

int HotColumn(float T) {
  if (T < 40) return -1;
  if (T <= 60) return 0;
  if (T <= 100) return 1;
  if (T <= 180) return 2;
  return -1;
}

int ColdColumn(float T) {
  if (T <= -10) return -1;
  if (T <= 0) return 0;
  if (T <= 10) return 1;
  return 2;
}

// The conductivity of the insulation layer: as given, or from its resistance
// and thickness when the layer is given by its resistance.
float LayerConductivity(const CalcInputs& in, const Results& r, int layer, double innerRadius) {
  const LayerInput& input = in.layers[layer];
  if (!input.resistanceEntered) return input.conductivity;
  const double R = r.resistances[layer];
  const double e = double(r.thicknesses[layer]) * 0.001;
  if (!(R > 0) || !(e > 0)) return 0;
  if (in.IsPipe() || in.IsTank()) return static_cast<float>(std::log((innerRadius + e) / innerRadius) / (kTwoPi * R));
  return static_cast<float>(e / R);
}

}  // namespace

float RiteTableThickness(bool hot, float fluid, float diameter, bool outside) {
  const int column = hot ? HotColumn(fluid) : ColdColumn(fluid);
  if (column < 0) return 0;
  const int row = DiameterRow(diameter);
  const int inside = hot ? kHotInside[row][column] : kColdInside[row][column];
  return static_cast<float>(inside + (outside ? (hot ? 10 : 20) : 0));
}

double RiteCorrected(double tableThickness, double conductivity, double diameter) {
  const double ratio = conductivity / kRiteReferenceConductivity;
  if (!(diameter > 0)) return tableThickness * ratio;
  return diameter / 2 * (std::exp(ratio * std::log((diameter + 2 * tableThickness) / diameter)) - 1);
}

double RiteWrittenMinimum(double thickness) {
  // A ten-thousandth of a tenth absorbs the rounding of single-precision inputs,
  // which must not push a minimum such as 24.9 mm up to 25.0 mm.
  return std::ceil(thickness * 10 - 1e-3) / 10;
}

RiteVerdict CheckRite(const CalcInputs& in, const Results& r) { return CheckRite(in, r, InsulationLayerOf(in)); }

RiteVerdict CheckRite(const CalcInputs& in, const Results& r, int layer) {
  RiteVerdict v;
  if (layer < 0 || layer > in.layerCount || layer >= static_cast<int>(in.layers.size())) layer = 0;
  const bool pipe = in.IsPipe();
  const bool duct = in.IsDuct();
  const bool tank = in.IsTank();
  v.article = duct ? QStringLiteral("IT 1.2.4.2.2") : QStringLiteral("IT 1.2.4.2.1");
  if (!pipe && !duct && !tank) {
    v.reason = QCoreApplication::translate("RiteCheck", "la tabla de espesores mínimos no se aplica a este elemento");
    return v;
  }
  const float fluid = in.Ti;
  const float surroundings = in.IsBuried() ? in.soilTemperature : in.Te;
  if (fluid == surroundings) {
    v.reason = QCoreApplication::translate("RiteCheck", "el fluido está a la temperatura del ambiente");
    return v;
  }
  v.hot = fluid > surroundings;
  v.onlyOutside = in.IsBuried();
  v.thicknessTarget = in.thicknessTarget;

  double innerRadius = double(in.interiorDiameter) * 0.0005;
  for (int i = 1; i < layer; ++i) innerRadius += double(r.thicknesses[i]) * 0.001;
  if (layer > 0) {
    v.hasInsulation = true;
    v.insulation = r.thicknesses[layer];
    v.conductivity = LayerConductivity(in, r, layer, innerRadius);
  }
  const double lambda = v.hasInsulation && v.conductivity > 0 ? double(v.conductivity) : kRiteReferenceConductivity;

  float inside = 0, outside = 0;
  double diameter = 0;  // a flat correction unless a pipe
  if (duct) {
    inside = v.hot ? kHotAirDuct[0] : kColdAirDuct[0];
    outside = v.hot ? kHotAirDuct[1] : kColdAirDuct[1];
  } else {
    if ((v.hot ? HotColumn(fluid) : ColdColumn(fluid)) < 0) {
      v.reason =
          v.hot ? QCoreApplication::translate("RiteCheck", "la tabla se aplica a fluidos calientes de 40 a 180 ºC")
                : QCoreApplication::translate("RiteCheck", "la tabla se aplica a fluidos fríos por encima de -10 ºC");
      return v;
    }
    // Equipment and tanks take the row of pipes over 140 mm.
    v.diameter = tank ? 0 : static_cast<float>(innerRadius * 2000);
    const float rowDiameter = tank ? 1000.0f : v.diameter;
    inside = RiteTableThickness(v.hot, fluid, rowDiameter, false);
    outside = RiteTableThickness(v.hot, fluid, rowDiameter, true);
    if (pipe) diameter = v.diameter;
  }
  // The correction grows exponentially with the conductivity: a conducting
  // layer marked as the insulation of a pipe can take the minimum past any
  // figure single precision holds. No minimum is stated then, rather than an
  // infinite one.
  const double insideMinimum = RiteWrittenMinimum(RiteCorrected(inside, lambda, diameter));
  const double outsideMinimum = RiteWrittenMinimum(RiteCorrected(outside, lambda, diameter));
  if (!(std::max(insideMinimum, outsideMinimum) <= std::numeric_limits<float>::max())) {
    v.reason = QCoreApplication::translate(
        "RiteCheck", "el aislamiento conduce demasiado para corregir la tabla de espesores mínimos");
    return v;
  }
  v.scope = duct ? RiteVerdict::Scope::Duct : tank ? RiteVerdict::Scope::Tank : RiteVerdict::Scope::Pipe;
  v.insideMinimum = static_cast<float>(insideMinimum);
  v.outsideMinimum = static_cast<float>(outsideMinimum);
  // The thickness and the minima are compared as the result line writes them,
  // in tenths of a millimetre, so that the verdict agrees with the figures.
  const long long insulation = std::llround(double(RoundAsWritten(v.insulation, 6, 1)) * 10);
  v.meetsInside = v.hasInsulation && insulation >= std::llround(double(v.insideMinimum) * 10);
  v.meetsOutside = v.hasInsulation && insulation >= std::llround(double(v.outsideMinimum) * 10);
  return v;
}
