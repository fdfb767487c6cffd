// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/RadioGroupBox.h"

#include "gui/WindowStyle.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

namespace {

// A row's text cut at its blank gaps (runs of three or more blanks) that have
// text after them: the part before the first gap, then the part after each.
QStringList TextParts(const QString& text) { return BlankSeparatedParts(text, 3); }

}  // namespace

RadioGroupBox::RadioGroupBox(int columns, QWidget* parent)
    : QGroupBox(parent), columns_(qMax(1, columns)), group_(new QButtonGroup(this)), grid_(new QGridLayout(this)) {
  group_->setExclusive(true);
  grid_->setContentsMargins(8, 4, 8, 6);
  grid_->setHorizontalSpacing(14);
  grid_->setVerticalSpacing(2);
  connect(group_, &QButtonGroup::idClicked, this, [this](int id) { emit rowClicked(id); });
}

void RadioGroupBox::SetItems(const QStringList& items) {
  if (items == items_ && buttons_.size() == items.size()) return;
  items_ = items;
  Rebuild();
}

void RadioGroupBox::Rebuild() {
  // The riders survive the rebuild: they are parked on the box and put back.
  for (Rider& r : riders_)
    if (r.widget) r.widget->setParent(this);
  for (QRadioButton* b : buttons_) delete b;
  for (QWidget* t : trailing_) delete t;                     // with the captions in it
  while (QLayoutItem* item = grid_->takeAt(0)) delete item;  // the rows' own layouts
  buttons_.clear();
  trailing_.clear();
  captions_.clear();

  const int n = static_cast<int>(items_.size());
  const int perColumn = (n + columns_ - 1) / columns_;
  for (int i = 0; i < n; ++i) {
    // Only a single column has room for the parts of a row after its gaps.
    const QStringList parts = columns_ == 1 ? TextParts(items_[i]) : QStringList{items_[i]};
    auto* button = new QRadioButton(ButtonCaption(parts.first()), this);
    group_->addButton(button, i);
    buttons_.append(button);
    if (columns_ == 1) {
      // The button and what follows it share the row, whatever other rows need.
      auto* line = new QHBoxLayout;
      line->setSpacing(4);
      line->addWidget(button);
      grid_->addLayout(line, i, 0);
      auto* holder = new QWidget(this);
      auto* row = new QHBoxLayout(holder);
      row->setContentsMargins(0, 0, 0, 0);
      row->setSpacing(4);
      QList<QWidget*> captions;
      for (int k = 1; k < parts.size(); ++k) {
        QLabel* caption = Caption(parts[k], holder);
        // A caption of the row chooses it as its button does.
        caption->installEventFilter(this);
        captions << caption;
      }
      captions_.append(captions);
      holder->setVisible(!captions.isEmpty());
      line->addWidget(holder, 0, Qt::AlignVCenter);
      line->addStretch(1);
      trailing_.append(holder);
      LayOutRow(i);
    } else {
      grid_->addWidget(button, i % perColumn, i / perColumn);
    }
  }
  ApplyRowStates();
  const QVector<Rider> riders = riders_;
  riders_.clear();
  for (const Rider& r : riders)
    if (r.widget) AttachToRow(r.widget, r.row);
}

void RadioGroupBox::SetRowStates(const QList<bool>& enabled, const QStringList& hints) {
  if (enabled == rowEnabled_ && hints == rowHints_) return;
  rowEnabled_ = enabled;
  rowHints_ = hints;
  ApplyRowStates();
}

void RadioGroupBox::ApplyRowStates() {
  for (int i = 0; i < buttons_.size(); ++i) {
    const bool enabled = i >= rowEnabled_.size() || rowEnabled_[i];
    const QString hint = rowHints_.value(i);
    // Disabled on its own: the group's flag still covers every row.
    if (buttons_[i]->isEnabledTo(this) != enabled) buttons_[i]->setEnabled(enabled);
    if (buttons_[i]->toolTip() != hint) buttons_[i]->setToolTip(hint);
    for (QWidget* caption : captions_.value(i)) {
      caption->setEnabled(enabled);
      caption->setToolTip(hint);
    }
  }
}

void RadioGroupBox::SetIndex(int row) {
  QAbstractButton* current = group_->checkedButton();
  QAbstractButton* wanted = (row >= 0 && row < buttons_.size()) ? buttons_[row] : nullptr;
  if (current == wanted) return;
  if (!wanted) {
    if (!current) return;
    // An exclusive group cannot uncheck its last button by itself.
    group_->setExclusive(false);
    current->setChecked(false);
    group_->setExclusive(true);
    return;
  }
  wanted->setChecked(true);
}

int RadioGroupBox::Index() const { return group_->checkedId(); }

QRadioButton* RadioGroupBox::Button(int row) const {
  return (row >= 0 && row < buttons_.size()) ? buttons_[row] : nullptr;
}

bool RadioGroupBox::Holds(const QWidget* widget) const {
  for (const Rider& r : riders_)
    if (r.widget == widget) return true;
  return false;
}

void RadioGroupBox::AttachToRow(QWidget* widget, int row) {
  for (int i = 0; i < riders_.size(); ++i) {
    if (riders_[i].widget == widget) {
      if (riders_[i].row == row) return;
      const int left = riders_[i].row;
      riders_.remove(i);
      if (left >= 0 && left < trailing_.size()) LayOutRow(left);
      break;
    }
  }
  if (row < 0 || row >= buttons_.size() || columns_ != 1) return;
  widget->setParent(trailing_[row]);
  widget->show();
  riders_.append({widget, row});
  LayOutRow(row);
}

void RadioGroupBox::LayOutRow(int row) {
  QWidget* holder = trailing_[row];
  auto* layout = static_cast<QHBoxLayout*>(holder->layout());
  while (layout->count() > 0) delete layout->takeAt(0);
  QList<QWidget*> riding;
  for (const Rider& r : riders_)
    if (r.row == row && r.widget) riding << r.widget;
  // Gap k holds the k-th rider, then comes the part of the text after it; the
  // riders beyond the gaps follow the text.
  // A rider in a gap keeps its room while hidden, so that the text of the row
  // stands as spaced whether or not the row is chosen.
  // On a row split at its gaps a field takes the width it asks for there
  // ("gapWidth"), else a short one; after a whole text, its own ("fieldWidth").
  const QList<QWidget*>& captions = captions_[row];
  for (int k = 0; k < riding.size(); ++k) {
    const bool inGap = !captions.isEmpty();
    QSizePolicy policy = riding[k]->sizePolicy();
    policy.setRetainSizeWhenHidden(k < captions.size());
    riding[k]->setSizePolicy(policy);
    const QVariant width = riding[k]->property(inGap ? "gapWidth" : "fieldWidth");
    if (width.isValid())
      riding[k]->setFixedWidth(width.toInt());
    else if (inGap)
      riding[k]->setFixedWidth(FieldWidth(riding[k], 5));
  }
  for (int k = 0; k < captions.size(); ++k) {
    if (k < riding.size()) layout->addWidget(riding[k]);
    layout->addWidget(captions[k]);
  }
  for (int k = static_cast<int>(captions.size()); k < riding.size(); ++k) layout->addWidget(riding[k]);
  holder->setVisible(layout->count() > 0);
}

bool RadioGroupBox::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    for (int row = 0; row < captions_.size(); ++row) {
      if (captions_[row].contains(watched) && buttons_[row]->isEnabled()) {
        buttons_[row]->click();
        return true;
      }
    }
  }
  return QGroupBox::eventFilter(watched, event);
}
