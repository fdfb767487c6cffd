// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/ReferenceTables.h"

class Brenak;

// The chooser panels of the main window. Each writes field texts only: it checks
// nothing and recalculates nothing. The selected row of every list is the radio
// group's own index, so a choice stays selected while the program runs.

// Material chooser (PMateriales) for layer `layer` (1..6). With the insulation
// mark shown (thickness target) one list is offered: insulation for the marked
// layer, else pipe or plate materials by element kind. Without it (heat-flow
// target) the insulation list with its own "Aplicar" (SpeedButton17) and the
// pipe or plate list beside it.
void OpenMaterialChooser(Brenak& app, int layer, bool markShown, bool markSet);
// "Aplicar" of the material chooser: SpeedButton17 (insulationButton) applies the
// insulation list, SpeedButton10 the one list in force. Then hides the panel.
void ApplyMaterialChooser(Brenak& app, bool insulationButton);

// Writes a material into layer `layer` (1..6): its name, conductivity and
// vapour resistivity; the layer is described by its conductivity from then on.
// A change makes the results stale; the keyboard goes to the conductivity.
void ApplyMaterialToLayer(Brenak& app, int layer, const MaterialEntry& material);

// Pipe size chooser (PEleccionTub): show the panel and the size list of the family.
void OpenPipeSizeChooser(Brenak& app);
// Shows exactly the size list of the family selected in RGTuberias.
void ShowPipeSizeList(Brenak& app);
// "Aplicar": the wall becomes two layers, the pipe (layer 1) and the insulation
// (layer 2), and the interior diameter takes the size's.
void ApplyPipeSize(Brenak& app);

// Emission chooser (PCoefEmision) for the interior (1) or exterior (2) surface.
void OpenEmissionChooser(Brenak& app, int target);
// "Aplicar": writes the chosen emissivity into Editemisionhi or Editemisionhe.
void ApplyEmission(Brenak& app);

// Shows PanelTTerreno with the soil temperatures by climatic zone and month.
void ShowSoilTemperatures(Brenak& app);
