// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

class QKeyEvent;

// A text field of the window. It tells apart what the program does to it from
// what the user does: the first keystroke after a click or the keyboard
// brought the focus in (the field's click), and the focus leaving for another
// control. The keys of its window's shortcuts are left to the window.
class FieldEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit FieldEdit(QWidget* parent = nullptr);

  // Window colour for an entered value, aqua for a computed one.
  void SetComputed(bool computed);
  bool Computed() const { return computed_; }

 signals:
  void clicked();
  void left();
  void typed(const QString& text);

 protected:
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool IsWindowKey(const QKeyEvent* key) const;

  bool computed_ = false;
  bool clickPending_ = false;  // the first keystroke counts as the click
};
