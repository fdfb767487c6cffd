// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportPictures.h"

#include "form/Artwork.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

namespace {

// The element drawings of the window are 200 x 150 screen pixels; the report
// shows them at that size.
constexpr QSize kElementBox{200, 150};

}  // namespace

QImage LoadArtwork(const QString& name, QSize box, qreal scale) {
  const QString path = ArtworkPath(name);
  if (!QFile::exists(path)) return {};
  QImageReader reader(path);
  QSize natural = reader.size();
  if (!natural.isValid() || natural.isEmpty()) natural = box;
  // Artwork is shown at its own size, made smaller only when it exceeds the box.
  const QSize fitted = natural.width() <= box.width() && natural.height() <= box.height()
                           ? natural
                           : natural.scaled(box, Qt::KeepAspectRatio);
  reader.setScaledSize(fitted * scale);
  const QImage image = reader.read();
  if (image.isNull()) return {};
  // Transparent artwork goes onto white paper.
  QImage flat(image.size(), QImage::Format_RGB32);
  flat.fill(Qt::white);
  QPainter painter(&flat);
  painter.drawImage(0, 0, image);
  painter.end();
  SetPrintScale(flat, scale);
  return flat;
}

QImage ArtworkPictures::Banner() { return LoadArtwork(QStringLiteral("Image4"), kBannerSize); }

QImage ArtworkPictures::ElementDrawing(const QString& imageName) { return LoadArtwork(imageName, kElementBox); }

QImage ArtworkPictures::TemperatureChart(const ChartModel& chart) { return DrawTemperatureChart(chart); }
