// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/CalcInputs.h"
#include "engine/LayerStack.h"

// What the soil and box terms of a buried pipe last worked out; the window shows
// the calculated soil conductivity and the box resistance.
struct BuriedPipeTerms {
  bool soilCalculated = false;
  float soilConductivity = 0;
  bool boxCalculated = false;  // material or air: the value goes to the box resistance field
  float boxResistance = 0;
};

// "SA" counts the insulation layer as zero (the bare element), "CA" counts every layer.
enum class ResistanceMode { WithoutInsulation, WithInsulation };

// Total resistance from the interior fluid to the exterior fluid or the
// undisturbed soil; rewrites R[0], R[1..n] and R[10]. A coefficient not above 0
// adds no surface resistance. A total of 0 (or not a number) becomes
// kLeastTotalResistance, so that no flow divides by zero.
inline constexpr float kLeastTotalResistance = 0.00001f;
float TotalResistance(const CalcInputs& in, ResistanceMode mode, LayerStack& s, int insulation, float hi, float he,
                      BuriedPipeTerms& terms);

// Resistance of a layer of conductivity k between the radii rInner and rOuter
// (m): per metre of a cylinder, or of a spherical shell.
float CurvedLayerResistance(bool sphere, float k, float rInner, float rOuter);

// Soil between a cylinder of radius `radius` (m) and the ground surface, mºC/W.
float SoilResistance(const CalcInputs& in, float radius, BuriedPipeTerms& terms);
// Box around a buried pipe of outer radius rn: 0 material, 1 air, 2 given.
float BoxResistance(const CalcInputs& in, int mode, float rn, BuriedPipeTerms& terms);
