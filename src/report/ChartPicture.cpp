#include "report/ReportPictures.h"
#include "form/ChartModel.h"
#include "form/NumberFormat.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct Axis {
  double low = 0;
  double high = 1;
  double step = 0.2;
  int decimals = 1;

  // The values of the ticks: at most a few dozen, also when the numbers are
  // so large that adding a step no longer changes them.
  std::vector<double> Ticks() const {
    std::vector<double> ticks;
    const double count = std::round((high - low) / step);
    if (!std::isfinite(count) || count < 0) return ticks;
    for (int i = 0; i <= std::min(count, 40.0); ++i) ticks.push_back(low + i * step);
    return ticks;
  }
};

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

const QColor kSeriesColours[] = {QColor(200, 30, 30), QColor(20, 110, 200), QColor(30, 150, 60),
                                 QColor(230, 140, 0),  QColor(120, 60, 170), QColor(0, 150, 150),
                                 QColor(120, 120, 120), QColor(180, 90, 40), QColor(0, 0, 0)};

}  // namespace

void SetPrintScale(QImage& image, qreal scale) {
  const int dotsPerMetre = qRound(96.0 / 0.0254 * scale);
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
}

QImage DrawTemperatureChart(const ChartModel& chart, QSize size, qreal scale) {
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
  const QFont titleFont = PixelFont(15, true);
  painter.setFont(titleFont);
  const QFontMetricsF titleMetrics(titleFont);
  for (const QString& line : chart.title) {
    painter.drawText(QRectF(0, top, whole.width(), titleMetrics.height()), Qt::AlignHCenter | Qt::AlignVCenter, line);
    top += titleMetrics.height();
  }

  // Ranges of all points.
  double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
  bool any = false;
  const auto usable = [](const QPointF& point) { return std::isfinite(point.x()) && std::isfinite(point.y()); };
  for (const auto& series : chart.series)
    for (const QPointF& point : series) {
      if (!usable(point)) continue;
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
  const double yPad = (yMax - yMin) * 0.08;
  const Axis xAxis = NiceAxis(xMin, xMax, 6);
  const Axis yAxis = NiceAxis(yMin - yPad, yMax + yPad, 6);

  const QFont tickFont = PixelFont(11);
  const QFontMetricsF tickMetrics(tickFont);
  double tickWidth = 0;
  for (double y : yAxis.Ticks())
    tickWidth = std::max(tickWidth, tickMetrics.horizontalAdvance(AxisNumber(y, yAxis.decimals)));
  const QFont captionFont = PixelFont(12, true);
  const QFontMetricsF captionMetrics(captionFont);

  const double left = 17 + captionMetrics.height() + tickWidth + 8;
  const QRectF plot(left, top + 14, whole.width() - left - 28,
                    whole.height() - (top + 14) - (tickMetrics.height() + captionMetrics.height() + 22));
  const auto toScreen = [&](const QPointF& point) {
    return QPointF(plot.left() + (point.x() - xAxis.low) / (xAxis.high - xAxis.low) * plot.width(),
                   plot.bottom() - (point.y() - yAxis.low) / (yAxis.high - yAxis.low) * plot.height());
  };

  // Grid, ticks and their numbers.
  painter.setFont(tickFont);
  const QPen gridPen(QColor(225, 225, 225), 1);
  for (double x : xAxis.Ticks()) {
    const double sx = toScreen({x, yAxis.low}).x();
    painter.setPen(gridPen);
    painter.drawLine(QPointF(sx, plot.top()), QPointF(sx, plot.bottom()));
    painter.setPen(Qt::black);
    painter.drawLine(QPointF(sx, plot.bottom()), QPointF(sx, plot.bottom() + 4));
    painter.drawText(QRectF(sx - 40, plot.bottom() + 5, 80, tickMetrics.height()), Qt::AlignHCenter | Qt::AlignTop,
                     AxisNumber(x, xAxis.decimals));
  }
  for (double y : yAxis.Ticks()) {
    const double sy = toScreen({xAxis.low, y}).y();
    painter.setPen(gridPen);
    painter.drawLine(QPointF(plot.left(), sy), QPointF(plot.right(), sy));
    painter.setPen(Qt::black);
    painter.drawLine(QPointF(plot.left() - 4, sy), QPointF(plot.left(), sy));
    painter.drawText(QRectF(plot.left() - 8 - tickWidth, sy - tickMetrics.height() / 2, tickWidth, tickMetrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, AxisNumber(y, yAxis.decimals));
  }
  painter.setPen(QPen(Qt::black, 1.2));
  painter.drawLine(plot.bottomLeft(), plot.bottomRight());
  painter.drawLine(plot.bottomLeft(), plot.topLeft());

  // Axis captions.
  painter.setFont(captionFont);
  painter.drawText(QRectF(plot.left(), whole.height() - captionMetrics.height() - 10, plot.width(), captionMetrics.height()),
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
      if (!usable(point)) continue;
      if (path.elementCount() == 0)
        path.moveTo(toScreen(point));
      else
        path.lineTo(toScreen(point));
    }
    if (path.elementCount() == 0) continue;
    painter.setPen(QPen(kSeriesColours[s], 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
  }
  painter.setClipping(false);

  // The value of every point, in a small box beside it, moved aside when it
  // would cover another.
  const QFont markFont = PixelFont(10);
  const QFontMetricsF markMetrics(markFont);
  painter.setFont(markFont);
  std::vector<QRectF> placed;
  for (size_t s = 0; s < chart.series.size(); ++s) {
    for (const QPointF& point : chart.series[s]) {
      if (!usable(point)) continue;
      const QString text = FormatFixed(point.y(), 5, 2);
      const QPointF at = toScreen(point);
      const QSizeF box(markMetrics.horizontalAdvance(text) + 8, markMetrics.height() + 2);
      const QPointF offsets[] = {{6, -box.height() - 4}, {6, 4},
                                 {-box.width() - 6, -box.height() - 4}, {-box.width() - 6, 4},
                                 {6, -box.height() / 2},   {-box.width() - 6, -box.height() / 2},
                                 {6, -2 * box.height() - 6}, {6, box.height() + 6}};
      QRectF rect;
      for (const QPointF& offset : offsets) {
        rect = QRectF(at + offset, box);
        if (rect.left() < 1) rect.moveLeft(1);
        if (rect.right() > whole.right() - 1) rect.moveRight(whole.right() - 1);
        if (rect.top() < 1) rect.moveTop(1);
        const bool clear = std::none_of(placed.begin(), placed.end(),
                                        [&](const QRectF& other) { return other.intersects(rect); });
        if (clear) break;
      }
      placed.push_back(rect);
      painter.setPen(QPen(QColor(150, 150, 150), 0.8));
      painter.setBrush(QColor(255, 255, 225));
      painter.drawRect(rect);
      painter.setPen(kSeriesColours[s].darker(130));
      painter.drawText(rect, Qt::AlignCenter, text);
      painter.setBrush(kSeriesColours[s]);
      painter.setPen(Qt::NoPen);
      painter.drawEllipse(at, 2.4, 2.4);
    }
  }
  painter.end();
  SetPrintScale(image, scale);
  return image;
}
