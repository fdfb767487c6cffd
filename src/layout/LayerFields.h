// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class WindowState;

// Layer rows, insulation marks and the states of the layer fields.
void UpdateLayerFields(WindowState& app);
// Reaction to marking layer `layer` (1..6) as insulation.
void MarkInsulationLayer(WindowState& app, int layer);

// A layer is described either by thickness and conductivity or by its thermal
// resistance. A click into one of the two fields makes that description the
// entered one and the other computed, then empties the stale results.
void EnterLayerConductivity(WindowState& app, int layer);  // Edit<n>k clicked
void EnterLayerResistance(WindowState& app, int layer);    // Edit<n>RT clicked
void EnterBoxConductivity(WindowState& app);               // EditkCaja clicked
void EnterBoxResistance(WindowState& app);                 // EditRTCaja clicked

// Reaction to a change of the box filling ComboBoxCaja ("Material" or "Aire").
void ApplyBoxMaterial(WindowState& app);
