// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the temperature chart shows beside its lines, shared by the report's
// picture and the window's chart: the legend, the faces of the element and
// the value labels of the points, placed so that none covers another.

#include "form/ChartModel.h"

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <cmath>
#include <vector>

// The name of series `index` in the legend, in the program's language: the
// temperature through the element and, for a condensation study, the dew
// point; empty for the series the calculation never fills.
QString ChartSeriesName(int index);

// A legend is shown when more than one series is drawn, and always when the
// model asks for one.
bool ChartShowsLegend(const ChartModel& chart);

// The faces of the element, where a vertical line is drawn: the surfaces and
// the faces between layers, that is every distinct abscissa of the
// temperature line, in ascending order.
std::vector<double> ChartFaces(const ChartModel& chart);

// The value label of a point: its series, the point, the text written,
// whether it must be shown (the first and last point of a series are kept
// while there is any room; the others give way) and whether it goes below
// its point rather than above (when another point on the same abscissa lies
// higher, so that labels keep the order of their points).
struct ChartValueLabel {
  int series = 0;
  int point = 0;  // index into the series
  QPointF value;
  QString text;
  bool keep = false;
  bool below = false;
};

// The labels of every point with finite coordinates, series by series.
std::vector<ChartValueLabel> ChartValueLabels(const ChartModel& chart);

// A box to place beside a point: the point, the box's size, and the wishes
// of ChartValueLabel.
struct LabelRequest {
  QPointF anchor;
  QSizeF size;
  bool keep = false;
  bool below = false;
};

// Places each box beside its anchor, inside `area`, so that no box intersects
// another, any anchor but its own, or any rectangle of `avoid`. Each box tries
// places around its anchor, nearest first, on its preferred side first, and
// takes one that crosses none of `lines` (the chart's lines) when there is
// one near its point; kept boxes are placed before the others and may go
// further from their anchor. A box with no free place is left out, its
// rectangle null. The result has one rectangle per request.
std::vector<QRectF> PlaceLabelBoxes(const std::vector<LabelRequest>& requests, const QRectF& area,
                                    const std::vector<QRectF>& avoid = {}, const std::vector<QLineF>& lines = {});

// The segments of the lines of the chart, each point given by `toScreen`.
template <typename ToScreen>
std::vector<QLineF> ChartSegments(const ChartModel& chart, ToScreen toScreen) {
  std::vector<QLineF> segments;
  for (int s = 0; s < ChartModel::kSeriesCount; ++s) {
    const auto& series = chart.series[s];
    for (int i = 1; i < series.size(); ++i)
      if (std::isfinite(series[i - 1].x() + series[i - 1].y() + series[i].x() + series[i].y()))
        segments.emplace_back(toScreen(s, series[i - 1]), toScreen(s, series[i]));
  }
  return segments;
}
