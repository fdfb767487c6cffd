// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/CalcInputs.h"
#include "engine/LayerStack.h"

#include <QPointF>
#include <QVector>
#include <array>

// The temperature at the interior surface T[0] and at the outer face of each
// layer T[i], from the share of the total resistance crossed.
void ComputeInterfaceTemperatures(const LayerStack& s, float Rtot, float Ti, float Te, std::array<float, 7>& T);

// The points of the temperature line, from the interior fluid to the exterior
// fluid or the soil (x in mm), and the box temperature of a pipe in a box.
// `boxResistance` is the box resistance as its field holds it.
struct ProfileLine {
  QVector<QPointF> points;
  bool hasBox = false;
  float boxTemperature = 0;
};
ProfileLine BuildProfileLine(const CalcInputs& in, const LayerStack& s, const std::array<float, 7>& T, float Rtot,
                             float Ti, float Te, float boxResistance);
