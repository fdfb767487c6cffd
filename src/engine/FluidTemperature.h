// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/CalcInputs.h"

// Lumped heat balances of the fluid inside a pipe or duct.

// Cross-section of the pipe, m2, from the interior diameter in mm.
double PipeCrossSection(const CalcInputs& in);

// Resistance per metre (mºC/W) that lets still water, starting at EditTi, freeze
// to the wanted fraction in the wanted time towards an exterior at Te (< 0).
float FreezingTimeResistance(const CalcInputs& in);
// Resistance per metre that cools (or warms) water from Ti to the wanted final
// temperature along the wanted length, flowing at the interior velocity.
float FinalTemperatureResistance(const CalcInputs& in, float Ti, float Te);

struct FluidEnd {
  float finalTemperature = 0;  // ºC
  float totalHeatFlow = 0;     // W over the length
};
// Water flowing along a pipe of total resistance R per metre; Te is the
// exterior or soil temperature.
FluidEnd FinalWaterTemperature(const CalcInputs& in, float R, float Te);
// Dry air flowing along a duct of linear resistance Rlin, its density and
// specific heat taken at the interior temperature.
FluidEnd FinalAirTemperature(const CalcInputs& in, float Rlin);
