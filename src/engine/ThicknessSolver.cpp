// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ThicknessSolver.h"

#include "engine/CalcContext.h"
#include "engine/DesignConditions.h"
#include "engine/FluidTemperature.h"
#include "engine/ThermalResistance.h"
#include "engine/ThicknessSearch.h"

#include <cmath>

namespace {
const QString kOverFiveMetres =
    QT_TRANSLATE_NOOP("CalcMessages", "Datos absurdos, pues el espesor de aislamiento sería mayor de 5 m.");
}

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
  const float Rreq = static_cast<float>(required);

  if (in.IsPlate() || in.IsDuct()) {
    // A bare element of no resistance at all (nothing but the insulation, both
    // coefficients neglected) reads as the least total only so that its flow
    // is finite; the insulation then takes the whole requirement, and its
    // layer and the total agree.
    float bareTerms = 0;
    for (int i = 0; i <= s.n; ++i) bareTerms += s.R[i];
    bareTerms += s.R[10];
    const float bare = Rsa == kLeastTotalResistance && bareTerms == 0 ? 0.0f : Rsa;
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
