#include "results/RiteLine.h"

#include "form/NumberFormat.h"

namespace {

// Every thickness of the line with one decimal, "66.0 mm"; the minima come
// already rounded up to the tenth.
QString Millimetres(double value) { return FormatFixed(value, 6, 1) + QStringLiteral(" mm"); }

}  // namespace

QString RiteLine(const RiteVerdict& v) {
  QString line = QStringLiteral("RITE ") + v.article;
  if (v.scope == RiteVerdict::Scope::Duct) line += QStringLiteral(" (sistemas de hasta 70 kW)");
  line += QStringLiteral(": ");
  if (v.scope == RiteVerdict::Scope::NotApplicable) return line + v.reason;

  if (v.onlyOutside) {
    line += QStringLiteral("mínimo ") + Millimetres(v.outsideMinimum) + QStringLiteral(" (tubería enterrada, exterior)");
  } else {
    line += QStringLiteral("mínimo ") + Millimetres(v.insideMinimum) + QStringLiteral(" en interior, ") +
            Millimetres(v.outsideMinimum) + QStringLiteral(" en exterior");
  }
  // A heat flow marks no layer: its insulation is the least conductive
  // insulant given by its conductivity, and there may be none.
  if (!v.hasInsulation && v.thicknessTarget) return line + QStringLiteral("; no hay capa de aislamiento marcada");
  if (!v.hasInsulation)
    return line + QStringLiteral("; ninguna capa es un aislante dado por su conductividad (de %1 W/mºC como mucho)")
                      .arg(FormatFixed(kInsulatingConductivity, 5, 1));

  line += QStringLiteral("; el aislamiento de ") + Millimetres(v.insulation);
  if (v.onlyOutside) return line + (v.meetsOutside ? QStringLiteral(" cumple") : QStringLiteral(" no cumple"));
  if (v.meetsOutside) return line + QStringLiteral(" cumple en interior y en exterior");
  if (v.meetsInside) return line + QStringLiteral(" cumple en interior");
  return line + QStringLiteral(" no cumple");
}
