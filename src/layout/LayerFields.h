#pragma once

class Brenak;

// Layer rows, insulation marks and the states of the layer fields.
void UpdateLayerFields(Brenak& app);
// Reaction to marking layer `layer` (1..6) as insulation.
void MarkInsulationLayer(Brenak& app, int layer);

// A layer is described either by thickness and conductivity or by its thermal
// resistance. A click into one of the two fields makes that description the
// entered one and the other computed, then empties the stale results.
void EnterLayerConductivity(Brenak& app, int layer);  // Edit<n>k clicked
void EnterLayerResistance(Brenak& app, int layer);    // Edit<n>RT clicked
void EnterBoxConductivity(Brenak& app);               // EditkCaja clicked
void EnterBoxResistance(Brenak& app);                 // EditRTCaja clicked

// Reaction to a change of the box filling ComboBoxCaja ("Material" or "Aire").
void ApplyBoxMaterial(Brenak& app);
