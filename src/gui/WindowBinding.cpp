// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/WindowBinding.h"

#include "form/Artwork.h"
#include "form/Form.h"
#include "gui/ChartPanel.h"
#include "gui/ConditionFields.h"
#include "gui/FieldEdit.h"
#include "gui/FloatingPanel.h"
#include "gui/Overlays.h"
#include "gui/PictureWidget.h"
#include "gui/RadioGroupBox.h"
#include "gui/WindowStyle.h"
#include "gui/WindowToolbar.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

// The columns of a radio group's rows; one unless listed.
int GroupColumns(const QString& name) {
  static const QHash<QString, int> columns = {{"RadioGroupCalcular", 2},
                                              {"RadioGroupCondensacion", 2},
                                              {"RadioGroupTempAgua", 2},
                                              {"RadioGroupTempAire", 2},
                                              {"RGhi", 3},
                                              {"RGhe", 3},
                                              {"RadioGroupTerreno", 2},
                                              {"RGMatPlacas", 2},
                                              {"RGTubAcero", 3},
                                              {"RGTubCobreBpulg", 2},
                                              {"RGTubCobreRpulg", 2},
                                              {"RGTubCobreCalef", 2}};
  return columns.value(name, 1);
}

}  // namespace

WindowBinding::WindowBinding(Form& form, QWidget* window, Forward forward)
    : form_(form), window_(window), forward_(std::move(forward)) {
  for (const Control& c : form_.Controls()) {
    QWidget* w = CreateWidget(c);
    w->setObjectName(c.name);
    widgets_.insert(c.name, w);
  }
}

void WindowBinding::WarnOfUnplaced() const {
  for (const Control& c : form_.Controls())
    if (!placed_.contains(c.name)) qWarning("Brenak: control %s has no place on the window", qPrintable(c.name));
}

QWidget* WindowBinding::CreateWidget(const Control& c) {
  const QString name = c.name;
  switch (c.type) {
    case ControlType::Edit: {
      auto* edit = new FieldEdit(window_);
      if (name.startsWith(QLatin1String("ENombre"))) {
        edit->setMinimumWidth(FieldWidth(edit, 16));
        edit->setMaximumWidth(FieldWidth(edit, 34));
      } else if (name != QLatin1String("EditReferencia")) {
        const int width = FieldWidth(edit, name.startsWith(QLatin1String("Editrv")) ? 8 : 7);
        edit->setFixedWidth(width);
        edit->setProperty("fieldWidth", width);
      }
      connect(edit, &FieldEdit::clicked, this, [this, name] { forward_([this, name] { form_.UserClick(name); }); });
      connect(edit, &FieldEdit::left, this, [this, name] { forward_([this, name] { form_.UserLeave(name); }); });
      connect(edit, &FieldEdit::typed, this,
              [this, name](const QString& text) { forward_([this, name, text] { form_.UserType(name, text); }); });
      return edit;
    }
    case ControlType::Label: return Caption(c.text, window_);
    case ControlType::RadioGroup: {
      auto* group = new RadioGroupBox(GroupColumns(name), window_);
      connect(group, &RadioGroupBox::rowClicked, this,
              [this, name](int row) { forward_([this, name, row] { form_.UserSelect(name, row); }); });
      return group;
    }
    case ControlType::ComboBox: {
      auto* combo = new QComboBox(window_);
      combo->addItems(c.items);
      connect(combo, &QComboBox::activated, this,
              [this, name](int row) { forward_([this, name, row] { form_.UserSelect(name, row); }); });
      return combo;
    }
    case ControlType::RadioButton: {
      auto* mark = new QRadioButton(window_);
      mark->setAutoExclusive(false);  // the model keeps the marks exclusive
      mark->setToolTip(QCoreApplication::translate("WindowBinding", "Capa de aislamiento"));
      connect(mark, &QRadioButton::clicked, this, [this, name] { forward_([this, name] { form_.UserCheck(name); }); });
      return mark;
    }
    case ControlType::Button: {
      QAbstractButton* button;
      if (IsToolbarButton(name) || c.text == QLatin1String("...") || name == QLatin1String("SBRadio")) {
        auto* tool = new QToolButton(window_);
        tool->setFocusPolicy(Qt::TabFocus);
        button = tool;
      } else {
        button = new QPushButton(window_);
        button->setFocusPolicy(Qt::TabFocus);
      }
      // A button pressed with the mouse leaves the focus where it is: pressing
      // one is no leave of the field being edited.
      button->setText(ButtonCaption(c.text));
      connect(button, &QAbstractButton::clicked, this, [this, name] { ClickButton(name); });
      return button;
    }
    case ControlType::Panel: {
      if (IsChooserPanel(name)) return new FloatingPanel(window_);
      if (name == QLatin1String("PanelCondicion") || name == QLatin1String("GroupBoxEco"))
        return new QGroupBox(window_);
      return PlainFrame(window_);
    }
    case ControlType::Picture: {
      auto* picture = new PictureWidget(ArtworkPath(name), window_);
      connect(picture, &PictureWidget::clicked, this, [this, name] { Click(name); });
      return picture;
    }
    case ControlType::Chart: return new ChartPanel(window_);
  }
  return new QWidget(window_);
}

void WindowBinding::Click(const QString& name) {
  forward_([this, name] { form_.UserClick(name); });
}

void WindowBinding::ClickButton(const QString& name) {
  QWidget* w = widgets_.value(name);
  if (!w || !form_.Enabled(name) || !w->isVisibleTo(window_)) return;
  Click(name);
}

bool WindowBinding::Mirror(const Control& c) {
  QWidget* w = widgets_.value(c.name);
  if (!w) return false;
  bool rebuilt = false;
  switch (c.type) {
    case ControlType::Edit: {
      auto* edit = static_cast<FieldEdit*>(w);
      if (edit->text() != c.text) {
        edit->setText(c.text);
        if (!edit->hasFocus()) edit->setCursorPosition(0);  // a long name shows its beginning
      }
      if (edit->isReadOnly() != c.readOnly) edit->setReadOnly(c.readOnly);
      edit->SetComputed(c.hasState && c.state == FieldState::Computed);
      const QString tip = fieldTooltip ? fieldTooltip(c) : c.hint;
      if (edit->toolTip() != tip) edit->setToolTip(tip);
      break;
    }
    case ControlType::Label: {
      auto* label = static_cast<QLabel*>(w);
      const QString shown = label->property("heading").toBool()   ? HeadingText(c.text)
                            : label->property("compact").toBool() ? CompactText(c.text)
                                                                  : c.text;
      if (label->text() != shown) label->setText(shown);
      break;
    }
    case ControlType::RadioGroup: {
      auto* group = static_cast<RadioGroupBox*>(w);
      if (group->Items() != c.items || group->Count() != c.items.size()) {
        group->SetItems(c.items);
        rebuilt = true;
      }
      group->SetIndex(c.index);
      group->SetRowStates(c.itemEnabled, c.itemHints);
      // A condition list sits untitled in the condition's box.
      const QString title = ConditionGroups().contains(c.name) ? QString() : c.text;
      if (group->title() != title) group->setTitle(title);
      break;
    }
    case ControlType::ComboBox: {
      auto* combo = static_cast<QComboBox*>(w);
      QStringList shown;
      for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
      if (shown != c.items) {
        combo->clear();
        combo->addItems(c.items);
      }
      if (combo->currentIndex() != c.index) combo->setCurrentIndex(c.index);
      break;
    }
    case ControlType::RadioButton: {
      auto* mark = static_cast<QRadioButton*>(w);
      if (mark->isChecked() != c.checked) mark->setChecked(c.checked);
      break;
    }
    case ControlType::Button: {
      auto* button = static_cast<QAbstractButton*>(w);
      const QString caption = ButtonCaption(c.text);
      if (button->text() != caption) button->setText(caption);
      // A command of the toolbar names its key.
      const QString tip = ToolTipWithKey(c.hint, button->property("key").value<QKeySequence>());
      if (button->toolTip() != tip) button->setToolTip(tip);
      const QColor wanted = c.captionRed ? QColor(Qt::red) : QApplication::palette(button).color(QPalette::ButtonText);
      if (button->palette().color(QPalette::ButtonText) != wanted) {
        Paint(button, QPalette::ButtonText, wanted);
        QFont f = button->font();
        f.setBold(c.captionRed);
        button->setFont(f);
      }
      break;
    }
    case ControlType::Panel: {
      if (auto* box = qobject_cast<QGroupBox*>(w)) {
        if (box->title() != c.text) box->setTitle(c.text);
      } else if (auto* panel = qobject_cast<FloatingPanel*>(w)) {
        panel->SetTitle(c.text);
      }
      break;
    }
    case ControlType::Picture:
    case ControlType::Chart: break;
  }
  if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
  if (IsOverlay(c.name)) return rebuilt;  // the overlays show and hide themselves
  if (w->isHidden() == c.visible) w->setVisible(c.visible);
  return rebuilt;
}
