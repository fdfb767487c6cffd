// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QWidget>

class QSvgRenderer;

// A picture of the window drawn from SVG artwork, sharp at any scale, keeping
// its proportions. A click on it is reported.
class PictureWidget : public QWidget {
  Q_OBJECT
 public:
  PictureWidget(const QString& resource, QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  void SetPreferredSize(const QSize& size) {
    preferred_ = size;
    updateGeometry();
  }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QSvgRenderer* renderer_;
  QSize preferred_;
};
