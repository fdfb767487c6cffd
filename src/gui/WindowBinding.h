// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QtGlobal>
#include <functional>

class Form;
class QWidget;
struct Control;

// The binding of the window's widgets to the controls of the form model: one
// widget for every control, of the control's kind and name. What the user does
// to a widget (a click, a leave, a keystroke, a selection) goes to the form as
// the user's action; Mirror() shows what the form holds on a widget.
class WindowBinding : public QObject {
 public:
  // Runs a user's action on the form and brings the window up to date.
  using Forward = std::function<void(const std::function<void()>& action)>;

  // Creates the widgets, children of `window`, each passing on what the user
  // does to it through `forward`.
  WindowBinding(Form& form, QWidget* window, Forward forward);

  // The widget of a control; null for a name the form lacks.
  QWidget* Widget(const QString& name) const { return widgets_.value(name); }

  // The widget of a control for a layout to place; notes that it was placed.
  template <typename T = QWidget>
  T* Take(const QString& name) {
    QWidget* w = widgets_.value(name);
    if (!w) qFatal("Brenak: the window places a control the form lacks: %s", qPrintable(name));
    placed_.insert(name);
    return static_cast<T*>(w);
  }
  // Warns of every control that no layout placed.
  void WarnOfUnplaced() const;

  // Shows a control's text, items, selection, mark, state, hint, enabled flag
  // and visibility on its widget; the overlays' visibility is left to them.
  // Returns whether a radio group's rows were rebuilt.
  bool Mirror(const Control& control);

  // The tooltip of a field; its hint when not set.
  std::function<QString(const Control& field)> fieldTooltip;

  // A click on a control, passed on as the user's.
  void Click(const QString& name);
  // A click on a button, passed on only while the button is enabled and shown.
  void ClickButton(const QString& name);

 private:
  QWidget* CreateWidget(const Control& control);

  Form& form_;
  QWidget* window_;
  Forward forward_;
  QHash<QString, QWidget*> widgets_;
  QSet<QString> placed_;
};
