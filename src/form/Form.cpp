// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/Form.h"

#include "form/ControlCatalog.h"

#include <stdexcept>

const char* ControlTypeName(ControlType type) {
  switch (type) {
    case ControlType::Edit: return "edit";
    case ControlType::Label: return "label";
    case ControlType::RadioGroup: return "radiogroup";
    case ControlType::ComboBox: return "combobox";
    case ControlType::RadioButton: return "radiobutton";
    case ControlType::Button: return "button";
    case ControlType::Panel: return "panel";
    case ControlType::Picture: return "picture";
    case ControlType::Chart: return "chart";
  }
  return "control";
}

Form::Form() : controls_(BuildControlCatalog()) {
  for (int i = 0; i < static_cast<int>(controls_.size()); ++i) index_.insert(controls_[i].name, i);
}

Control& Form::At(const QString& name) {
  auto it = index_.constFind(name);
  if (it == index_.constEnd()) throw std::out_of_range("unknown control " + name.toStdString());
  return controls_[*it];
}

const Control& Form::At(const QString& name) const {
  auto it = index_.constFind(name);
  if (it == index_.constEnd()) throw std::out_of_range("unknown control " + name.toStdString());
  return controls_[*it];
}

void Form::Touch(const QString& name) {
  if (changed) changed(name);
}

void Form::Fire(const QString& name, FormEvent event) {
  if (reaction) reaction(name, event);
}

void Form::SetText(const QString& name, const QString& text) {
  Control& c = At(name);
  if (c.text == text) return;
  c.text = text;
  Touch(name);
}

void Form::SetVisible(const QString& name, bool visible) {
  Control& c = At(name);
  if (c.visible == visible) return;
  c.visible = visible;
  Touch(name);
}

void Form::Show(std::initializer_list<const char*> names) {
  for (const char* n : names) SetVisible(QString::fromLatin1(n), true);
}

void Form::Hide(std::initializer_list<const char*> names) {
  for (const char* n : names) SetVisible(QString::fromLatin1(n), false);
}

void Form::SetEnabled(const QString& name, bool enabled) {
  Control& c = At(name);
  if (c.enabled == enabled) return;
  c.enabled = enabled;
  Touch(name);
}

void Form::SetReadOnly(const QString& name, bool readOnly) {
  Control& c = At(name);
  if (c.readOnly == readOnly) return;
  c.readOnly = readOnly;
  Touch(name);
}

void Form::SetState(const QString& name, FieldState state) {
  Control& c = At(name);
  c.hasState = true;
  if (c.state == state) return;
  c.state = state;
  Touch(name);
}

void Form::SetCaptionRed(const QString& name, bool red) {
  Control& c = At(name);
  if (c.captionRed == red) return;
  c.captionRed = red;
  Touch(name);
}

void Form::SelectRow(const QString& name, int row) {
  Control& c = At(name);
  if (c.index == row) return;
  c.index = row;
  Touch(name);
  if (c.type == ControlType::RadioGroup) Fire(name, FormEvent::Click);
}

void Form::RebuildItems(const QString& name, const QStringList& items, int row) {
  Control& c = At(name);
  c.items = items;
  c.index = row;
  Touch(name);
}

void Form::SetChecked(const QString& name, bool checked) {
  Control& c = At(name);
  if (c.checked == checked) return;
  c.checked = checked;
  Touch(name);
  if (!checked) return;
  // The insulation marks form one exclusive set.
  for (Control& other : controls_) {
    if (other.type == ControlType::RadioButton && other.name != name && other.checked) {
      other.checked = false;
      Touch(other.name);
    }
  }
  Fire(name, FormEvent::Click);
}

void Form::UserClick(const QString& name) {
  At(name);
  Fire(name, FormEvent::Click);
}

void Form::UserLeave(const QString& name) {
  At(name);
  Fire(name, FormEvent::Leave);
}

void Form::UserType(const QString& name, const QString& text) {
  const bool differs = Text(name) != text;
  SetText(name, text);
  if (differs && userEdited) userEdited(name);
}

bool Form::ItemEnabled(const QString& name, int row) const {
  const Control& c = At(name);
  return row < 0 || row >= c.itemEnabled.size() || c.itemEnabled[row];
}

void Form::SetItemEnabled(const QString& name, int row, bool enabled, const QString& hint) {
  Control& c = At(name);
  if (row < 0 || row >= c.items.size()) return;
  while (c.itemEnabled.size() <= row) c.itemEnabled.append(true);
  while (c.itemHints.size() <= row) c.itemHints.append(QString());
  if (c.itemEnabled[row] == enabled && c.itemHints[row] == hint) return;
  c.itemEnabled[row] = enabled;
  c.itemHints[row] = hint;
  Touch(name);
}

void Form::RequestFocus(const QString& name, bool selectAll) {
  At(name);
  focusRequest_ = name;
  if (focusRequested) focusRequested(name, selectAll);
}

void Form::UserSelect(const QString& name, int row) {
  Control& c = At(name);
  if (row < 0 || row >= c.items.size()) return;
  if (c.index == row) return;
  if (row < c.itemEnabled.size() && !c.itemEnabled[row]) return;  // a row the user cannot choose
  c.index = row;
  Touch(name);
  if (userEdited) userEdited(name);
  Fire(name, c.type == ControlType::ComboBox ? FormEvent::Change : FormEvent::Click);
}

void Form::UserCheck(const QString& name) {
  const bool was = Checked(name);
  SetChecked(name, true);
  if (!was && userEdited) userEdited(name);
}
