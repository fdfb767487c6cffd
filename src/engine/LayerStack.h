// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/CalcInputs.h"

#include <array>

// The working arrays of one calculation, indexed by layer 1..n from the inside
// out. R[0] is the interior surface, R[10] the exterior surface or the soil.
struct LayerStack {
  int n = 1;
  std::array<float, 7> e{};                  // thickness, mm; e[0] = 0
  std::array<float, 7> k{};                  // conductivity, W/mºC
  std::array<float, 11> R{};                 // resistances
  std::array<float, 7> rv{};                 // vapour resistivity, MN s/g m
  std::array<float, 7> r{};                  // radii, m: r[0] interior, r[i] outer radius of layer i
  std::array<bool, 7> resistanceComputed{};  // per layer: computed from e and k, or given
};

// Fills e, k, R and rv for the layers in use; returns the insulation layer for
// the thickness target, else 0.
int ReadLayers(const CalcInputs& in, LayerStack& s);
// r[0] from the interior diameter, r[i] = r[i-1] + e[i] (mm to m).
void UpdateRadii(const CalcInputs& in, LayerStack& s);
// Sum of the thicknesses in m, accumulated in single precision.
float TotalThickness(const LayerStack& s);
// Perimeter of a duct's wall at mid-thickness, m, from the wall's total
// thickness (m) and the interior width and height (m).
// Half the height of a buried pipe's box, m, in single precision like the
// radii and the depth it is compared with: a box the pipe fills exactly, or
// whose top lies at the ground surface, is not absurd.
inline float HalfBoxHeight(const CalcInputs& in) { return static_cast<float>(double(in.boxSize) * 0.001 * 0.5); }
// Whether a buried pipe, its layers as they now are, reaches beyond the walls
// of its box, or above the ground (or beyond the box).
inline bool OutgrowsItsBox(const CalcInputs& in, const LayerStack& s) {
  return in.IsInBox() && s.r[s.n] > HalfBoxHeight(in);
}
inline bool OutgrowsItsPlace(const CalcInputs& in, const LayerStack& s) {
  return s.r[s.n] > in.depth || OutgrowsItsBox(in, s);
}
inline double DuctWallPerimeter(float totalThickness, double width, double height) {
  return 4 * double(totalThickness) + 2 * width + 2 * height;
}
