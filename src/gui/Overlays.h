// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPointer>
#include <QString>

class ChartPanel;
class FloatingPanel;
class QWidget;
class WindowBinding;
class WindowState;

// Whether a control floats over the window rather than sits in its layout:
// the chart, the welcome panel and the choosers.
bool IsOverlay(const QString& name);
// Whether a panel is a chooser (materials, pipe sizes, emission coefficients,
// soil temperatures).
bool IsChooserPanel(const QString& name);

// What floats over the window's data: the chart, which covers the data area;
// the choosers, which open beside the button that opened them and leave the
// window usable; the welcome panel, which covers the whole window. Whatever
// covers the data takes the keyboard while it is shown.
class WindowOverlays {
 public:
  // Takes the overlays' controls from `binding`: the chart and the choosers
  // float over `area`, the welcome panel over `window`.
  WindowOverlays(QWidget* window, QWidget* area, const WindowState& state, WindowBinding& binding);

  ChartPanel* Chart() const { return chart_; }
  // The place in the material chooser, under the user's own list, for the
  // tools that edit that list.
  QWidget* UserMaterialTools() const { return userMaterialTools_; }

  // Shows, hides and places the overlays as the form says, after the window or
  // the data area changed size too.
  void Place();

  // Closes the overlay on top: the welcome panel, else a chooser, else the chart.
  void CloseTop();

 private:
  void BuildChoosers();
  void BuildWelcome();
  void ShowCovering(QWidget* overlay, bool shown);
  void PlaceChooser(FloatingPanel* panel, const QString& opener);
  QString ChooserOpener(const QString& panel) const;

  QWidget* window_;
  QWidget* area_;
  const WindowState& state_;
  WindowBinding& binding_;
  ChartPanel* chart_ = nullptr;
  QWidget* welcome_ = nullptr;
  QWidget* userMaterialTools_ = nullptr;
  QList<FloatingPanel*> choosers_;
  QPointer<QWidget> focusBeforeCover_;
};
