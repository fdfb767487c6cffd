// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/InsulationLayer.h"

int InsulationLayerOf(const CalcInputs& in) {
  if (in.thicknessTarget) {
    for (int i = 1; i <= in.layerCount && i < static_cast<int>(in.layers.size()); ++i)
      if (in.layers[i].marked) return i;
    return 0;
  }
  int layer = 0;
  for (int i = 1; i <= in.layerCount && i < static_cast<int>(in.layers.size()); ++i) {
    const LayerInput& candidate = in.layers[i];
    if (candidate.resistanceEntered || !(candidate.conductivity > 0) ||
        candidate.conductivity > kInsulatingConductivity)
      continue;
    if (layer == 0 || candidate.conductivity < in.layers[layer].conductivity) layer = i;
  }
  return layer;
}
