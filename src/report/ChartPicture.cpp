// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportPictures.h"

#include "form/ChartModel.h"
#include "form/NumberFormat.h"
#include "results/ChartLabels.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// A step of 1, 2 or 5 times a power of ten that cuts the range into about
// `wanted` parts; the axis ends on whole steps.
Axis NiceAxis(double low, double high, int wanted) {
  if (!std::isfinite(low) || !std::isfinite(high)) {
    low = 0;
    high = 1;
  }
  if (!(high > low)) {
    const double pad = std::max(1.0, std::abs(low) * 0.1);
    low -= pad;
    high += pad;
  }
  const double rough = (high - low) / wanted;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  double step = power;
  for (double factor : {1.0, 2.0, 5.0, 10.0}) {
    step = factor * power;
    if (step >= rough) break;
  }
  Axis axis;
  axis.step = step;
  axis.low = std::floor(low / step + 1e-9) * step;
  axis.high = std::ceil(high / step - 1e-9) * step;
  axis.decimals = std::clamp(static_cast<int>(-std::floor(std::log10(step) + 1e-9)), 0, 4);
  return axis;
}

QString AxisNumber(double value, int decimals) {
  if (std::abs(value) < 1e-9) value = 0;
  return FormatFixed(value, 6, decimals);
}

QFont PixelFont(int pixels, bool bold = false) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

bool Usable(const QPointF& point) { return std::isfinite(point.x()) && std::isfinite(point.y()); }

// Pixel sizes of the chart's texts: title, legend, tick numbers, axis
// captions, point values; the length of a legend's line sample.
constexpr int kTitlePixels = 15;
constexpr int kLegendPixels = 11;
constexpr int kTickPixels = 11;
constexpr int kCaptionPixels = 12;
constexpr int kMarkPixels = 10;
constexpr double kLegendSample = 22;

const QColor kSeriesColours[] = {QColor(200, 30, 30),   QColor(20, 110, 200), QColor(30, 150, 60),
                                 QColor(230, 140, 0),   QColor(120, 60, 170), QColor(0, 150, 150),
                                 QColor(120, 120, 120), QColor(180, 90, 40),  QColor(0, 0, 0)};

}  // namespace

void SetPrintScale(QImage& image, qreal scale) {
  const int dotsPerMetre = qRound(96.0 / 0.0254 * scale);
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
}

TemperatureChartLayout LayOutTemperatureChart(const ChartModel& chart, QSize size) {
  TemperatureChartLayout layout;
  const QRectF whole(0, 0, size.width(), size.height());

  // Title lines, then the legend's row.
  double top = 12;
  const QFontMetricsF titleMetrics(PixelFont(kTitlePixels, true));
  for (qsizetype i = 0; i < chart.title.size(); ++i) top += titleMetrics.height();
  if (ChartShowsLegend(chart)) {
    const QFontMetricsF legendMetrics(PixelFont(kLegendPixels));
    double width = 0;
    for (int s = 0; s < ChartModel::kSeriesCount; ++s) {
      if (chart.series[s].isEmpty() || ChartSeriesName(s).isEmpty()) continue;
      if (width > 0) width += 18;
      width += kLegendSample + 6 + legendMetrics.horizontalAdvance(ChartSeriesName(s));
    }
    layout.legend = QRectF(whole.center().x() - width / 2 - 6, top + 2, width + 12, legendMetrics.height() + 4);
    top = layout.legend.bottom() + 2;
  }

  // Ranges of all points.
  double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
  bool any = false;
  for (const auto& series : chart.series)
    for (const QPointF& point : series) {
      if (!Usable(point)) continue;
      if (!any) {
        xMin = xMax = point.x();
        yMin = yMax = point.y();
        any = true;
      }
      xMin = std::min(xMin, point.x());
      xMax = std::max(xMax, point.x());
      yMin = std::min(yMin, point.y());
      yMax = std::max(yMax, point.y());
    }
  if (!any) {
    xMin = 0;
    xMax = 1;
    yMin = 0;
    yMax = 1;
  }
  // Room above and below the lines for the labels of the highest and lowest points.
  const double yPad = (yMax - yMin) * 0.12;
  layout.xAxis = NiceAxis(xMin, xMax, 6);
  layout.yAxis = NiceAxis(yMin - yPad, yMax + yPad, 6);

  const QFontMetricsF tickMetrics(PixelFont(kTickPixels));
  layout.tickWidth = 0;
  for (double y : layout.yAxis.Ticks())
    layout.tickWidth = std::max(layout.tickWidth, tickMetrics.horizontalAdvance(AxisNumber(y, layout.yAxis.decimals)));
  const QFontMetricsF captionMetrics(PixelFont(kCaptionPixels, true));
  const double left = 17 + captionMetrics.height() + layout.tickWidth + 8;
  layout.plot = QRectF(left, top + 14, whole.width() - left - 28,
                       whole.height() - (top + 14) - (tickMetrics.height() + captionMetrics.height() + 22));

  for (double face : ChartFaces(chart)) layout.faces.push_back(layout.ToScreen({face, layout.yAxis.low}).x());

  // The value labels, in the plot, clear of one another and of the legend.
  const QFontMetricsF markMetrics(PixelFont(kMarkPixels));
  layout.labels = ChartValueLabels(chart);
  std::vector<LabelRequest> requests;
  for (const ChartValueLabel& label : layout.labels)
    requests.push_back({layout.ToScreen(label.value),
                        QSizeF(markMetrics.horizontalAdvance(label.text) + 8, markMetrics.height() + 2), label.keep,
                        label.below});
  std::vector<QRectF> avoid;
  if (!layout.legend.isNull()) avoid.push_back(layout.legend);
  const std::vector<QLineF> lines =
      ChartSegments(chart, [&](int, const QPointF& point) { return layout.ToScreen(point); });
  layout.labelBoxes = PlaceLabelBoxes(requests, layout.plot.adjusted(1, 1, -1, -1), avoid, lines);
  return layout;
}

QPointF TemperatureChartLayout::ToScreen(const QPointF& point) const {
  return QPointF(plot.left() + (point.x() - xAxis.low) / (xAxis.high - xAxis.low) * plot.width(),
                 plot.bottom() - (point.y() - yAxis.low) / (yAxis.high - yAxis.low) * plot.height());
}

QImage DrawTemperatureChart(const ChartModel& chart, QSize size, qreal scale) {
  const TemperatureChartLayout layout = LayOutTemperatureChart(chart, size);
  const QRectF& plot = layout.plot;
  QImage image(QSize(qRound(size.width() * scale), qRound(size.height() * scale)), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(scale, scale);
  // A white border of a few pixels keeps the frame clear of the picture's edge.
  const QRectF whole(0, 0, size.width(), size.height());
  painter.setPen(QPen(QColor(190, 190, 190), 1));
  painter.drawRect(whole.adjusted(3.5, 3.5, -3.5, -3.5));

  // Title lines.
  double top = 12;
  painter.setPen(Qt::black);
  const QFont titleFont = PixelFont(kTitlePixels, true);
  painter.setFont(titleFont);
  const QFontMetricsF titleMetrics(titleFont);
  for (const QString& line : chart.title) {
    painter.drawText(QRectF(0, top, whole.width(), titleMetrics.height()), Qt::AlignHCenter | Qt::AlignVCenter, line);
    top += titleMetrics.height();
  }

  // The legend: a sample of each line and its name.
  if (!layout.legend.isNull()) {
    const QFont legendFont = PixelFont(kLegendPixels);
    const QFontMetricsF legendMetrics(legendFont);
    painter.setFont(legendFont);
    double x = layout.legend.left() + 6;
    const double y = layout.legend.center().y();
    for (int s = 0; s < ChartModel::kSeriesCount; ++s) {
      if (chart.series[s].isEmpty() || ChartSeriesName(s).isEmpty()) continue;
      painter.setPen(QPen(kSeriesColours[s], 2.2, Qt::SolidLine, Qt::RoundCap));
      painter.drawLine(QPointF(x, y), QPointF(x + kLegendSample, y));
      x += kLegendSample + 6;
      painter.setPen(Qt::black);
      const double width = legendMetrics.horizontalAdvance(ChartSeriesName(s));
      painter.drawText(QRectF(x, layout.legend.top(), width + 1, layout.legend.height()),
                       Qt::AlignLeft | Qt::AlignVCenter, ChartSeriesName(s));
      x += width + 18;
    }
  }

  // Grid, ticks and their numbers.
  const QFont tickFont = PixelFont(kTickPixels);
  const QFontMetricsF tickMetrics(tickFont);
  painter.setFont(tickFont);
  const QPen gridPen(QColor(225, 225, 225), 1);
  for (double x : layout.xAxis.Ticks()) {
    const double sx = layout.ToScreen({x, layout.yAxis.low}).x();
    painter.setPen(gridPen);
    painter.drawLine(QPointF(sx, plot.top()), QPointF(sx, plot.bottom()));
    painter.setPen(Qt::black);
    painter.drawLine(QPointF(sx, plot.bottom()), QPointF(sx, plot.bottom() + 4));
    painter.drawText(QRectF(sx - 40, plot.bottom() + 5, 80, tickMetrics.height()), Qt::AlignHCenter | Qt::AlignTop,
                     AxisNumber(x, layout.xAxis.decimals));
  }
  for (double y : layout.yAxis.Ticks()) {
    const double sy = layout.ToScreen({layout.xAxis.low, y}).y();
    painter.setPen(gridPen);
    painter.drawLine(QPointF(plot.left(), sy), QPointF(plot.right(), sy));
    painter.setPen(Qt::black);
    painter.drawLine(QPointF(plot.left() - 4, sy), QPointF(plot.left(), sy));
    painter.drawText(QRectF(plot.left() - 8 - layout.tickWidth, sy - tickMetrics.height() / 2, layout.tickWidth,
                            tickMetrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, AxisNumber(y, layout.yAxis.decimals));
  }

  // The faces of the element, under the lines.
  painter.setPen(QPen(QColor(120, 120, 120), 0.8));
  for (double x : layout.faces) painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));

  painter.setPen(QPen(Qt::black, 1.2));
  painter.drawLine(plot.bottomLeft(), plot.bottomRight());
  painter.drawLine(plot.bottomLeft(), plot.topLeft());

  // Axis captions.
  const QFont captionFont = PixelFont(kCaptionPixels, true);
  const QFontMetricsF captionMetrics(captionFont);
  painter.setFont(captionFont);
  painter.drawText(
      QRectF(plot.left(), whole.height() - captionMetrics.height() - 10, plot.width(), captionMetrics.height()),
      Qt::AlignHCenter | Qt::AlignVCenter, chart.bottomAxis);
  painter.save();
  painter.translate(13, plot.center().y());
  painter.rotate(-90);
  painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), captionMetrics.height()),
                   Qt::AlignHCenter | Qt::AlignTop, chart.leftAxis);
  painter.restore();

  // The lines.
  painter.setClipRect(plot.adjusted(-2, -2, 2, 2));
  for (size_t s = 0; s < chart.series.size(); ++s) {
    QPainterPath path;
    for (const QPointF& point : chart.series[s]) {
      if (!Usable(point)) continue;
      if (path.elementCount() == 0)
        path.moveTo(layout.ToScreen(point));
      else
        path.lineTo(layout.ToScreen(point));
    }
    if (path.elementCount() == 0) continue;
    painter.setPen(QPen(kSeriesColours[s], 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
  }
  painter.setClipping(false);

  // Every point, and the value of those whose label found a place: in a small
  // box beside it, tied to it by a thin line when the box had to move away.
  const QFont markFont = PixelFont(kMarkPixels);
  painter.setFont(markFont);
  for (size_t i = 0; i < layout.labels.size(); ++i) {
    const ChartValueLabel& label = layout.labels[i];
    const QPointF at = layout.ToScreen(label.value);
    const QRectF& rect = layout.labelBoxes[i];
    if (!rect.isNull()) {
      const QPointF nearest(std::clamp(at.x(), rect.left(), rect.right()),
                            std::clamp(at.y(), rect.top(), rect.bottom()));
      if (QLineF(at, nearest).length() > 7) {
        painter.setPen(QPen(QColor(150, 150, 150), 0.8));
        painter.drawLine(at, nearest);
      }
      painter.setPen(QPen(QColor(150, 150, 150), 0.8));
      painter.setBrush(QColor(255, 255, 225));
      painter.drawRect(rect);
      painter.setPen(kSeriesColours[label.series].darker(130));
      painter.drawText(rect, Qt::AlignCenter, label.text);
    }
    painter.setBrush(kSeriesColours[label.series]);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(at, 2.4, 2.4);
  }
  painter.end();
  SetPrintScale(image, scale);
  return image;
}
