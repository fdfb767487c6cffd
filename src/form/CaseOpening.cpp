// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/CaseOpening.h"

int InteriorModeOf(const Case& c) {
  if ((c.IsSphere() || c.IsTank()) && c.interiorMode >= 2) return 1;
  return c.interiorMode;
}

int ExteriorModeOf(const Case& c) {
  if (c.IsSphere() && c.exteriorMode >= 2) return 0;
  return c.exteriorMode;
}

bool IsWorkedOut(const Case& c, const CaseField& field) {
  if (field.type != CaseValueType::Text) return false;
  if (field.layer) {
    const CaseLayer& layer = c.layers[field.layer - 1];
    if (field.layerText == &CaseLayer::thickness) return layer.thicknessSolved;
    if (field.layerText == &CaseLayer::conductivity) return !layer.conductivityGiven;
    if (field.layerText == &CaseLayer::resistance)
      return !layer.resistanceGiven || (c.ThicknessTarget() && c.MarkedLayer() == field.layer);
    return false;
  }
  if (field.text == &Case::interiorCoefficient) return InteriorModeOf(c) == 2;
  if (field.text == &Case::exteriorCoefficient) return ExteriorModeOf(c) == 2;
  if (field.text == &Case::boxConductivity) return c.boxMaterial == 1 || c.boxByResistance;
  if (field.text == &Case::boxResistance) return !c.boxByResistance;
  if (field.text == &Case::soilConductivity) return c.IsBuriedPipe() && c.soilMode == 1;
  return false;
}

Case AsOpened(const Case& c) {
  Case opened = c;
  opened.interiorMode = InteriorModeOf(c);
  opened.exteriorMode = ExteriorModeOf(c);
  // The heat flow needs every thickness given: the window takes the marks off.
  if (!c.ThicknessTarget())
    for (CaseLayer& layer : opened.layers) layer.insulation = false;
  if (const int marked = opened.ThicknessTarget() ? opened.MarkedLayer() : 0)
    opened.layers[marked - 1].resistanceGiven = false;

  for (const CaseField& field : CaseFields())
    if (IsWorkedOut(opened, field)) SetCaseText(opened, field, QString());
  // A coefficient that is not imposed, and a buried pipe's exterior one, are
  // not shown: nothing of the user's stays in them either.
  if (opened.interiorMode != 0) opened.interiorCoefficient.clear();
  if (opened.exteriorMode != 0 || c.IsBuriedPipe()) opened.exteriorCoefficient.clear();
  return opened;
}
