// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/LayoutCheck.h"

#include "gui/RadioGroupBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QToolBar>
#include <QToolButton>

namespace {

// The part of `w`, in its own coordinates, that the widgets holding it leave
// visible: a widget larger than its holder is cut at the holder's edge.
QRect ShownRect(const QWidget* w) {
  QRect shown = w->rect();
  QPoint offset;
  for (const QWidget* child = w; !child->isWindow() && child->parentWidget(); child = child->parentWidget()) {
    offset += child->pos();
    shown = shown.intersected(child->parentWidget()->rect().translated(-offset));
  }
  return shown;
}

// A name for the report: the control's own, a radio row by its group and
// row, anything else by the nearest named widget holding it.
QString ControlName(const QWidget* w) {
  if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"))) return w->objectName();
  if (auto* radio = qobject_cast<const QRadioButton*>(w)) {
    if (auto* group = qobject_cast<const RadioGroupBox*>(w->parentWidget())) {
      for (int row = 0; row < group->Count(); ++row)
        if (group->Button(row) == radio) return QStringLiteral("%1[%2]").arg(group->objectName()).arg(row);
    }
  }
  QString kind = qobject_cast<const QLabel*>(w) ? QStringLiteral("caption") : QStringLiteral("widget");
  for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
    if (!p->objectName().isEmpty() && !p->objectName().startsWith(QLatin1String("qt_")))
      return p->objectName() + QLatin1Char('/') + kind;
  return kind;
}

// The text as drawn: a button's "&&" is one "&", a single "&" marks a mnemonic.
QString DrawnText(QString text) {
  text.replace(QLatin1String("&&"), QString(QChar(0xE000)));
  text.remove(QLatin1Char('&'));
  text.replace(QChar(0xE000), QLatin1Char('&'));
  return text;
}

int WidestLine(const QFontMetrics& metrics, const QStringList& lines) {
  int widest = 0;
  for (const QString& line : lines) widest = qMax(widest, metrics.horizontalAdvance(line));
  return widest;
}

class Checker {
 public:
  explicit Checker(LayoutReport& report) : report_(report) {}

  void Check(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w)) return CheckLabel(label);
    if (auto* radio = qobject_cast<const QRadioButton*>(w))
      return CheckIndicatorButton(radio, QStyle::SE_RadioButtonContents);
    if (auto* box = qobject_cast<const QCheckBox*>(w)) return CheckIndicatorButton(box, QStyle::SE_CheckBoxContents);
    if (auto* push = qobject_cast<const QPushButton*>(w)) return CheckPushButton(push);
    if (auto* tool = qobject_cast<const QToolButton*>(w)) return CheckToolButton(tool);
    if (auto* edit = qobject_cast<const QLineEdit*>(w)) return CheckField(edit);
    if (auto* combo = qobject_cast<const QComboBox*>(w)) return CheckList(combo);
    if (auto* group = qobject_cast<const QGroupBox*>(w)) return CheckGroupTitle(group);
  }

 private:
  // Reports `text` as cut when the room `area` (in w's coordinates), less what
  // the holders hide, is narrower than `needed`.
  void Horizontal(const QWidget* w, const QString& text, int needed, const QRect& area, int padding = 0) {
    const int given = area.intersected(ShownRect(w)).width() - padding;
    if (needed > given) report_.clipped.append({ControlName(w), text, needed, qMax(0, given)});
  }
  void Vertical(const QWidget* w, const QString& text, int needed, const QRect& area) {
    const int given = area.intersected(ShownRect(w)).height();
    if (needed > given) report_.clipped.append({ControlName(w), text, needed, qMax(0, given)});
  }

  void CheckLabel(const QLabel* label) {
    const QString text = label->text();
    if (text.trimmed().isEmpty()) return;
    const QFontMetrics metrics(label->font());
    const int margin = label->margin();
    const QRect area = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    if (label->wordWrap()) {
      // A wrapped label breaks at blanks and line ends: no word may be wider
      // than the label, and every line must fit in its height.
      static const QRegularExpression breaks(QStringLiteral("[ \\n]+"));
      const int word = WidestLine(metrics, text.split(breaks, Qt::SkipEmptyParts));
      if (word > area.intersected(ShownRect(label)).width()) return Horizontal(label, text, word, area);
      const int needed = label->heightForWidth(label->width());
      const int given = qMin(label->height(), ShownRect(label).height());
      if (needed > given) report_.clipped.append({ControlName(label), text, needed, given});
      return;
    }
    const QStringList lines = text.split(QLatin1Char('\n'));
    const int width = WidestLine(metrics, lines);
    if (width > area.intersected(ShownRect(label)).width()) return Horizontal(label, text, width, area);
    Vertical(label, text, metrics.height() + (lines.size() - 1) * metrics.lineSpacing(), area);
  }

  void CheckIndicatorButton(const QAbstractButton* button, QStyle::SubElement contents) {
    const QString text = DrawnText(button->text());
    if (text.trimmed().isEmpty()) return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect area = button->style()->subElementRect(contents, &option, button);
    Horizontal(button, text, button->fontMetrics().horizontalAdvance(text), area);
    Vertical(button, text, button->fontMetrics().height(), button->rect());
  }

  void CheckPushButton(const QPushButton* button) {
    const QString text = DrawnText(button->text());
    if (text.trimmed().isEmpty()) return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect area = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    Horizontal(button, text, button->fontMetrics().horizontalAdvance(text) + icon, area);
  }

  void CheckToolButton(const QToolButton* button) {
    const QString text = DrawnText(button->text());
    if (text.trimmed().isEmpty() || button->toolButtonStyle() == Qt::ToolButtonIconOnly) return;
    QRect area = button->rect().adjusted(3, 0, -3, 0);
    if (button->popupMode() == QToolButton::MenuButtonPopup)
      area.setRight(area.right() - button->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, nullptr, button));
    int needed = button->fontMetrics().horizontalAdvance(text);
    if (button->toolButtonStyle() == Qt::ToolButtonTextBesideIcon && !button->icon().isNull())
      needed += button->iconSize().width() + 4;
    Horizontal(button, text, needed, area);
  }

  void CheckField(const QLineEdit* edit) {
    const QString text = edit->displayText();
    if (text.isEmpty()) return;
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    const QMargins margins = edit->textMargins();
    const QRect area = edit->style()
                           ->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                           .adjusted(margins.left(), margins.top(), -margins.right(), -margins.bottom());
    // QLineEdit keeps two pixels clear on either side of its text.
    Horizontal(edit, text, edit->fontMetrics().horizontalAdvance(text), area, 4);
  }

  void CheckList(const QComboBox* combo) {
    const QString text = combo->currentText();
    if (text.isEmpty()) return;
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.currentText = text;
    option.frame = combo->hasFrame();
    const QRect area =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    Horizontal(combo, text, combo->fontMetrics().horizontalAdvance(text), area);
  }

  void CheckGroupTitle(const QGroupBox* box) {
    const QString text = DrawnText(box->title());
    if (text.trimmed().isEmpty()) return;
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (box->isFlat()) option.features |= QStyleOptionFrame::Flat;
    const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    const int needed = box->fontMetrics().horizontalAdvance(text);
    const QRect area(label.left(), label.top(), qMax(label.width(), needed), label.height());
    Horizontal(box, text, needed, area.intersected(box->rect()));
  }

  LayoutReport& report_;
};

}  // namespace

QByteArray LayoutReport::Json() const {
  QJsonArray cut;
  for (const ClippedText& c : clipped)
    cut.append(QJsonObject{{"control", c.control}, {"text", c.text}, {"needed", c.needed}, {"given", c.given}});
  const QJsonObject report{
      {"size", QJsonArray{size.width(), size.height()}},
      {"scrollbars", QJsonObject{{"horizontal", horizontalScrollBar}, {"vertical", verticalScrollBar}}},
      {"clipped", cut}};
  return QJsonDocument(report).toJson(QJsonDocument::Indented);
}

void SettleLayouts() {
  for (int pass = 0; pass < 6; ++pass) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::processEvents();
  }
}

LayoutReport CheckLayout(const QWidget* window) {
  LayoutReport report;
  report.size = window->size();
  // The data area's scroll bars; what floats over it scrolls with nothing.
  if (auto* main = qobject_cast<const QMainWindow*>(window)) {
    if (auto* scroll = main->centralWidget()->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly)) {
      report.horizontalScrollBar = scroll->horizontalScrollBar()->isVisible();
      report.verticalScrollBar = scroll->verticalScrollBar()->isVisible();
    }
  }
  Checker checker(report);
  for (const QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisible() || w->window() != window) continue;
    // A toolbar too narrow for its buttons hides the last ones behind an arrow.
    if (w->objectName() == QLatin1String("qt_toolbar_ext_button")) {
      const QWidget* bar = w->parentWidget();
      report.clipped.append({bar ? ControlName(bar) : QStringLiteral("toolbar"), QStringLiteral("»"),
                             bar ? bar->sizeHint().width() : 0, bar ? bar->width() : 0});
      continue;
    }
    checker.Check(w);
  }
  return report;
}
