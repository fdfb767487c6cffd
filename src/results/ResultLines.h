// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/CaseCalculation.h"

#include <QString>
#include <optional>

// The result lines of a calculation as the window and the report write them:
// the line under the layers (the insulation thickness, the condensation
// verdict, the final temperature of the fluid, a tank's note), the resistance
// or overall coefficient, the heat flow and the regulation's line. A line the
// calculation does not write is empty (nothing), and the heat-flow line is an
// empty text where the condition makes the heat flow meaningless.
struct ResultLines {
  std::optional<QString> note;
  QString resistance;
  QString heatFlow;
  QString rite;
  // The figures the lines lead with, as they write them, with their units:
  // the heat flow per unit of the element ("19.02 W/m"; empty where the line
  // is), the resistance or a plate's overall coefficient (empty for a tank).
  QString heatFlowFigure;
  QString resistanceFigure;
};

// The lines of a calculation that gave results.
ResultLines MakeResultLines(const CaseOutcome& outcome);

// The line a refused condition leaves about the bare element.
QString BareElementLineText(const BareElementLine& line);

// The lines of the economic panel.
struct EconomicLines {
  QString thickness;
  QString resistance;
  QString heatFlow;
  QString totalCost;
  QString investment;
};
EconomicLines MakeEconomicLines(const CalcInputs& in, const EconomicOutcome& o);
