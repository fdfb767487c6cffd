// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/RiteLine.h"

#include "form/NumberFormat.h"

#include <QCoreApplication>

namespace {

// Every thickness of the line with one decimal, "66.0 mm"; the minima come
// already rounded up to the tenth.
QString Millimetres(double value) { return FormatFixed(value, 6, 1) + QStringLiteral(" mm"); }

}  // namespace

QString RiteLine(const RiteVerdict& v) {
  QString line = QStringLiteral("RITE ") + v.article;
  if (v.scope == RiteVerdict::Scope::Duct)
    line += QCoreApplication::translate("RiteLine", " (sistemas de hasta 70 kW)");
  line += QStringLiteral(": ");
  if (v.scope == RiteVerdict::Scope::NotApplicable) return line + v.reason;

  if (v.onlyOutside) {
    line += QCoreApplication::translate("RiteLine", "mínimo %1 (tubería enterrada, exterior)")
                .arg(Millimetres(v.outsideMinimum));
  } else {
    line += QCoreApplication::translate("RiteLine", "mínimo %1 en interior, %2 en exterior")
                .arg(Millimetres(v.insideMinimum), Millimetres(v.outsideMinimum));
  }
  // A heat flow marks no layer: its insulation is the least conductive
  // insulant given by its conductivity, and there may be none.
  if (!v.hasInsulation && v.thicknessTarget)
    return line + QCoreApplication::translate("RiteLine", "; no hay capa de aislamiento marcada");
  if (!v.hasInsulation)
    return line + QCoreApplication::translate(
                      "RiteLine", "; ninguna capa es un aislante dado por su conductividad (de %1 W/mºC como mucho)")
                      .arg(FormatFixed(kInsulatingConductivity, 5, 1));

  line += QCoreApplication::translate("RiteLine", "; el aislamiento de %1").arg(Millimetres(v.insulation));
  if (v.onlyOutside)
    return line + (v.meetsOutside ? QCoreApplication::translate("RiteLine", " cumple")
                                  : QCoreApplication::translate("RiteLine", " no cumple"));
  if (v.meetsOutside) return line + QCoreApplication::translate("RiteLine", " cumple en interior y en exterior");
  if (v.meetsInside) return line + QCoreApplication::translate("RiteLine", " cumple en interior");
  return line + QCoreApplication::translate("RiteLine", " no cumple");
}
