// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/LayerStack.h"

#include "engine/InsulationLayer.h"

int ReadLayers(const CalcInputs& in, LayerStack& s) {
  s.n = in.layerCount;
  s.e[0] = 0;
  // Only a thickness calculation has a layer whose thickness is to be found.
  const int insulation = in.thicknessTarget ? InsulationLayerOf(in) : 0;
  for (int i = 1; i <= s.n; ++i) {
    const LayerInput& layer = in.layers[i];
    if (layer.conductivityEntered) s.k[i] = layer.conductivity;
    if (layer.resistanceEntered) s.R[i] = layer.resistance;
    // A layer whose resistance field is entered enters the total as typed.
    s.resistanceComputed[i] = !layer.resistanceEntered;
    if (in.IsPlate() && !in.thicknessTarget && in.condensationStudy) s.rv[i] = layer.vapourResistivity;
    s.e[i] = i == insulation ? 0 : layer.thickness;
  }
  return insulation;
}

void UpdateRadii(const CalcInputs& in, LayerStack& s) {
  s.r[0] = static_cast<float>(double(in.interiorDiameter) * 0.0005);
  for (int i = 1; i <= s.n; ++i) s.r[i] = static_cast<float>(double(s.r[i - 1]) + double(s.e[i]) * 0.001);
}

float TotalThickness(const LayerStack& s) {
  float total = 0;
  for (int i = 1; i <= s.n; ++i) total += static_cast<float>(double(s.e[i]) * 0.001);
  return total;
}
