// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/DesignCondition.h"

#include <QPointF>
#include <QVector>
#include <array>

// What one calculation hands to the display, the chart and the report.
struct Results {
  int layerCount = 1;
  std::array<float, 7> temperatures{};  // T[0] interior surface, T[i] outer face of layer i
  bool hasDewPoints = false;
  std::array<float, 7> dewPoints{};
  std::array<float, 7> thicknesses{};  // mm, 1..n
  DesignCondition condition = DesignCondition::None;
  float resistanceTotal = 0;
  std::array<float, 11> resistances{};  // 0 interior surface, 1..n layers, 10 exterior surface or soil
  int insulationLayer = 0;
  float insulationResistance = 0;
  float insulationThickness = 0;
  float heatFlow = 0;
  float interiorCoef = 0, exteriorCoef = 0;
  float interiorConvection = 0, interiorRadiation = 0, exteriorConvection = 0, exteriorRadiation = 0;
  bool interiorLaminar = false, exteriorLaminar = false;
  float soilConductivity = 0, boxResistanceValue = 0;
  bool hasBox = false;  // a buried pipe in a box: boxTemperature is shown
  float boxTemperature = 0;
  QVector<QPointF> profile;          // the temperature line of the chart
  QVector<QPointF> dewPointProfile;  // the dew-point line, when hasDewPoints
};
