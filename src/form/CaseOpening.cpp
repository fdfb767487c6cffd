#include "form/CaseOpening.h"

int InteriorModeOf(const Case& c) {
  if ((c.IsSphere() || c.IsTank()) && c.interiorMode >= 2) return 1;
  return c.interiorMode;
}

int ExteriorModeOf(const Case& c) {
  if (c.IsSphere() && c.exteriorMode >= 2) return 0;
  return c.exteriorMode;
}

Case AsOpened(const Case& c) {
  Case opened = c;
  opened.interiorMode = InteriorModeOf(c);
  opened.exteriorMode = ExteriorModeOf(c);
  if (opened.interiorMode != 0) opened.interiorCoefficient.clear();
  if (opened.exteriorMode != 0 || c.IsBuriedPipe()) opened.exteriorCoefficient.clear();

  const int marked = c.ThicknessTarget() ? c.MarkedLayer() : 0;
  for (int n = 1; n <= Case::kMaxLayers; ++n) {
    CaseLayer& layer = opened.layers[n - 1];
    if (n == marked) layer.resistanceGiven = false;
    if (layer.thicknessSolved) layer.thickness.clear();
    if (!layer.conductivityGiven) layer.conductivity.clear();
    if (!layer.resistanceGiven) layer.resistance.clear();
  }

  const bool airBox = c.boxMaterial == 1;
  if (airBox || c.boxByResistance) opened.boxConductivity.clear();
  if (!c.boxByResistance) opened.boxResistance.clear();
  if (c.IsBuriedPipe() && c.soilMode == 1) opened.soilConductivity.clear();
  return opened;
}
