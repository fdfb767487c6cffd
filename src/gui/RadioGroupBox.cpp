#include "gui/RadioGroupBox.h"

#include "gui/WindowStyle.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>

namespace {

// The blank gaps of a row's text where a field can sit: [start, length) in characters.
QVector<QPair<int, int>> BlankGaps(const QString& text) {
  QVector<QPair<int, int>> gaps;
  static const QRegularExpression blanks(QStringLiteral(" {3,}"));
  auto it = blanks.globalMatch(text);
  while (it.hasNext()) {
    const QRegularExpressionMatch m = it.next();
    if (m.capturedEnd() < text.size()) gaps.append({static_cast<int>(m.capturedStart()), static_cast<int>(m.capturedLength())});
  }
  return gaps;
}

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
  for (QWidget* t : trailing_) delete t;
  buttons_.clear();
  trailing_.clear();

  const int n = static_cast<int>(items_.size());
  const int perColumn = (n + columns_ - 1) / columns_;
  for (int i = 0; i < n; ++i) {
    auto* button = new QRadioButton(ButtonCaption(items_[i]), this);
    button->installEventFilter(this);
    group_->addButton(button, i);
    buttons_.append(button);
    if (columns_ == 1) {
      grid_->addWidget(button, i, 0);
      auto* holder = new QWidget(this);
      auto* row = new QHBoxLayout(holder);
      row->setContentsMargins(0, 0, 0, 0);
      row->setSpacing(4);
      holder->hide();
      grid_->addWidget(holder, i, 1, Qt::AlignLeft | Qt::AlignVCenter);
      trailing_.append(holder);
    } else {
      grid_->addWidget(button, i % perColumn, i / perColumn);
    }
  }
  if (columns_ == 1) grid_->setColumnStretch(1, 1);
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
      riders_.remove(i);
      break;
    }
  }
  if (row < 0 || row >= buttons_.size() || columns_ != 1) return;
  int inRow = 0;
  for (const Rider& r : riders_)
    if (r.row == row && r.widget) ++inRow;
  const QVector<QPair<int, int>> gaps = BlankGaps(items_[row]);
  if (inRow < gaps.size()) {
    // In a gap the field takes the width of the gap.
    widget->setMinimumWidth(0);
    widget->setMaximumWidth(QWIDGETSIZE_MAX);
    widget->setParent(this);
    buttons_[row]->setMinimumHeight(qMax(buttons_[row]->sizeHint().height(), widget->sizeHint().height()));
  } else {
    const QVariant width = widget->property("fieldWidth");
    if (width.isValid()) widget->setFixedWidth(width.toInt());
    QWidget* holder = trailing_[row];
    holder->layout()->addWidget(widget);
    holder->show();
  }
  widget->show();
  riders_.append({widget, row, inRow < gaps.size()});
  PlaceRiders();
}

void RadioGroupBox::PlaceRiders() {
  if (placing_) return;
  placing_ = true;
  QVector<int> used(buttons_.size(), 0);
  for (const Rider& r : riders_) {
    if (!r.widget || !r.inGap) continue;
    QRadioButton* button = buttons_[r.row];
    const QVector<QPair<int, int>> gaps = BlankGaps(items_[r.row]);
    const int k = used[r.row]++;
    if (k >= gaps.size()) continue;
    const QFontMetrics fm(button->font());
    const int textStart = button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
                          button->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
    const int gapStart = textStart + fm.horizontalAdvance(items_[r.row].left(gaps[k].first));
    const int gapWidth = fm.horizontalAdvance(items_[r.row].mid(gaps[k].first, gaps[k].second));
    const int margin = fm.horizontalAdvance(QLatin1Char(' '));
    const int width = qMax(gapWidth - 2 * margin, fm.horizontalAdvance(QStringLiteral("000")) + 8);
    const int height = r.widget->sizeHint().height();
    const QPoint at = button->geometry().topLeft();
    r.widget->setGeometry(at.x() + gapStart + margin, at.y() + (button->height() - height) / 2, width, height);
    r.widget->raise();
  }
  placing_ = false;
}

bool RadioGroupBox::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize || event->type() == QEvent::Move || event->type() == QEvent::FontChange ||
      event->type() == QEvent::Show)
    if (qobject_cast<QRadioButton*>(watched)) PlaceRiders();
  return QGroupBox::eventFilter(watched, event);
}
