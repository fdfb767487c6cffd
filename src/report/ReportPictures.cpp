#include "report/ReportPictures.h"

#include <QFile>
#include <QFont>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// The element drawings of the window are 200 x 150 screen pixels; the report
// shows them at that size. The stand-in drawings are designed on a 4:3 area
// of 266 x 200 units and scaled down to it.
constexpr QSize kElementBox{200, 150};
constexpr qreal kFallbackUnit = 0.75;

QImage NewCanvas(QSize size, qreal scale) {
  QImage image(QSize(qRound(size.width() * scale), qRound(size.height() * scale)), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  return image;
}

QFont SansFont(int pixels, bool bold = false) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

const QColor kInsulation(250, 214, 90);
const QColor kWall(190, 120, 90);
const QColor kSteel(150, 160, 170);
const QColor kOutline(60, 60, 60);
const QColor kSoil(170, 130, 90);

void Hatch(QPainter& p, const QRectF& r, const QColor& fill) {
  p.setPen(QPen(kOutline, 1.2));
  p.setBrush(fill);
  p.drawRect(r);
  p.setBrush(QBrush(fill.darker(125), Qt::BDiagPattern));
  p.drawRect(r);
}

void Ring(QPainter& p, const QPointF& c, double outer, double inner, const QColor& fill) {
  QPainterPath path;
  path.addEllipse(c, outer, outer);
  QPainterPath hole;
  hole.addEllipse(c, inner, inner);
  p.setPen(QPen(kOutline, 1.2));
  p.setBrush(fill);
  p.drawPath(path.subtracted(hole));
}

void PipeSection(QPainter& p, const QPointF& c, double radius) {
  Ring(p, c, radius, radius * 0.62, kInsulation);
  Ring(p, c, radius * 0.62, radius * 0.52, kSteel);
  p.setBrush(QColor(170, 210, 240));
  p.drawEllipse(c, radius * 0.52, radius * 0.52);
}

void Caption(QPainter& p, const QRectF& r, const QString& text, int flags) {
  p.setPen(kOutline);
  p.setFont(SansFont(12));
  p.drawText(r, flags, text);
}

void DrawGround(QPainter& p, const QRectF& area) {
  p.setPen(Qt::NoPen);
  p.setBrush(kSoil.lighter(140));
  p.drawRect(QRectF(area.left(), 55, area.width(), area.bottom() - 55));
  p.setPen(QPen(kOutline, 1.5));
  p.drawLine(QPointF(area.left(), 55), QPointF(area.right(), 55));
  for (double x = area.left() + 6; x < area.right(); x += 14)
    p.drawLine(QPointF(x, 55), QPointF(x - 7, 62));
  Caption(p, QRectF(area.left(), 30, area.width(), 20), QStringLiteral("Superficie"), Qt::AlignCenter);
}

}  // namespace

QImage LoadArtwork(const QString& name, QSize box, qreal scale) {
  for (const QString& suffix : {QStringLiteral(".svg"), QStringLiteral(".png")}) {
    const QString path = QStringLiteral(":/pictures/") + name + suffix;
    if (!QFile::exists(path)) continue;
    QImageReader reader(path);
    QSize natural = reader.size();
    if (!natural.isValid() || natural.isEmpty()) natural = box;
    // Artwork is shown at its own size, made smaller only when it exceeds the box.
    const QSize fitted =
        natural.width() <= box.width() && natural.height() <= box.height() ? natural : natural.scaled(box, Qt::KeepAspectRatio);
    reader.setScaledSize(fitted * scale);
    QImage image = reader.read();
    if (image.isNull()) continue;
    // Transparent artwork goes onto white paper.
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    painter.end();
    SetPrintScale(flat, scale);
    return flat;
  }
  return {};
}

QImage DrawFallbackBanner(qreal scale) {
  const QSize size = kBannerSize;
  QImage image = NewCanvas(size, scale);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  QLinearGradient band(0, 0, size.width(), 0);
  band.setColorAt(0, QColor(18, 52, 96));
  band.setColorAt(1, QColor(26, 128, 140));
  p.fillRect(QRectF(0, 0, size.width(), size.height()), band);

  // The emblem: an insulated pipe in section.
  const QPointF centre(62, size.height() / 2.0);
  p.setPen(QPen(Qt::white, 2));
  p.setBrush(kInsulation);
  p.drawEllipse(centre, 40, 40);
  p.setBrush(kSteel);
  p.drawEllipse(centre, 24, 24);
  p.setBrush(QColor(200, 60, 40));
  p.drawEllipse(centre, 18, 18);

  p.setPen(Qt::white);
  p.setFont(SansFont(40, true));
  p.drawText(QRectF(125, 10, size.width() - 135, 56), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Brenak"));
  p.setFont(SansFont(15));
  p.drawText(QRectF(127, 64, size.width() - 135, 40), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
             QStringLiteral("Cálculo del aislamiento térmico de paredes, tuberías, esferas, conductos y depósitos"));
  p.end();
  SetPrintScale(image, scale);
  return image;
}

QImage DrawFallbackElement(const QString& imageName, qreal scale) {
  QImage image = NewCanvas(kElementBox, scale);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale * kFallbackUnit, scale * kFallbackUnit);
  const QRectF area(0, 0, kElementBox.width() / kFallbackUnit, kElementBox.height() / kFallbackUnit);
  p.setPen(QPen(QColor(200, 200, 200), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
  const QPointF centre = area.center();

  if (imageName == QLatin1String("ImagePared")) {
    Hatch(p, QRectF(95, 20, 30, 160), kWall);
    Hatch(p, QRectF(125, 20, 40, 160), kInsulation);
    Caption(p, QRectF(5, 85, 85, 30), QStringLiteral("Interior"), Qt::AlignCenter);
    Caption(p, QRectF(170, 85, 85, 30), QStringLiteral("Exterior"), Qt::AlignCenter);
  } else if (imageName == QLatin1String("ImageSuelo") || imageName == QLatin1String("ImageTecho")) {
    const bool floor = imageName == QLatin1String("ImageSuelo");
    Hatch(p, QRectF(20, floor ? 105 : 65, 220, 25), kWall);
    Hatch(p, QRectF(20, floor ? 80 : 90, 220, 25), kInsulation);
    // "Interior arriba": the room lies over the slab; otherwise under it.
    Caption(p, QRectF(20, 20, 220, 30), floor ? QStringLiteral("Interior") : QStringLiteral("Exterior"), Qt::AlignCenter);
    Caption(p, QRectF(20, 150, 220, 30), floor ? QStringLiteral("Exterior") : QStringLiteral("Interior"), Qt::AlignCenter);
  } else if (imageName == QLatin1String("ImageTuberia")) {
    PipeSection(p, centre, 75);
  } else if (imageName == QLatin1String("ImageTuberiaEnterrada")) {
    DrawGround(p, area);
    PipeSection(p, QPointF(centre.x(), 130), 40);
  } else if (imageName == QLatin1String("ImageTuberiaEnterradaCaja")) {
    DrawGround(p, area);
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(205, 205, 200));
    p.drawRect(QRectF(centre.x() - 52, 78, 104, 104));
    PipeSection(p, QPointF(centre.x(), 130), 36);
  } else if (imageName == QLatin1String("ImageEsfera")) {
    QRadialGradient shade(centre - QPointF(25, 25), 110);
    shade.setColorAt(0, kInsulation.lighter(125));
    shade.setColorAt(1, kInsulation.darker(130));
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(shade);
    p.drawEllipse(centre, 80, 80);
  } else if (imageName == QLatin1String("ImageConducto")) {
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(kInsulation);
    p.drawRect(QRectF(40, 30, 180, 140));
    p.setBrush(kSteel);
    p.drawRect(QRectF(58, 48, 144, 104));
    p.setBrush(QColor(225, 240, 250));
    p.drawRect(QRectF(63, 53, 134, 94));
  } else if (imageName == QLatin1String("ImageDepositoV") || imageName == QLatin1String("ImageDepositoH")) {
    const bool vertical = imageName == QLatin1String("ImageDepositoV");
    const QRectF body = vertical ? QRectF(80, 25, 100, 150) : QRectF(30, 55, 200, 90);
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(kInsulation);
    p.drawRoundedRect(body, vertical ? 50 : 20, vertical ? 20 : 45);
    p.setBrush(kInsulation.darker(115));
    if (vertical)
      p.drawEllipse(QRectF(body.left(), body.top(), body.width(), 30));
    else
      p.drawEllipse(QRectF(body.right() - 36, body.top(), 36, body.height()));
  } else {
    Caption(p, area, imageName, Qt::AlignCenter);
  }
  p.end();
  SetPrintScale(image, scale);
  return image;
}

QImage ArtworkPictures::Banner() {
  QImage artwork = LoadArtwork(QStringLiteral("Image4"), kBannerSize);
  return artwork.isNull() ? DrawFallbackBanner() : artwork;
}

QImage ArtworkPictures::ElementDrawing(const QString& imageName) {
  QImage artwork = LoadArtwork(imageName, kElementBox);
  return artwork.isNull() ? DrawFallbackElement(imageName) : artwork;
}

QImage ArtworkPictures::TemperatureChart(const ChartModel& chart) { return DrawTemperatureChart(chart); }
