#pragma once

class Brenak;

// Layer rows, insulation marks and the states of the layer fields.
void UpdateLayerFields(Brenak& app);
// Reaction to marking layer `layer` (1..6) as insulation.
void MarkInsulationLayer(Brenak& app, int layer);
