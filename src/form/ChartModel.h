// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

// The temperature chart Chart1 as data: title lines, axis captions and nine
// line series. A series keeps its points in ascending x; a point with the same
// x as earlier ones goes after them.
struct ChartModel {
  static constexpr int kSeriesCount = 9;

  bool visible = false;
  bool legendVisible = false;
  QStringList title;
  QString bottomAxis;
  QString leftAxis;
  std::array<QVector<QPointF>, kSeriesCount> series;

  void AddPoint(int seriesIndex, double x, double y) {
    QVector<QPointF>& points = series[seriesIndex];
    int at = static_cast<int>(points.size());
    while (at > 0 && points[at - 1].x() > x) --at;
    points.insert(at, QPointF(x, y));
  }
  void ClearSeries(int seriesIndex) { series[seriesIndex].clear(); }
};
