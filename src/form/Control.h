// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The kinds of control of the main window, as the window toolkit offers them.
enum class ControlType { Edit, Label, RadioGroup, ComboBox, RadioButton, Button, Panel, Picture, Chart };

// A numeric field holds either the user's value (entered, window colour) or a
// value the system fills in (computed, aqua).
enum class FieldState { Entered, Computed };

// One control of the main window: what the window shows of it, by its name.
struct Control {
  QString name;
  ControlType type = ControlType::Label;
  QString parent;           // the panel that holds it, empty for the window itself
  QString text;             // text of a field, caption of a label, group, panel or button
  QString hint;             // tooltip of a button
  QStringList items;        // rows of a radio group or combo box
  QList<bool> itemEnabled;  // per row of a radio group; a row not listed is enabled
  QStringList itemHints;    // per row of a radio group: the tooltip of a row, empty for none
  int index = -1;           // selected row of a radio group or combo box
  bool checked = false;     // mark of a radio button
  bool visible = true;
  bool enabled = true;
  bool readOnly = false;
  bool hasState = false;  // numeric fields carry an entered/computed state
  FieldState state = FieldState::Entered;
  bool captionRed = false;  // the selected element kind's toolbar button
};

const char* ControlTypeName(ControlType type);
