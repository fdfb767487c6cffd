#include "results/RiteLine.h"

#include "form/NumberFormat.h"

#include <cmath>

namespace {

// A table value as an integer; a corrected one with a decimal, rounded up so
// that the minimum shown is never below the one worked out.
QString Millimetres(double value) {
  const double whole = std::round(value);
  if (std::abs(value - whole) < 0.005) return FormatFixed(whole, 6, 0) + QStringLiteral(" mm");
  return FormatFixed(std::ceil(value * 10 - 1e-6) / 10, 6, 1) + QStringLiteral(" mm");
}

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
  if (!v.hasInsulation) return line + QStringLiteral("; no hay capa de aislamiento marcada");

  line += QStringLiteral("; el aislamiento de ") + FormatFixed(v.insulation, 6, 1) + QStringLiteral(" mm");
  if (v.onlyOutside) return line + (v.meetsOutside ? QStringLiteral(" cumple") : QStringLiteral(" no cumple"));
  if (v.meetsOutside) return line + QStringLiteral(" cumple en interior y en exterior");
  if (v.meetsInside) return line + QStringLiteral(" cumple en interior");
  return line + QStringLiteral(" no cumple");
}
