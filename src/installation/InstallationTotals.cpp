#include "installation/InstallationTotals.h"

#include "form/NumberFormat.h"

#include <cmath>

InstallationTotals SumInstallation(const InstallationDocument& doc, const std::vector<RowOutcome>& outcomes) {
  InstallationTotals t;
  t.hoursPerYear = double(ParseNumber(doc.totals.hoursPerYear));
  t.energyPrice = double(ParseNumber(doc.totals.energyPrice));
  t.co2Factor = double(ParseNumber(doc.totals.co2Factor));
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
  const std::optional<float> power = TryParseNumber(doc.totals.maximumPower);
  rite.powerGiven = power && *power > 0;
  if (rite.powerGiven) {
    rite.powerKw = *power;
    rite.lossPercent = rite.pipeLossW / (rite.powerKw * 1000) * 100;
    // Compared in watts, so that a loss of exactly 4 % meets.
    rite.lossWithinShare = rite.pipeLossW <= kAlternativeLossShare * rite.powerKw * 1000 * (1 + 1e-12);
    rite.alternativeMeets = rite.lossWithinShare && rite.simplifiedMeets;
  }
  rite.governing = rite.powerGiven && rite.powerKw > kAlternativeProcedurePower ? RiteProcedure::Alternative
                                                                                : RiteProcedure::Simplified;
  rite.meets = rite.governing == RiteProcedure::Alternative ? rite.alternativeMeets : rite.simplifiedMeets;
  return t;
}

QString RiteProcedureName(RiteProcedure procedure) {
  return procedure == RiteProcedure::Alternative ? QString::fromUtf8("Alternativo (pérdidas ≤ 4 % de la potencia)")
                                                 : QStringLiteral("Simplificado (tablas)");
}
