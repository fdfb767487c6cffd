// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/Case.h"
#include "form/CaseFields.h"

// A surface coefficient mode the element can take: a sphere's coefficients,
// and a tank's interior one, cannot be calculated; their lists fall back to
// neglecting (interior) and imposing (a sphere's exterior).
int InteriorModeOf(const Case& c);
int ExteriorModeOf(const Case& c);

// Whether the program fills the field in for this case: a solved thickness,
// a layer's or the box's value that is not the user's (the insulation layer's
// resistance in a thickness calculation), a calculated coefficient, a soil
// conductivity worked out from its density.
bool IsWorkedOut(const Case& c, const CaseField& field);

// A case as the window holds it once it is opened, before it is calculated:
// the coefficient modes its element can take, no insulation mark in a heat
// flow, the insulation layer's
// resistance left to the solver, and every value the program works out
// emptied (the solved thickness, a layer's conductivity or resistance that is
// not the user's, the box's worked-out values, a coefficient that is not
// imposed, a soil conductivity worked out from its density). A case read from
// a file keeps the results it was saved with; this is the case a calculation
// of that file starts from.
Case AsOpened(const Case& c);
