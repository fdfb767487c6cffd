// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/LayerTable.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QTimer>

LayerTable::LayerTable(QWidget* parent) : QWidget(parent), grid_(new QGridLayout(this)) {
  grid_->setContentsMargins(0, 0, 0, 0);
  grid_->setHorizontalSpacing(6);
  grid_->setVerticalSpacing(3);
}

void LayerTable::AddBoundaryLabel(QLabel* label, QWidget* rowAnchor, int column) {
  label->setParent(this);
  boundaries_.append({label, rowAnchor, column});
  // The rows and columns move whenever a row or column is shown or hidden.
  rowAnchor->installEventFilter(this);
  if (QLayoutItem* heading = grid_->itemAtPosition(0, column); heading && heading->widget())
    heading->widget()->installEventFilter(this);
}

void LayerTable::PlaceSoon() {
  if (placePending_) return;
  placePending_ = true;
  QTimer::singleShot(0, this, [this] {
    placePending_ = false;
    PlaceBoundaryLabels();
  });
}

bool LayerTable::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide: PlaceSoon(); break;
    default: break;
  }
  return QWidget::eventFilter(watched, event);
}

void LayerTable::PlaceBoundaryLabels() {
  // The widgets' own geometry, which is where the layout put them last: the
  // grid's cell rectangles can lag behind a layout that wrapped its headings.
  for (const Boundary& b : boundaries_) {
    const int index = grid_->indexOf(b.anchor);
    if (index < 0) continue;
    int row, column, rowSpan, columnSpan;
    grid_->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    const QLayoutItem* heading = grid_->itemAtPosition(0, b.column);
    const QRect cell = heading && heading->widget() && !heading->widget()->isHidden() ? heading->widget()->geometry()
                                                                                      : grid_->cellRect(row, b.column);
    const QRect own = b.anchor->geometry();
    // The next row that is shown, to centre the label on the line between them.
    int nextTop = -1;
    for (int r = row + 1; r < grid_->rowCount() && nextTop < 0; ++r) {
      const QLayoutItem* next = grid_->itemAtPosition(r, column);
      if (next && next->widget() && !next->widget()->isHidden()) nextTop = next->widget()->geometry().top();
    }
    const int lineY = nextTop >= 0 ? (own.bottom() + nextTop + 1) / 2 : own.bottom() + grid_->verticalSpacing() / 2;
    const int height = b.label->sizeHint().height();
    b.label->setGeometry(cell.left(), lineY - height / 2, cell.width(), height);
    b.label->raise();
  }
}

bool LayerTable::event(QEvent* event) {
  const bool done = QWidget::event(event);
  if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show) PlaceSoon();
  return done;
}

void LayerTable::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceSoon();
}
