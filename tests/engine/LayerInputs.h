// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/CalcInputs.h"

// A layer row as the tests write one: thickness in mm, conductivity, and the
// insulation mark.
inline LayerInput Layer(float thicknessMm, float conductivity, bool marked = false) {
  LayerInput layer;
  layer.thickness = thicknessMm;
  layer.conductivity = conductivity;
  layer.marked = marked;
  return layer;
}
