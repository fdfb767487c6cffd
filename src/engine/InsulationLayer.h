// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/CalcInputs.h"

// The most a material may conduct to count as the insulation of a case
// worked out without a marked layer, W/mºC.
inline constexpr float kInsulatingConductivity = 0.1f;

// The insulation layer of a case, 1..layerCount, or 0 when it has none. In a
// thickness calculation it is the marked layer, whose thickness is the one
// found. Otherwise no layer is marked, and it is the least conductive layer
// given by its conductivity (not by its resistance) of at most
// kInsulatingConductivity; of two equal, the inner one. The regulation's line,
// the summary and the table of thicknesses all judge or vary this layer.
int InsulationLayerOf(const CalcInputs& in);
