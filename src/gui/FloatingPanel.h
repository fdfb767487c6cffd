// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QPoint>

class QLabel;
class QVBoxLayout;

// A chooser panel floating over the window: a title bar to drag it by and a
// body. It stays inside its parent.
class FloatingPanel : public QFrame {
  Q_OBJECT
 public:
  explicit FloatingPanel(QWidget* parent = nullptr);

  void SetTitle(const QString& title);
  QVBoxLayout* Body() const { return body_; }
  bool Placed() const { return placed_; }
  void SetPlaced() { placed_ = true; }
  // Keeps the panel within its parent after the parent or the panel changed size.
  void KeepInside();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* title_;
  QVBoxLayout* body_;
  QPoint dragOffset_;
  bool dragging_ = false;
  bool placed_ = false;
};
