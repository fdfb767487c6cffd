// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "installation/InstallationDocument.h"
#include "installation/RowCalculation.h"

#include <vector>

// The power above which an installation must justify its pipes by the
// alternative procedure, kW, and the share of that power the pipes may lose.
inline constexpr double kAlternativeProcedurePower = 70;
inline constexpr double kAlternativeLossShare = 0.04;

// The regulation's two procedures for the whole installation.
enum class RiteProcedure { Simplified, Alternative };

struct RiteProcedures {
  // Simplified: every row the tables judge meets its minimum. The rows (their
  // indices in the document) that do not.
  bool simplifiedMeets = true;
  std::vector<int> belowMinimum;

  // Alternative: the heat the pipes exchange (every pipe row calculated, in air
  // or buried) is at most 4 % of the installation's maximum power, and no row
  // falls below its table minimum either. Judged only with a power given.
  bool powerGiven = false;
  double powerKw = 0;
  double pipeLossW = 0;
  double lossPercent = 0;  // of the maximum power
  bool lossWithinShare = false;
  bool alternativeMeets = false;

  // Which procedure governs: the alternative over 70 kW, the simplified
  // otherwise; and the verdict of the installation by it.
  RiteProcedure governing = RiteProcedure::Simplified;
  // The installation is judged only when every section of it is calculated: a
  // section left out (refused, or not yet calculated) may be the one below
  // its minimum, and an installation of no section meets nothing.
  bool judged = false;
  bool meets = false;
};

// The installation's totals: the calculated rows summed, insulated and bare.
// A heat flow counts by its size: a cold pipe gains the heat a hot one loses,
// and either is energy the installation pays for.
struct InstallationTotals {
  int rowsCalculated = 0;
  int rowsLeftOut = 0;  // refused rows, not in the sums

  double heatFlowW = 0;
  double energyKwhYear = 0;
  double costEurosYear = 0;
  double co2KgYear = 0;

  // The same sections without insulation; a row whose bare section could not
  // be calculated counts its insulated figures.
  double bareHeatFlowW = 0;
  double bareEnergyKwhYear = 0;
  double bareCostEurosYear = 0;
  double bareCo2KgYear = 0;

  // Bare minus insulated.
  double savedEnergyKwhYear = 0;
  double savedCostEurosYear = 0;
  double savedCo2KgYear = 0;

  // The figures the totals were worked out with, as read from the data; a
  // value that CheckTotalsData refuses counts as 0 (no power: not judged).
  QString dataProblem;  // CheckTotalsData's sentence, empty when the data are sound
  double hoursPerYear = 0;
  double energyPrice = 0;
  double co2Factor = 0;

  RiteProcedures rite;
};

// What is wrong with the totals' data, in a Spanish sentence naming the
// value: hours a year from 0 to 8760, a price and a CO2 factor not below 0,
// a maximum power above 0 or empty. Empty when nothing is.
QString CheckTotalsData(const InstallationTotalsData& data);

// Sums the row outcomes (in the document's row order) with the totals' data.
InstallationTotals SumInstallation(const InstallationDocument& doc, const std::vector<RowOutcome>& outcomes);

// The procedure's name as the document writes it: "Simplificado (tablas)" or
// "Alternativo (pérdidas ≤ 4 % de la potencia)".
QString RiteProcedureName(RiteProcedure procedure);
