// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ChartLabels.h"

#include "form/NumberFormat.h"

#include <QCoreApplication>
#include <QLineF>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

bool Finite(const QPointF& point) { return std::isfinite(point.x()) && std::isfinite(point.y()); }

// The gap between a point and its label.
constexpr double kGap = 4;
// The half size of the square around a point that no other label may cover.
constexpr double kPointRadius = 2.5;
// How many rings of places around its point a label tries: an ordinary label
// stays close to its point, a kept one may go further.
constexpr int kNearRings = 2;
constexpr int kFarRings = 10;

// The places around `at` a box of `size` tries in ring `ring`, as top-left
// corners: beside the point on the preferred side (above or below), to the
// right and to the left, then on the other side, then level with the point,
// then straight above or below it; each further ring one box height (or half
// a box width) further out.
std::vector<QPointF> RingPlaces(const QPointF& at, const QSizeF& size, int ring, bool below) {
  const double w = size.width();
  const double h = size.height();
  const double dy = ring * (h + 2);
  const double dx = ring * (w / 2 + kGap);
  const double over = at.y() - h - kGap - dy;
  const double under = at.y() + kGap + dy;
  const double first = below ? under : over;
  const double second = below ? over : under;
  return {{at.x() + kGap, first},
          {at.x() - w - kGap, first},
          {at.x() + kGap, second},
          {at.x() - w - kGap, second},
          {at.x() + kGap + dx, at.y() - h / 2},
          {at.x() - w - kGap - dx, at.y() - h / 2},
          {at.x() - w / 2, first},
          {at.x() - w / 2, second}};
}

// Whether the segment passes through the box: an end inside it, or a
// crossing of one of its sides.
bool Crosses(const QRectF& box, const QLineF& segment) {
  if (box.contains(segment.p1()) || box.contains(segment.p2())) return true;
  const QLineF sides[] = {{box.topLeft(), box.topRight()},
                          {box.topRight(), box.bottomRight()},
                          {box.bottomRight(), box.bottomLeft()},
                          {box.bottomLeft(), box.topLeft()}};
  for (const QLineF& side : sides)
    if (segment.intersects(side, nullptr) == QLineF::BoundedIntersection) return true;
  return false;
}

}  // namespace

QString ChartSeriesName(int index) {
  switch (index) {
    case 0: return QCoreApplication::translate("ChartLabels", "Temperatura");
    case 1: return QCoreApplication::translate("ChartLabels", "Punto de rocío");
    default: return QString();
  }
}

bool ChartShowsLegend(const ChartModel& chart) {
  int drawn = 0;
  for (const auto& series : chart.series)
    if (std::any_of(series.begin(), series.end(), Finite)) ++drawn;
  return chart.legendVisible || drawn > 1;
}

std::vector<double> ChartFaces(const ChartModel& chart) {
  std::vector<double> faces;
  for (const QPointF& point : chart.series[0])
    if (Finite(point)) faces.push_back(point.x());
  std::sort(faces.begin(), faces.end());
  const auto same = [](double a, double b) {
    return std::abs(a - b) <= 1e-9 * std::max({1.0, std::abs(a), std::abs(b)});
  };
  faces.erase(std::unique(faces.begin(), faces.end(), same), faces.end());
  return faces;
}

std::vector<ChartValueLabel> ChartValueLabels(const ChartModel& chart) {
  std::vector<ChartValueLabel> labels;
  for (int s = 0; s < ChartModel::kSeriesCount; ++s) {
    const auto& series = chart.series[s];
    const size_t first = labels.size();
    for (int i = 0; i < series.size(); ++i)
      if (Finite(series[i])) labels.push_back({s, i, series[i], FormatFixed(series[i].y(), 5, 2), false});
    if (labels.size() > first) {
      labels[first].keep = true;
      labels.back().keep = true;
    }
  }
  for (ChartValueLabel& label : labels)
    for (const ChartValueLabel& other : labels) {
      const double x = label.value.x();
      const bool sameX = std::abs(other.value.x() - x) <= 1e-9 * std::max(1.0, std::abs(x));
      if (&other != &label && sameX && other.value.y() > label.value.y()) label.below = true;
    }
  return labels;
}

std::vector<QRectF> PlaceLabelBoxes(const std::vector<LabelRequest>& requests, const QRectF& area,
                                    const std::vector<QRectF>& avoid, const std::vector<QLineF>& lines) {
  const size_t count = requests.size();
  std::vector<QRectF> placed(count);
  std::vector<QRectF> taken = avoid;
  std::vector<QRectF> points;
  for (const LabelRequest& request : requests)
    points.emplace_back(request.anchor.x() - kPointRadius, request.anchor.y() - kPointRadius, 2 * kPointRadius,
                        2 * kPointRadius);

  const auto free = [&](const QRectF& box, size_t own) {
    if (!area.contains(box)) return false;
    for (const QRectF& other : taken)
      if (other.intersects(box)) return false;
    for (size_t p = 0; p < points.size(); ++p)
      if (p != own && points[p].intersects(box)) return false;
    return true;
  };
  const auto clearOfLines = [&](const QRectF& box) {
    return std::none_of(lines.begin(), lines.end(), [&](const QLineF& line) { return Crosses(box, line); });
  };

  // The kept labels first, then the others, each in the order given.
  std::vector<size_t> order(count);
  std::iota(order.begin(), order.end(), 0);
  std::stable_partition(order.begin(), order.end(), [&](size_t i) { return requests[i].keep; });

  for (size_t i : order) {
    const LabelRequest& request = requests[i];
    if (request.size.isEmpty()) continue;
    QRectF found;
    // Near the point clear of the lines, near the point over a line, then,
    // for a kept label, further out.
    const auto search = [&](int firstRing, int lastRing, bool overLines) {
      for (int ring = firstRing; ring <= lastRing && found.isNull(); ++ring)
        for (const QPointF& corner : RingPlaces(request.anchor, request.size, ring, request.below)) {
          const QRectF box(corner, request.size);
          if (free(box, i) && (overLines || clearOfLines(box))) {
            found = box;
            return;
          }
        }
    };
    search(0, kNearRings, false);
    if (found.isNull()) search(0, kNearRings, true);
    if (found.isNull() && request.keep) search(kNearRings + 1, kFarRings, true);
    if (found.isNull() && request.keep) {
      // Anywhere free in the area, nearest to the point first.
      const double stepX = std::max(2.0, request.size.width() / 4);
      const double stepY = std::max(2.0, request.size.height() / 2);
      double best = std::numeric_limits<double>::infinity();
      for (double y = area.top(); y + request.size.height() <= area.bottom(); y += stepY)
        for (double x = area.left(); x + request.size.width() <= area.right(); x += stepX) {
          const QRectF box(QPointF(x, y), request.size);
          const double distance = QLineF(box.center(), request.anchor).length();
          if (distance < best && free(box, i)) {
            best = distance;
            found = box;
          }
        }
    }
    if (found.isNull()) continue;
    placed[i] = found;
    taken.push_back(found);
  }
  return placed;
}
