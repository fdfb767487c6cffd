// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/SurfacePanels.h"

#include <QList>

class Form;
class LayerTable;
class QGridLayout;
class QVBoxLayout;
class QLabel;
class QWidget;
class WindowBinding;

// The data the window shows under its toolbar: on the left the reference, the
// element, what to calculate and the design condition; on the right the two
// sides, the layer table, the results and the economic data.
class DataPanels {
 public:
  explicit DataPanels(WindowBinding& binding);

  // Lays the controls out and returns the widget that holds them.
  QWidget* Build();

  // Brings up to date what the window made of its own: the captions that
  // repeat a control's text and the table columns that take room only while
  // shown.
  void Sync(const Form& form);
  // Puts the interface temperatures back on the lines between the layer rows.
  void PlaceBoundaryLabels();
  // Keeps the wrapped result lines as tall as their new texts.
  void KeepWrappedHeights();
  // Puts the results under the left column's options when they fit there in
  // `height`, the height the data area shows; under the layer table otherwise.
  void PlaceResults(int height);
  bool ResultsInLeftColumn() const { return resultsLeft_; }

 private:
  QWidget* BuildLeftColumn();
  LayerTable* BuildLayerTable();
  QWidget* BuildResults();
  QWidget* BuildEconomicPanel();
  // The height the shown result lines take at `width`.
  int ResultsHeight(int width) const;
  // The economic figures in one column (narrow) or two.
  void ArrangeEconomicLines(bool narrow);

  WindowBinding& binding_;
  SurfacePanel interior_;
  SurfacePanel exterior_;
  LayerTable* layerTable_ = nullptr;
  QLabel* firstSurfaceCaption_ = nullptr;
  QLabel* lastSurfaceCaption_ = nullptr;
  QList<QLabel*> wrapped_;
  QWidget* content_ = nullptr;
  QWidget* column_ = nullptr;
  QVBoxLayout* columnLayout_ = nullptr;
  QGridLayout* rightLayout_ = nullptr;
  QWidget* results_ = nullptr;
  QGridLayout* economicLines_ = nullptr;
  bool resultsLeft_ = false;
};
