// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/CalcInputs.h"
#include "form/ChartModel.h"

#include <QPointF>
#include <QVector>

// Empties the two series, sets the axis captions and the one title line of the
// element, hides the legend, then adds the temperature line to the first series.
void FillTemperatureChart(ChartModel& chart, const CalcInputs& in, const QVector<QPointF>& profile);
// Replaces the dew-point series (the second) with the given points.
void FillDewPointSeries(ChartModel& chart, const QVector<QPointF>& points);
