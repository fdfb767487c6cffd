// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/Case.h"
#include "form/ChartModel.h"
#include "report/ReportDocument.h"
#include "results/CaseCalculation.h"

// The width of the table of temperatures, laid beside the chart.
inline constexpr double kInterfaceTemperatureTableCm = 7.1;

// The temperatures at the faces of the element as the window shows them beside
// the layer table: a row per face from the inside out (the interior surface,
// each face between two layers, the exterior surface, the box of a buried
// pipe), with the place of the face on the chart's axis (mm) when the chart
// holds it, and the dew point of a condensation study. No rows when the
// calculation gave no temperatures.
ReportTable InterfaceTemperatureTable(const Case& c, const CaseOutcome& outcome, const ChartModel& chart);
