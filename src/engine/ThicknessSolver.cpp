// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ThicknessSolver.h"

#include "engine/CalcContext.h"
#include "engine/DesignConditions.h"
#include "engine/FluidTemperature.h"
#include "engine/ThermalResistance.h"
#include "engine/ThicknessSearch.h"

#include <cmath>
#include <optional>

namespace {
const QString kOverFiveMetres =
    QT_TRANSLATE_NOOP("CalcMessages", "Datos absurdos, pues el espesor de aislamiento sería mayor de 5 m.");

// A duct's flow or resistance per metre turns into one per m2 over its outer
// perimeter P0 + 4t, which its insulation t (m) lengthens as it adds t/k to
// the bare resistance. Solved on the perimeter of the pass before, the
// thickness of each pass moves g times the move of the one before, g being
// 4·k·ΔT/q for a flow q per metre or 4·k·R' for a resistance R' per metre,
// and as g nears 1 the passes settled far short of the thickness that meets
// the condition. That thickness, where requirement and perimeter agree, is
// k·(ΔT·P0/q - bare)/(1 - g), or k·(R'·P0 - bare)/(1 - g): the total it
// requires is returned. With g of 1 or more no thickness meets it, and each
// pass is solved on the perimeter of the one before as ever, until the
// insulation passes 5 m.
std::optional<double> DuctRequirement(const CalcContext& c, int insulation, double bare, float Ti, float Te) {
  const CalcInputs& in = c.in;
  const bool flow = in.condition == DesignCondition::HeatFlow;
  if (!flow && in.condition != DesignCondition::Resistance) return std::nullopt;
  const double k = c.s.k[insulation];
  const double P0 = BareDuctPerimeter(c, insulation, in.condition);
  const double dT = std::abs(double(Ti) - Te);
  const double perMetre = flow ? dT / double(in.wantedHeatFlow) : double(in.wantedResistance);
  const double g = 4 * k * perMetre;
  if (!(g < 1)) return std::nullopt;
  const double t = k * (perMetre * P0 - bare) / (1 - g);
  return bare + t / k;
}
}  // namespace

float SolveThickness(CalcContext& c, int insulation, float Rsa, float target, float he, float hi, float Te, float Ti,
                     float* reached) {
  (void)he;
  (void)hi;
  const CalcInputs& in = c.in;
  LayerStack& s = c.s;
  c.absurd = false;

  double required = 0;
  if (in.condition == DesignCondition::Resistance) {
    if (in.IsPlate())
      required = 1 / double(in.wantedResistance);
    else if (in.IsDuct())
      required = double(in.wantedResistance) * DuctPerimeter(c, false);
    else
      required = in.wantedResistance;
  } else if (in.condition == DesignCondition::FinalWaterTemperature) {
    required = FinalTemperatureResistance(in, Ti, Te);
  } else if (in.condition == DesignCondition::FreezingTime) {
    required = FreezingTimeResistance(in);
  } else {
    required = std::abs(double(Ti) - Te) / target;
  }
  float Rreq = static_cast<float>(required);

  if (in.IsPlate() || in.IsDuct()) {
    // A bare element of no resistance at all (nothing but the insulation, both
    // coefficients neglected) reads as the least total only so that its flow
    // is finite; the insulation then takes the whole requirement, and its
    // layer and the total agree.
    float bareTerms = 0;
    for (int i = 0; i <= s.n; ++i) bareTerms += s.R[i];
    bareTerms += s.R[10];
    const float bare = Rsa == kLeastTotalResistance && bareTerms == 0 ? 0.0f : Rsa;
    if (in.IsDuct()) {
      if (const std::optional<double> duct = DuctRequirement(c, insulation, bare, Ti, Te))
        Rreq = static_cast<float>(*duct);
    }
    const float Ri = Rreq - bare;
    s.R[insulation] = Ri;
    s.e[insulation] = static_cast<float>(double(Ri) * s.k[insulation] * 1000);
    if (!(s.e[insulation] < kMaxInsulationThickness)) c.Absurd(MessageId::InsulationOverFiveMetres, kOverFiveMetres);
    if (Rsa > Rreq)
      c.Absurd(MessageId::ConditionMetWithoutInsulation,
               QT_TRANSLATE_NOOP("CalcMessages", "Datos absurdos, pues sin aislamiento la resistencia ya es mayor."));
  } else if (in.IsPipe() || in.IsSphere()) {
    // The first step of 0.1 mm at which the resistance reaches the requirement.
    const ThicknessStep found = c.search(c, insulation, Rreq, hi, he);
    if (reached) *reached = found.total;
    if (found.thickness >= kMaxInsulationThickness) c.Absurd(MessageId::InsulationOverFiveMetres, kOverFiveMetres);
    if (found.total > Rreq && found.step == 1)
      c.Absurd(MessageId::ConditionMetWithoutInsulation,
               QT_TRANSLATE_NOOP("CalcMessages",
                                 "Datos absurdos, pues sin aislamiento la resistencia de la tubería ya es mayor."));
  }
  return Rreq;
}
