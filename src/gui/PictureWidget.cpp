// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/PictureWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

PictureWidget::PictureWidget(const QString& resource, QWidget* parent)
    : QWidget(parent), renderer_(new QSvgRenderer(resource, this)) {
  renderer_->setAspectRatioMode(Qt::KeepAspectRatio);
  preferred_ = renderer_->isValid() ? renderer_->defaultSize() : QSize(200, 150);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QSize PictureWidget::sizeHint() const { return preferred_; }

QSize PictureWidget::minimumSizeHint() const { return preferred_ / 2; }

void PictureWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  if (!renderer_->isValid()) {
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    return;
  }
  QSizeF size = renderer_->defaultSize();
  size.scale(QSizeF(width(), height()), Qt::KeepAspectRatio);
  const QRectF target((width() - size.width()) / 2.0, (height() - size.height()) / 2.0, size.width(), size.height());
  renderer_->render(&painter, target);
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
  QWidget::mousePressEvent(event);
}
