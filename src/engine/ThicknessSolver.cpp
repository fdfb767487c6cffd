#include "engine/ThicknessSolver.h"

#include "engine/CalcContext.h"
#include "engine/DesignConditions.h"
#include "engine/FluidTemperature.h"

#include <cmath>

namespace {
const QString kOverFiveMetres = QStringLiteral("Datos absurdos, pues el espesor de aislamiento sería mayor de 5 m.");
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
    if (in.IsPlate()) required = 1 / double(in.wantedResistance);
    else if (in.IsDuct()) required = double(in.wantedResistance) * DuctPerimeter(c, false);
    else required = in.wantedResistance;
  } else if (in.condition == DesignCondition::FinalWaterTemperature) {
    required = FinalTemperatureResistance(in, Ti, Te);
  } else if (in.condition == DesignCondition::FreezingTime) {
    required = FreezingTimeResistance(in);
  } else {
    required = std::abs(double(Ti) - Te) / target;
  }
  const float Rreq = static_cast<float>(required);

  if (in.IsPlate() || in.IsDuct()) {
    const float Ri = Rreq - Rsa;
    s.R[insulation] = Ri;
    s.e[insulation] = static_cast<float>(double(Ri) * s.k[insulation] * 1000);
    if (!(s.e[insulation] < kMaxInsulationThickness)) c.Absurd(kOverFiveMetres);
    if (Rsa > Rreq) c.Absurd(QStringLiteral("Datos absurdos, pues sin aislamiento la resistencia ya es mayor."));
  } else if (in.IsPipe() || in.IsSphere()) {
    // Steps of 0.1 mm kept in single precision, so their rounding accumulates.
    float t = 0;
    int steps = 0;
    float R = 0;
    do {
      t += 0.1f;
      s.e[insulation] = t;
      UpdateRadii(in, s);
      R = c.Resistance(ResistanceMode::WithInsulation, insulation, hi, he);
      ++steps;
    } while (R < Rreq && t < kMaxInsulationThickness);
    if (reached) *reached = R;
    if (t >= kMaxInsulationThickness) c.Absurd(kOverFiveMetres);
    if (R > Rreq && steps == 1)
      c.Absurd(QStringLiteral("Datos absurdos, pues sin aislamiento la resistencia de la tubería ya es mayor."));
  }
  return Rreq;
}
