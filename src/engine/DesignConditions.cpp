// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/DesignConditions.h"

#include "engine/CalcContext.h"
#include "engine/Constants.h"
#include "engine/DecimalRounding.h"
#include "engine/Moisture.h"

#include <cmath>

double DuctPerimeter(const CalcContext& c, bool onlyShownSides) {
  const double w = onlyShownSides && !c.in.ductWidthShown ? 0.0 : double(c.in.ductWidth);
  const double h = onlyShownSides && !c.in.interiorHeightShown ? 0.0 : double(c.in.interiorHeight);
  return DuctWallPerimeter(TotalThickness(c.s), w, h);
}

double BareDuctPerimeter(const CalcContext& c, int insulation, DesignCondition condition) {
  return DuctPerimeter(c, condition == DesignCondition::HeatFlow) - 4 * double(c.s.e[insulation]) * 0.001;
}

namespace {

// Exterior surface per unit of the element: m2 of plate, per m of pipe, the sphere.
double ExteriorArea(const CalcContext& c) {
  const double rn = c.s.r[c.s.n];
  if (c.in.IsPipe()) return kTwoPi * rn;
  if (c.in.IsSphere()) return kFourPi * rn * rn;
  return 1;
}

const QString kNotForElement = QT_TRANSLATE_NOOP(
    "CalcMessages", "No es posible calcular un espesor de aislante para este elemento con la condición seleccionada");

}  // namespace

float EvaluateCondition(CalcContext& c, DesignCondition condition, float Rsa, float he, float hi, float Te, float Ti,
                        float q0) {
  const CalcInputs& in = c.in;

  // Ducts have no surface-temperature, condensation or temperature-change
  // condition and tanks none at all; they are refused before any calculation.
  const bool ductCondition = condition == DesignCondition::HeatFlow || condition == DesignCondition::Percentage ||
                             condition == DesignCondition::Resistance;
  if (in.IsTank() || (in.IsDuct() && !ductCondition)) {
    c.Warn(MessageId::ConditionNotForElement, kNotForElement);
    return -1;
  }

  if (condition != DesignCondition::Resistance) {
    const float other = in.IsBuried() ? in.soilTemperature : in.Te;
    if (other == in.Ti) {
      c.Warn(MessageId::EqualTemperatures,
             in.IsBuried()
                 ? QT_TRANSLATE_NOOP("CalcMessages",
                                     "No es posible calcular: las temperaturas interior y del suelo son iguales")
                 : QT_TRANSLATE_NOOP("CalcMessages",
                                     "No es posible calcular: las temperaturas interior y exterior son iguales"));
      return -1;
    }
  }

  // A surface temperature (or condensation on it) follows from the flow through
  // that surface's coefficient; with the coefficient neglected the surface sits
  // at the fluid's temperature whatever the insulation, and no thickness meets it.
  const bool exteriorSurface =
      condition == DesignCondition::ExteriorSurfaceTemperature || condition == DesignCondition::NoExteriorCondensation;
  const bool interiorSurface =
      condition == DesignCondition::InteriorSurfaceTemperature || condition == DesignCondition::NoInteriorCondensation;
  if ((exteriorSurface && !(he > 0) && !in.IsBuried()) || (interiorSurface && !(hi > 0) && in.IsPlate())) {
    c.Warn(MessageId::SurfaceCoefficientNeglected,
           exteriorSurface
               ? QT_TRANSLATE_NOOP("CalcMessages",
                                   "No es posible calcular esta condición con el coeficiente superficial exterior "
                                   "despreciado: impóngalo o calcúlelo")
               : QT_TRANSLATE_NOOP("CalcMessages",
                                   "No es posible calcular esta condición con el coeficiente superficial interior "
                                   "despreciado: impóngalo o calcúlelo"));
    return -1;
  }

  switch (condition) {
    case DesignCondition::HeatFlow: {
      double target = in.wantedHeatFlow;
      if (in.IsDuct()) target = in.wantedHeatFlow / DuctPerimeter(c, true);
      if (target > q0) {
        // The greatest flow as the element's own figure: per m of a duct.
        float shown = q0;
        QString unit = "W";
        if (in.IsPlate())
          unit = "W/m2";
        else if (in.IsPipe())
          unit = "W/m";
        else if (in.IsDuct()) {
          const double w = in.ductWidthShown ? double(in.ductWidth) : 0.0;
          const double h = in.interiorHeightShown ? double(in.interiorHeight) : 0.0;
          shown = static_cast<float>(q0 * (2 * w + 2 * h));
          unit = "W/m";
        }
        if (!std::isfinite(shown)) {
          c.RefuseNotFinite();
          return -1;
        }
        c.BareLine(BareElementLine::Slot::HeatFlow, QT_TRANSLATE_NOOP("CalcMessages", "Flujo de calor máximo: "), shown,
                   2, unit);
        c.Warn(
            MessageId::ConditionMetWithoutInsulation,
            QT_TRANSLATE_NOOP(
                "CalcMessages",
                "No es posible calcular un espesor de aislante, ya que sin aislamiento el flujo de calor ya es menor"));
        return -1;
      }
      return static_cast<float>(target);
    }
    case DesignCondition::Percentage:
      // Without any resistance the bare flow is only the floor of the total
      // resistance: a fraction of it is no figure an element can be built for.
      if (!(Rsa > 0.00001f)) {
        c.Warn(MessageId::NoResistanceWithoutInsulation,
               QT_TRANSLATE_NOOP("CalcMessages",
                                 "No es posible calcular una reducción del flujo de calor: sin aislamiento el elemento "
                                 "no tiene resistencia térmica"));
        return -1;
      }
      return static_cast<float>(double(q0) * in.wantedPercentage * 0.01);
    case DesignCondition::Resistance: {
      if (in.IsPlate()) {
        const float U0 = static_cast<float>(1 / double(Rsa));
        if (in.wantedResistance > U0) {
          if (!std::isfinite(U0)) {
            c.RefuseNotFinite();
            return -1;
          }
          c.BareLine(BareElementLine::Slot::Resistance,
                     QT_TRANSLATE_NOOP("CalcMessages", "Coeficiente global sin aislamiento: "), U0, 3,
                     QStringLiteral("W/m2ºC"));
          c.Warn(MessageId::ConditionMetWithoutInsulation,
                 QT_TRANSLATE_NOOP("CalcMessages",
                                   "No es posible calcular un espesor de aislante, ya que el coeficiente global de "
                                   "transferencia de calor sin aislamiento ya es menor"));
          return -1;
        }
        return 0;
      }
      if (in.IsSphere()) {
        if (Rsa > in.wantedResistance) {
          if (!std::isfinite(Rsa)) {
            c.RefuseNotFinite();
            return -1;
          }
          c.BareLine(BareElementLine::Slot::Resistance,
                     QT_TRANSLATE_NOOP("CalcMessages", "Resistencia térmica total sin aislamiento: "), Rsa,
                     ResistanceDecimals(Rsa), QStringLiteral("ºC/W"));
          c.Warn(MessageId::ConditionMetWithoutInsulation,
                 QT_TRANSLATE_NOOP("CalcMessages",
                                   "No es posible calcular un espesor de aislante, ya que la resistencia térmica total "
                                   "sin aislamiento ya es mayor"));
          return -1;
        }
        return 0;
      }
      const float linear = in.IsDuct() ? static_cast<float>(Rsa / DuctPerimeter(c, true)) : Rsa;
      if (linear > in.wantedResistance) {
        if (!std::isfinite(linear)) {
          c.RefuseNotFinite();
          return -1;
        }
        c.BareLine(BareElementLine::Slot::Resistance,
                   QT_TRANSLATE_NOOP("CalcMessages", "Resistencia térmica lineal sin aislamiento: "), linear,
                   ResistanceDecimals(linear), QStringLiteral("mºC/W"));
        c.Warn(MessageId::ConditionMetWithoutInsulation,
               QT_TRANSLATE_NOOP("CalcMessages",
                                 "No es posible calcular un espesor de aislante, ya que la resistencia térmica lineal "
                                 "sin aislamiento ya es mayor"));
        return -1;
      }
      return 0;
    }
    case DesignCondition::Economic: return 0;
    case DesignCondition::ExteriorSurfaceTemperature: {
      if (!(in.IsPlate() || in.IsPipe() || in.IsSphere())) break;
      const double Tse = in.wantedExteriorSurface;
      const double x = (double(Ti) - Tse) / (double(Ti) - Te);
      if (x < 0 || x > 1) {
        c.Warn(MessageId::ConditionOutOfRange,
               QT_TRANSLATE_NOOP("CalcMessages",
                                 "La temperatura de la superficie exterior debe encontrarse entre los valores de la "
                                 "temperatura interior y exterior"));
        return -1;
      }
      const double target = std::abs(double(he) * ExteriorArea(c) * (Tse - Te));
      if (target > q0) {
        c.Warn(
            MessageId::ConditionMetWithoutInsulation,
            QT_TRANSLATE_NOOP("CalcMessages",
                              "Sin aislamiento la temperatura de la superficie exterior se aproxima más a la exterior "
                              "que la que se solicita, por tanto no es posible esta condición"));
        return -1;
      }
      return static_cast<float>(target);
    }
    case DesignCondition::NoExteriorCondensation: {
      if (!(in.IsPlate() || in.IsPipe() || in.IsSphere())) break;
      const float pv = static_cast<float>(double(SaturationPressure(Te)) * in.exteriorHumidity * 0.01);
      const double Tdew = DewPointTemperature(pv);
      if (Te < Ti) {
        c.Warn(
            MessageId::NeverCondenses,
            QT_TRANSLATE_NOOP("CalcMessages",
                              "La temperatura exterior es inferior a la interior, nunca condensa en el exterior, por "
                              "tanto no es posible esta condición"));
        return -1;
      }
      if ((Tdew - Ti) / (double(Te) - Ti) < 0) {
        c.Warn(MessageId::NeverCondenses,
               QT_TRANSLATE_NOOP("CalcMessages",
                                 "La temperatura de rocío exterior es menor que la temperatura interior, por lo tanto "
                                 "nunca condensa y no es posible esta condición"));
        return -1;
      }
      const double target = std::abs(double(he) * ExteriorArea(c) * (Tdew - Te));
      if (target > q0) {
        c.Warn(
            MessageId::ConditionMetWithoutInsulation,
            QT_TRANSLATE_NOOP("CalcMessages",
                              "Sin aislamiento la temperatura de la superficie es superior a la de rocío, por lo tanto "
                              "nunca condensa y no es posible esta condición"));
        return -1;
      }
      return static_cast<float>(target);
    }
    case DesignCondition::InteriorSurfaceTemperature: {
      if (in.IsPlate()) {
        const double Tsi = in.wantedInteriorSurface;
        const double x = (double(Ti) - Tsi) / (double(Ti) - Te);
        if (x < 0 || x > 1) {
          c.Warn(MessageId::ConditionOutOfRange,
                 QT_TRANSLATE_NOOP("CalcMessages",
                                   "La temperatura de la superficie interior debe encontrarse entre los valores de la "
                                   "temperatura interior y exterior"));
          return -1;
        }
        const double target = std::abs(double(hi) * (Tsi - Ti));
        if (target > q0) {
          c.Warn(MessageId::ConditionMetWithoutInsulation,
                 QT_TRANSLATE_NOOP("CalcMessages",
                                   "Sin aislamiento la temperatura de la superficie interior se aproxima más a la "
                                   "interior que la que se solicita, por tanto no es posible esta condición"));
          return -1;
        }
        return static_cast<float>(target);
      }
      break;
    }
    case DesignCondition::FinalWaterTemperature: {
      if (in.IsPipeInAir()) {
        const double x = (double(in.wantedFinalTemperature) - Ti) / (double(Te) - Ti);
        if (!(x > 0 && x < 1)) {
          c.Warn(MessageId::ConditionOutOfRange,
                 QT_TRANSLATE_NOOP("CalcMessages",
                                   "Datos absurdos, la temperatura final debe estar entre la exterior e interior"));
          return -1;
        }
        return 0;
      }
      break;
    }
    case DesignCondition::NoInteriorCondensation: {
      if (in.IsPlate()) {
        const float pv = static_cast<float>(double(SaturationPressure(Ti)) * in.interiorHumidity * 0.01);
        const double Tdew = DewPointTemperature(pv);
        if (Ti < Te) {
          c.Warn(MessageId::NeverCondenses,
                 QT_TRANSLATE_NOOP("CalcMessages",
                                   "La temperatura interior es inferior a la exterior, nunca condensa en el interior, "
                                   "por tanto no es posible esta condición"));
          return -1;
        }
        if ((double(Ti) - Tdew) / (double(Ti) - Te) > 1) {
          c.Warn(
              MessageId::NeverCondenses,
              QT_TRANSLATE_NOOP("CalcMessages",
                                "La temperatura de rocío interior es menor que la temperatura exterior, por lo tanto "
                                "nunca condensa y no es posible esta condición"));
          return -1;
        }
        const double target = std::abs(double(hi) * (Tdew - Ti));
        if (target > q0) {
          c.Warn(MessageId::ConditionMetWithoutInsulation,
                 QT_TRANSLATE_NOOP("CalcMessages",
                                   "Sin aislamiento la temperatura de la superficie es superior a la de rocío, por lo "
                                   "tanto nunca condensa y no es posible esta condición"));
          return -1;
        }
        return static_cast<float>(target);
      }
      break;
    }
    case DesignCondition::FreezingTime: {
      if (in.IsPipeInAir()) {
        bool refused = false;
        if (Te >= 0) {
          c.Warn(MessageId::NeverFreezes,
                 QT_TRANSLATE_NOOP(
                     "CalcMessages",
                     "Datos absurdos, no congela, ya que la temperatura exterior es igual o superior a 0 ºC"));
          refused = true;
        }
        if (!(in.Ti > Te)) {
          c.Warn(MessageId::NeverFreezes,
                 QT_TRANSLATE_NOOP(
                     "CalcMessages",
                     "Datos absurdos, no congela, ya que la temperatura interior ya es inferior a la exterior"));
          refused = true;
        }
        return refused ? -1 : 0;
      }
      break;
    }
    default: break;
  }
  c.Warn(MessageId::ConditionNotForElement, kNotForElement);
  return -1;
}
