// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/CalcInputs.h"
#include "engine/CalcOutcome.h"
#include "engine/LayerStack.h"
#include "engine/SurfaceCoefficients.h"
#include "engine/ThermalResistance.h"
#include "engine/ThicknessSearch.h"

#include <QString>
#include <array>

// The working state of one calculation: its inputs and arrays, and the outcome
// its operations add their warnings to.
struct CalcContext {
  CalcContext(const CalcInputs& inputs, CalcOutcome& outcome);

  CalcInputs in;
  CalcOutcome& out;
  LayerStack s;
  SurfaceParts interior, exterior;
  BuriedPipeTerms buried;
  std::array<float, 7> T{};
  // A "Datos absurdos" warning was raised; the thickness solver lowers it again
  // on each of its passes.
  bool absurd = false;
  // How a pipe or sphere finds the step of its insulation thickness.
  ThicknessSearch search = FindThicknessStep;
  // Whether the economic search passes over the runs of steps whose cost
  // surely falls (FallingCost.h), or works out every step.
  bool passOverFallingCosts = true;

  // A warning with the caption "Atención". `text` is the Spanish source,
  // marked with QT_TRANSLATE_NOOP("CalcMessages", ...): the warning holds it
  // in the program's language.
  void Warn(MessageId id, const QString& text);
  // A "Datos absurdos" warning: also raises the absurd-data flag.
  void Absurd(MessageId id, const QString& text);
  bool AbsurdData() const { return absurd; }
  // Extreme but accepted inputs can lead to figures that are not finite
  // numbers; such a run is refused (as absurd data) rather than shown.
  void RefuseNotFinite();
  // The bare element's line that goes before the warning refusing a condition;
  // its caption, like a warning's text, is a "CalcMessages" source.
  void BareLine(BareElementLine::Slot slot, const QString& caption, float value, int decimals, const QString& unit);

  float Resistance(ResistanceMode mode, int insulation, float hi, float he) {
    ++out.evaluations;
    return TotalResistance(in, mode, s, insulation, hi, he, buried);
  }
  float Interior(float Ts, float Ti, float Te) { return InteriorCoefficient(in, interior, Ts, Ti, Te); }
  float Exterior(float Ts, float Ti, float Te) { return ExteriorCoefficient(in, exterior, Ts, Ti, Te, 2 * s.r[s.n]); }
};
