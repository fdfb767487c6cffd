#pragma once

#include <QImage>
#include <QSize>
#include <QString>

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

// Pictures from the program's artwork (Qt resources ":/pictures/<name>.svg"),
// with a plain drawing of our own where a piece of artwork is missing, and the
// chart drawn from the chart model. Pictures are rendered at twice their size
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

// The stand-in pictures.
QImage DrawFallbackBanner(qreal scale = 2.0);
QImage DrawFallbackElement(const QString& imageName, qreal scale = 2.0);

// The temperature chart: title lines, axis captions, the temperature line and
// the dew-point line with the value of every point written beside it.
// `size` is in screen pixels.
QImage DrawTemperatureChart(const ChartModel& chart, QSize size = QSize(620, 340), qreal scale = 2.0);

// Gives the image the dots-per-metre that make `scale` device pixels one screen
// pixel (96 per inch), so that its print size follows from its pixel size.
void SetPrintScale(QImage& image, qreal scale);
