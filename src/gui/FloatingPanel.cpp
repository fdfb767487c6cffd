// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/FloatingPanel.h"

#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

FloatingPanel::FloatingPanel(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  auto* shadow = new QGraphicsDropShadowEffect(this);
  shadow->setBlurRadius(18);
  shadow->setOffset(0, 3);
  shadow->setColor(QColor(0, 0, 0, 110));
  setGraphicsEffect(shadow);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);
  title_ = new QLabel(this);
  title_->setTextFormat(Qt::PlainText);
  title_->setAutoFillBackground(true);
  title_->setContentsMargins(10, 5, 10, 5);
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  QPalette tp = title_->palette();
  tp.setColor(QPalette::Window, QColor(13, 59, 102));
  tp.setColor(QPalette::WindowText, Qt::white);
  title_->setPalette(tp);
  title_->setCursor(Qt::SizeAllCursor);
  title_->installEventFilter(this);
  outer->addWidget(title_);
  auto* holder = new QWidget(this);
  body_ = new QVBoxLayout(holder);
  body_->setContentsMargins(10, 8, 10, 10);
  body_->setSpacing(6);
  outer->addWidget(holder);
}

void FloatingPanel::SetTitle(const QString& title) {
  if (title_->text() != title) title_->setText(title);
}

void FloatingPanel::KeepInside() {
  if (!parentWidget()) return;
  const QRect area = parentWidget()->rect();
  QSize size = sizeHint().expandedTo(minimumSizeHint());
  size = size.boundedTo(area.size());
  if (this->size() != size) resize(size);
  QPoint at = pos();
  at.setX(qBound(0, at.x(), qMax(0, area.width() - width())));
  at.setY(qBound(0, at.y(), qMax(0, area.height() - height())));
  if (at != pos()) move(at);
}

bool FloatingPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == title_) {
    switch (event->type()) {
      case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton) {
          dragging_ = true;
          dragOffset_ = e->globalPosition().toPoint() - pos();
          raise();
        }
        return true;
      }
      case QEvent::MouseMove:
        if (dragging_) {
          move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - dragOffset_);
          KeepInside();
        }
        return true;
      case QEvent::MouseButtonRelease: dragging_ = false; return true;
      default: break;
    }
  }
  return QFrame::eventFilter(watched, event);
}
