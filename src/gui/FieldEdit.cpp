// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/FieldEdit.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
    // The window writes its texts back into the field while it handles the
    // click and the typing; the cursor stays where the user was typing.
    const int cursor = cursorPosition();
    if (clickPending_) {
      clickPending_ = false;
      emit clicked();
    }
    emit typed(text);
    if (this->text() == text && cursorPosition() != cursor) setCursorPosition(cursor);
  });
}

void FieldEdit::SetComputed(bool computed) {
  if (computed_ == computed) return;
  computed_ = computed;
  QPalette p = palette();
  p.setColor(QPalette::Base, computed ? QColor(0, 255, 255) : QApplication::palette(this).color(QPalette::Base));
  setPalette(p);
}

bool FieldEdit::event(QEvent* event) {
  // The window's own keys (Ctrl+E, Ctrl+S...) stay the window's while the
  // cursor is in a field, although a text field claims some of them for
  // itself (Ctrl+E moves to the end of the line on some desktops).
  if (event->type() == QEvent::ShortcutOverride && IsWindowKey(static_cast<QKeyEvent*>(event))) {
    event->ignore();
    return true;
  }
  return QLineEdit::event(event);
}

bool FieldEdit::IsWindowKey(const QKeyEvent* key) const {
  const Qt::KeyboardModifiers modifiers = key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
  const bool functionKey = key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F35;
  if (modifiers == Qt::NoModifier && !functionKey) return false;  // typing
  const QKeySequence pressed(key->keyCombination());
  const QWidget* top = window();
  const auto claims = [&pressed](const QKeySequence& sequence, Qt::ShortcutContext context) {
    return context != Qt::WidgetShortcut && context != Qt::WidgetWithChildrenShortcut &&
           sequence.matches(pressed) == QKeySequence::ExactMatch;
  };
  for (const QShortcut* shortcut : top->findChildren<QShortcut*>())
    if (shortcut->isEnabled() && claims(shortcut->key(), shortcut->context())) return true;
  for (const QAction* action : top->actions())
    if (action->isEnabled() && claims(action->shortcut(), action->shortcutContext())) return true;
  return false;
}

void FieldEdit::mousePressEvent(QMouseEvent* event) {
  QLineEdit::mousePressEvent(event);
  // A click only puts the cursor in the field; it counts as the field's click
  // once the user types, as the keyboard's arrival does: looking into a field
  // neither drops the results nor changes the case.
  if (event->button() == Qt::LeftButton) clickPending_ = true;
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
