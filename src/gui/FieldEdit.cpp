#include "gui/FieldEdit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (clickPending_) {
      clickPending_ = false;
      emit clicked();
    }
    emit typed(text);
  });
}

void FieldEdit::SetComputed(bool computed) {
  if (computed_ == computed) return;
  computed_ = computed;
  QPalette p = palette();
  p.setColor(QPalette::Base, computed ? QColor(0, 255, 255) : QApplication::palette(this).color(QPalette::Base));
  setPalette(p);
}

void FieldEdit::mousePressEvent(QMouseEvent* event) {
  QLineEdit::mousePressEvent(event);
  if (event->button() == Qt::LeftButton) {
    clickPending_ = false;
    emit clicked();
  }
}

void FieldEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // A field reached with the keyboard is only "clicked" once the user starts
  // typing in it: moving through a layer row must not swap the conductivity
  // and resistance of the layer on the way.
  const Qt::FocusReason reason = event->reason();
  if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
    clickPending_ = true;
}

void FieldEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  clickPending_ = false;
  // Leaving counts only when the user moves on to another control; a message
  // box or another window taking the focus for a while is no leave.
  const Qt::FocusReason reason = event->reason();
  if (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
      reason == Qt::ShortcutFocusReason)
    emit left();
}
