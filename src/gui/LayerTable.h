// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QVector>
#include <QWidget>

class QGridLayout;
class QLabel;

// The layer table: a grid of rows whose interface temperatures sit on the lines
// between the rows, not on the rows themselves.
class LayerTable : public QWidget {
  Q_OBJECT
 public:
  explicit LayerTable(QWidget* parent = nullptr);

  QGridLayout* Grid() const { return grid_; }
  // `label` sits in column `column` on the lower edge of the row that `rowAnchor` belongs to.
  // The column is where its heading (row 0) stands; the line is halfway to the
  // next shown row of the anchor's column.
  void AddBoundaryLabel(QLabel* label, QWidget* rowAnchor, int column);
  void PlaceBoundaryLabels();

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Boundary {
    QLabel* label;
    QWidget* anchor;
    int column;
  };
  // Places the labels once the layout has settled.
  void PlaceSoon();

  QGridLayout* grid_;
  QVector<Boundary> boundaries_;
  bool placePending_ = false;
};
