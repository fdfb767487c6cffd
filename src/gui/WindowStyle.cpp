// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/WindowStyle.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>

QString ButtonCaption(const QString& text) {
  QString caption = text;
  caption.replace(QLatin1Char('&'), QLatin1String("&&"));
  return caption;
}

QLabel* Caption(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QStringList BlankSeparatedParts(const QString& text, int least) {
  const QString trimmed = text.trimmed();
  QStringList parts;
  QString part;
  for (qsizetype i = 0; i < trimmed.size();) {
    qsizetype run = 0;
    while (i + run < trimmed.size() && trimmed[i + run] == QLatin1Char(' ')) ++run;
    if (run >= least) {
      parts << part;
      part.clear();
    } else {
      part += trimmed.mid(i, run > 0 ? run : 1);
    }
    i += run > 0 ? run : 1;
  }
  parts << part;
  return parts;
}

QString HeadingText(const QString& text) {
  QString shown = BlankSeparatedParts(text, 2).join(QLatin1Char('\n'));
  int depth = 0;
  QString kept;
  for (const QChar c : shown) {
    if (c == QLatin1Char('(')) ++depth;
    if (c == QLatin1Char(')')) depth = qMax(0, depth - 1);
    if (depth > 0 && c == QLatin1Char(' '))
      kept += QChar(0x00A0);
    else if (depth > 0 && c == QLatin1Char('/'))
      kept += QStringLiteral("/\u2060");
    else
      kept += c;
  }
  return kept;
}

QString CompactText(const QString& text) { return BlankSeparatedParts(text, 3).join(QStringLiteral("  ")); }

QLabel* Compact(QWidget* caption) {
  auto* label = static_cast<QLabel*>(caption);
  label->setProperty("compact", true);
  label->setText(CompactText(label->text()));
  return label;
}

namespace {

// Keeps the wrapped labels it watches as tall as their lines at their width.
class HeightKeeper : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize) KeepWrappedHeight(static_cast<QLabel*>(watched));
    return false;
  }
};

// Calls its function when the widget it watches changes size.
class ResizeWatch : public QObject {
 public:
  ResizeWatch(QObject* parent, std::function<void()> resized) : QObject(parent), resized_(std::move(resized)) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Resize) resized_();
    return false;
  }

 private:
  std::function<void()> resized_;
};

}  // namespace

void WhenResized(QWidget* w, std::function<void()> resized) {
  w->installEventFilter(new ResizeWatch(w, std::move(resized)));
}

void WrapToWidth(QLabel* label) {
  label->setWordWrap(true);
  label->installEventFilter(new HeightKeeper(label));
}

int WrappedHeight(const QLabel* label, int width) {
  // QLabel's own heightForWidth() never answers less than the label's minimum
  // height, which is what is being worked out here.
  const QFontMetrics metrics = label->fontMetrics();
  const int line = metrics.height();
  if (label->text().isEmpty()) return line;
  const int frame = label->width() - label->contentsRect().width() + 2 * label->margin();
  const int flags = Qt::TextWordWrap | int(label->alignment());
  const QRect text = metrics.boundingRect(QRect(0, 0, qMax(1, width - frame), 1 << 20), flags, label->text());
  return qMax(line, text.height() + label->height() - label->contentsRect().height() + 2 * label->margin());
}

void KeepWrappedHeight(QLabel* label) {
  const int height = label->wordWrap() ? WrappedHeight(label, label->width()) : label->fontMetrics().height();
  if (label->minimumHeight() != height) label->setMinimumHeight(height);
}

void SetBold(QWidget* w, double scale) {
  QFont f = w->font();
  f.setBold(true);
  if (scale != 1.0) f.setPointSizeF(f.pointSizeF() * scale);
  w->setFont(f);
}

void Paint(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
  QPalette p = w->palette();
  p.setColor(role, colour);
  w->setPalette(p);
}

int FieldWidth(const QWidget* w, int chars) {
  return w->fontMetrics().horizontalAdvance(QString(chars, QLatin1Char('0'))) + 14;
}

QFrame* PlainFrame(QWidget* parent) {
  auto* frame = new QFrame(parent);
  frame->setFrameShape(QFrame::NoFrame);
  return frame;
}
