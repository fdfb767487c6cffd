// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/ChartLabels.h"

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

#include <algorithm>
#include <cmath>
#include <vector>

struct ChartModel;

// The three kinds of picture a report shows. The window may hand over its own
// renderings; ArtworkPictures draws them without a window.
class ReportPictures {
 public:
  virtual ~ReportPictures() = default;
  // The banner of the program (the picture Image4 of the welcome panel).
  virtual QImage Banner() = 0;
  // The drawing of the element, by the name of its picture on the window
  // ("ImagePared", "ImageTuberiaEnterradaCaja", ...).
  virtual QImage ElementDrawing(const QString& imageName) = 0;
  // The temperature chart as it stands after the calculation.
  virtual QImage TemperatureChart(const ChartModel& chart) = 0;
};

// Pictures from the program's artwork (Qt resources ":/pictures/<name>.svg",
// compiled into the program; a null image for a name it does not hold), and
// the chart drawn from the chart model. Pictures are rendered at twice their size
// and carry their print size in their dots-per-metre.
class ArtworkPictures : public ReportPictures {
 public:
  QImage Banner() override;
  QImage ElementDrawing(const QString& imageName) override;
  QImage TemperatureChart(const ChartModel& chart) override;
};

// Size of the banner on the welcome panel, in screen pixels.
inline constexpr QSize kBannerSize{663, 117};

// Renders ":/pictures/<name>.svg" so that it fits `box` (screen pixels) at
// `scale` device pixels per screen pixel. A null image when the artwork is
// missing or unreadable.
QImage LoadArtwork(const QString& name, QSize box, qreal scale = 2.0);

// An axis of the report's chart: its ends and step, the decimals of its numbers.
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

// Where the parts of the report's temperature chart go, in screen pixels of
// the picture: the plot area and its axes, the legend's box (null when there
// is none), the faces of the element, and the value labels with the box each
// was given (a null box for a label left out so as not to cover another).
struct TemperatureChartLayout {
  QRectF plot;
  Axis xAxis;
  Axis yAxis;
  double tickWidth = 0;
  QRectF legend;
  std::vector<double> faces;
  std::vector<ChartValueLabel> labels;
  std::vector<QRectF> labelBoxes;

  QPointF ToScreen(const QPointF& point) const;
};
TemperatureChartLayout LayOutTemperatureChart(const ChartModel& chart, QSize size = QSize(620, 340));

// The temperature chart: title lines, a legend when both the temperature and
// the dew point are drawn, axis captions, the faces of the element as thin
// vertical lines, the lines with their points and the values of the points
// laid out by LayOutTemperatureChart. `size` is in screen pixels.
QImage DrawTemperatureChart(const ChartModel& chart, QSize size = QSize(620, 340), qreal scale = 2.0);

// Gives the image the dots-per-metre that make `scale` device pixels one screen
// pixel (96 per inch), so that its print size follows from its pixel size.
void SetPrintScale(QImage& image, qreal scale);
