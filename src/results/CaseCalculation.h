// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/RiteCheck.h"
#include "engine/CalcInputs.h"
#include "engine/CalcOutcome.h"
#include "engine/FluidTemperature.h"
#include "form/Case.h"
#include "form/CaseOpening.h"

#include <optional>

// The convection regimes a previous calculation left: a coefficient that is
// imposed or neglected keeps reporting them. A case calculated on its own
// starts from none.
struct ConvectionRegimes {
  bool interiorLaminar = false;
  bool exteriorLaminar = false;
};

// The inputs of the engine for a case: every number read from its text, the
// lists by their rows, each layer and the box given by what the user gave (the
// engine reads a value only where the case says it is the user's), the
// coefficient modes the element can take.
CalcInputs CaseInputs(const Case& c, ConvectionRegimes regimes = {});

// Everything a calculation of a case gives, as figures: the engine's outcome
// and what is worked out around it.
struct CaseOutcome {
  CalcInputs inputs;   // what the engine ran on
  CalcOutcome engine;  // warnings, results, economic figures, regimes
  // Water at the end of a pipe or air at the end of a duct, after a heat flow
  // when the case asks for the estimate.
  std::optional<FluidEnd> finalWater;
  std::optional<FluidEnd> finalAir;
  // The regulation's verdict on the insulation layer; present when the run
  // gave results.
  std::optional<RiteVerdict> rite;
  // Interstitial condensation of a plate's heat flow: the faces in use where
  // the temperature falls below the dew point. Present when studied.
  std::optional<int> condensingFaces;

  bool HasResults() const { return engine.hasResults && !engine.absurdData; }
};

// Runs the engine on a case and works out what the window and the report show
// around it. The case is not checked here (CheckCase does that).
CaseOutcome CalculateCase(const Case& c, ConvectionRegimes regimes = {});
