#include "gui/WindowWidgets.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QFocusEvent>
#include <QGraphicsDropShadowEffect>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QSvgRenderer>
#include <QTimer>
#include <QVBoxLayout>

QString ButtonCaption(const QString& text) {
  QString caption = text;
  caption.replace(QLatin1Char('&'), QLatin1String("&&"));
  return caption;
}

// ---------------------------------------------------------------- FieldEdit

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (clickPending_) {
      clickPending_ = false;
      emit clicked();
    }
    emit typed(text);
  });
}

void FieldEdit::SetComputed(bool computed) {
  if (computed_ == computed) return;
  computed_ = computed;
  QPalette p = palette();
  p.setColor(QPalette::Base, computed ? QColor(0, 255, 255) : QApplication::palette(this).color(QPalette::Base));
  setPalette(p);
}

void FieldEdit::mousePressEvent(QMouseEvent* event) {
  QLineEdit::mousePressEvent(event);
  if (event->button() == Qt::LeftButton) {
    clickPending_ = false;
    emit clicked();
  }
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

// ------------------------------------------------------------ PictureWidget

PictureWidget::PictureWidget(const QString& resource, QWidget* parent)
    : QWidget(parent), renderer_(new QSvgRenderer(resource, this)) {
  renderer_->setAspectRatioMode(Qt::KeepAspectRatio);
  preferred_ = renderer_->isValid() ? renderer_->defaultSize() : QSize(200, 150);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QSize PictureWidget::sizeHint() const { return preferred_; }

QSize PictureWidget::minimumSizeHint() const { return preferred_ / 2; }

void PictureWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  if (!renderer_->isValid()) {
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    return;
  }
  QSizeF size = renderer_->defaultSize();
  size.scale(QSizeF(width(), height()), Qt::KeepAspectRatio);
  const QRectF target((width() - size.width()) / 2.0, (height() - size.height()) / 2.0, size.width(), size.height());
  renderer_->render(&painter, target);
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
  QWidget::mousePressEvent(event);
}

// ------------------------------------------------------------ RadioGroupBox

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
  const QVector<Rider> riders = riders_;
  riders_.clear();
  for (const Rider& r : riders)
    if (r.widget) AttachToRow(r.widget, r.row);
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
    widget->setParent(buttons_[row]);
    buttons_[row]->setMinimumHeight(qMax(buttons_[row]->sizeHint().height(), widget->sizeHint().height()));
  } else {
    const QVariant width = widget->property("fieldWidth");
    if (width.isValid()) widget->setFixedWidth(width.toInt());
    QWidget* holder = trailing_[row];
    holder->layout()->addWidget(widget);
    holder->show();
  }
  widget->show();
  riders_.append({widget, row});
  PlaceRiders();
}

void RadioGroupBox::PlaceRiders() {
  if (placing_) return;
  placing_ = true;
  QVector<int> used(buttons_.size(), 0);
  for (const Rider& r : riders_) {
    if (!r.widget || r.widget->parentWidget() != buttons_[r.row]) continue;
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
    r.widget->setGeometry(gapStart + margin, (button->height() - height) / 2, width, height);
  }
  placing_ = false;
}

bool RadioGroupBox::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize || event->type() == QEvent::FontChange || event->type() == QEvent::Show)
    if (qobject_cast<QRadioButton*>(watched)) PlaceRiders();
  return QGroupBox::eventFilter(watched, event);
}

// ------------------------------------------------------------ FloatingPanel

FloatingPanel::FloatingPanel(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  auto* shadow = new QGraphicsDropShadowEffect(this);
  shadow->setBlurRadius(18);
  shadow->setOffset(0, 3);
  shadow->setColor(QColor(0, 0, 0, 110));
  setGraphicsEffect(shadow);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);
  title_ = new QLabel(this);
  title_->setTextFormat(Qt::PlainText);
  title_->setAutoFillBackground(true);
  title_->setContentsMargins(10, 5, 10, 5);
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  QPalette tp = title_->palette();
  tp.setColor(QPalette::Window, QColor(13, 59, 102));
  tp.setColor(QPalette::WindowText, Qt::white);
  title_->setPalette(tp);
  title_->setCursor(Qt::SizeAllCursor);
  title_->installEventFilter(this);
  outer->addWidget(title_);
  auto* holder = new QWidget(this);
  body_ = new QVBoxLayout(holder);
  body_->setContentsMargins(10, 8, 10, 10);
  body_->setSpacing(6);
  outer->addWidget(holder);
}

void FloatingPanel::SetTitle(const QString& title) {
  if (title_->text() != title) title_->setText(title);
}

void FloatingPanel::KeepInside() {
  if (!parentWidget()) return;
  const QRect area = parentWidget()->rect();
  QSize size = sizeHint().expandedTo(minimumSizeHint());
  size = size.boundedTo(area.size());
  if (this->size() != size) resize(size);
  QPoint at = pos();
  at.setX(qBound(0, at.x(), qMax(0, area.width() - width())));
  at.setY(qBound(0, at.y(), qMax(0, area.height() - height())));
  if (at != pos()) move(at);
}

bool FloatingPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == title_) {
    switch (event->type()) {
      case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton) {
          dragging_ = true;
          dragOffset_ = e->globalPosition().toPoint() - pos();
          raise();
        }
        return true;
      }
      case QEvent::MouseMove:
        if (dragging_) {
          move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - dragOffset_);
          KeepInside();
        }
        return true;
      case QEvent::MouseButtonRelease:
        dragging_ = false;
        return true;
      default:
        break;
    }
  }
  return QFrame::eventFilter(watched, event);
}

// --------------------------------------------------------------- LayerTable

LayerTable::LayerTable(QWidget* parent) : QWidget(parent), grid_(new QGridLayout(this)) {
  grid_->setContentsMargins(0, 0, 0, 0);
  grid_->setHorizontalSpacing(6);
  grid_->setVerticalSpacing(4);
}

void LayerTable::AddBoundaryLabel(QLabel* label, QWidget* rowAnchor, int column) {
  label->setParent(this);
  boundaries_.append({label, rowAnchor, column});
  // The rows and columns move whenever a row or column is shown or hidden.
  rowAnchor->installEventFilter(this);
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
    case QEvent::Hide:
      PlaceSoon();
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void LayerTable::PlaceBoundaryLabels() {
  for (const Boundary& b : boundaries_) {
    const int index = grid_->indexOf(b.anchor);
    if (index < 0) continue;
    int row, column, rowSpan, columnSpan;
    grid_->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    const QRect cell = grid_->cellRect(row, b.column);
    const QRect own = b.anchor->geometry();
    // The next row that is shown, to centre the label on the line between them.
    int nextTop = -1;
    for (int r = row + 1; r < grid_->rowCount() && nextTop < 0; ++r) {
      const QRect next = grid_->cellRect(r, b.column);
      if (next.height() > 0) nextTop = next.top();
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
