// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/LayerStack.h"

#include <QPointF>
#include <QVector>
#include <array>

// Saturation vapour pressure of water (Pa) at T ºC, over water from -0.0606 ºC
// up and over ice below.
float SaturationPressure(float T);
// Dew point (ºC) of a vapour pressure p (Pa), by halving a 6-degree bracket.
float DewPointTemperature(float p);

// Dew points at the interfaces of a plate, with the vapour pressure falling
// through the layers in proportion to their vapour resistance.
struct DewPointProfile {
  std::array<float, 7> Tdew{};
  QVector<QPointF> points;  // x mm from the interior surface
};
DewPointProfile ComputeDewPointProfile(const LayerStack& s, float Ti, float Te, float interiorHumidity,
                                       float exteriorHumidity);

// True when an interface 0..n is colder than its dew point (an undefined value counts).
bool CheckInterstitialCondensation(const std::array<float, 7>& T, const std::array<float, 7>& Tdew, int n);
