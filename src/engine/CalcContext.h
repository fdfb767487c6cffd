#pragma once

#include "engine/CalcInputs.h"
#include "engine/LayerStack.h"
#include "engine/SurfaceCoefficients.h"
#include "engine/ThermalResistance.h"

#include <QString>
#include <array>

class Brenak;

// The working state of one calculation: its inputs, arrays and the values the
// engine's operations leave for the window.
struct CalcContext {
  CalcContext(Brenak& app, const CalcInputs& inputs);

  Brenak& app;
  CalcInputs in;
  LayerStack s;
  SurfaceParts interior, exterior;
  BuriedPipeTerms buried;
  std::array<float, 7> T{};

  // A warning with the caption "Atención".
  void Warn(const QString& text);
  // A "Datos absurdos" warning: also raises the absurd-data flag.
  void Absurd(const QString& text);
  bool AbsurdData() const;
  // Extreme but accepted inputs can lead to figures that are not finite
  // numbers; such a run is refused (as absurd data) rather than shown.
  void RefuseNotFinite();

  float Resistance(ResistanceMode mode, int insulation, float hi, float he) {
    return TotalResistance(in, mode, s, insulation, hi, he, buried);
  }
  float Interior(float Ts, float Ti, float Te) { return InteriorCoefficient(in, interior, Ts, Ti, Te); }
  float Exterior(float Ts, float Ti, float Te) { return ExteriorCoefficient(in, exterior, Ts, Ti, Te, 2 * s.r[s.n]); }
};
