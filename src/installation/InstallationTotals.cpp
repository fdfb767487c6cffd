// SPDX-License-Identifier: GPL-3.0-or-later
#include "installation/InstallationTotals.h"

#include "form/NumberFormat.h"

#include <cmath>
#include <limits>
#include <optional>

namespace {

// A value of the data within its bounds, or nothing.
std::optional<double> Within(const QString& text, double least, double most) {
  const std::optional<float> value = TryParseNumber(text);
  if (!value || double(*value) < least || double(*value) > most) return std::nullopt;
  return double(*value);
}

constexpr double kHoursInAYear = 8760;

}  // namespace

QString CheckTotalsData(const InstallationTotalsData& data) {
  const double any = std::numeric_limits<double>::max();
  if (!Within(data.hoursPerYear, 0, kHoursInAYear))
    return QCoreApplication::translate("InstallationTotals", "Las horas al año deben ser un número de 0 a 8760");
  if (!Within(data.energyPrice, 0, any))
    return QCoreApplication::translate("InstallationTotals", "El precio de la energía debe ser un número no negativo");
  if (!Within(data.co2Factor, 0, any))
    return QCoreApplication::translate("InstallationTotals",
                                       "El factor de emisión de CO2 debe ser un número no negativo");
  if (!data.maximumPower.trimmed().isEmpty() && !Within(data.maximumPower, std::numeric_limits<double>::min(), any))
    return QCoreApplication::translate("InstallationTotals",
                                       "La potencia máxima de la instalación debe ser un número mayor que 0");
  return QString();
}

InstallationTotals SumInstallation(const InstallationDocument& doc, const std::vector<RowOutcome>& outcomes) {
  InstallationTotals t;
  const double any = std::numeric_limits<double>::max();
  t.dataProblem = CheckTotalsData(doc.totals);
  t.hoursPerYear = Within(doc.totals.hoursPerYear, 0, kHoursInAYear).value_or(0);
  t.energyPrice = Within(doc.totals.energyPrice, 0, any).value_or(0);
  t.co2Factor = Within(doc.totals.co2Factor, 0, any).value_or(0);
  RiteProcedures& rite = t.rite;

  const size_t count = std::min(outcomes.size(), doc.rows.size());
  for (size_t i = 0; i < count; ++i) {
    const RowOutcome& o = outcomes[i];
    if (!o.Calculated()) {
      ++t.rowsLeftOut;
      continue;
    }
    ++t.rowsCalculated;
    const double flow = std::fabs(o.heatFlow);
    t.heatFlowW += flow;
    t.bareHeatFlowW += o.bareCalculated ? std::fabs(o.bareHeatFlow) : flow;
    if (IsPipeElement(doc.rows[i].element)) rite.pipeLossW += flow;
    if (o.verdict == RowRiteVerdict::Fails) rite.belowMinimum.push_back(static_cast<int>(i));
  }
  // Rows the results do not reach yet count as left out.
  if (doc.rows.size() > count) t.rowsLeftOut += static_cast<int>(doc.rows.size() - count);

  auto year = [&t](double watts, double* energy, double* cost, double* co2) {
    *energy = watts * t.hoursPerYear * 0.001;
    *cost = *energy * t.energyPrice;
    *co2 = *energy * t.co2Factor;
  };
  year(t.heatFlowW, &t.energyKwhYear, &t.costEurosYear, &t.co2KgYear);
  year(t.bareHeatFlowW, &t.bareEnergyKwhYear, &t.bareCostEurosYear, &t.bareCo2KgYear);
  t.savedEnergyKwhYear = t.bareEnergyKwhYear - t.energyKwhYear;
  t.savedCostEurosYear = t.bareCostEurosYear - t.costEurosYear;
  t.savedCo2KgYear = t.bareCo2KgYear - t.co2KgYear;

  rite.simplifiedMeets = rite.belowMinimum.empty();
  const std::optional<double> power = Within(doc.totals.maximumPower, std::numeric_limits<double>::min(), any);
  rite.powerGiven = power.has_value();
  if (rite.powerGiven) {
    rite.powerKw = *power;
    rite.lossPercent = rite.pipeLossW / (rite.powerKw * 1000) * 100;
    // Compared in watts, so that a loss of exactly 4 % meets.
    rite.lossWithinShare = rite.pipeLossW <= kAlternativeLossShare * rite.powerKw * 1000 * (1 + 1e-12);
    rite.alternativeMeets = rite.lossWithinShare && rite.simplifiedMeets;
  }
  rite.governing = rite.powerGiven && rite.powerKw > kAlternativeProcedurePower ? RiteProcedure::Alternative
                                                                                : RiteProcedure::Simplified;
  rite.judged = t.rowsLeftOut == 0 && t.rowsCalculated > 0;
  rite.meets =
      rite.judged && (rite.governing == RiteProcedure::Alternative ? rite.alternativeMeets : rite.simplifiedMeets);
  return t;
}

QString RiteProcedureName(RiteProcedure procedure) {
  return procedure == RiteProcedure::Alternative
             ? QCoreApplication::translate("InstallationTotals", "Alternativo (pérdidas ≤ 4 % de la potencia)")
             : QCoreApplication::translate("InstallationTotals", "Simplificado (tablas)");
}
