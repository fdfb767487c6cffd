// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/CalcInputs.h"
#include "engine/Results.h"

#include <QVector>

// Outer perimeter of a duct's wall at mid-thickness for the layers of the results, m.
double ResultsDuctPerimeter(const CalcInputs& in, const Results& r);

// Heat flow of a tank: the flow per metre of cylinder spread evenly over the
// lateral wall and both ends.
double TankHeatFlow(const CalcInputs& in, float q);

// Every number the window shows for these results, including those worked out
// from them (duct and tank figures, the fluid's final temperature), so that a
// run whose figures are not all finite can be refused.
QVector<double> ResultFigures(const CalcInputs& in, const Results& results);
