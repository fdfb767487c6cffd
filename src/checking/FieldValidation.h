// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "form/MessageSink.h"

#include <optional>
#include <vector>

class WindowState;

// Checks the text of a field being left against its value kind ("Temperatura",
// "Porcentaje", ...). Shows zero, one or two boxes and returns the text to put
// back: the text (separators exchanged when that was needed) or empty.
QString ValidateField(MessageSink& messages, const QString& text, const QString& kind);
// The value kind a field passes when it is left; empty for a field not checked.
QString FieldKind(const QString& controlName);
// What a value kind accepts: a real or an integer between two limits, both
// accepted. Empty for a word that names no kind.
struct KindLimits {
  bool integer = false;
  float lower = 0.0f;
  float upper = 0.0f;
};
std::optional<KindLimits> LimitsOfKind(const QString& kind);
// What the check of a field makes of a text: accepted (with the text to put
// back, separators exchanged when that was needed) or not, with its boxes.
struct FieldVerdict {
  bool accepted = false;
  QString text;
  std::vector<Message> boxes;
};
FieldVerdict CheckFieldText(const QString& text, const QString& kind);

// Leaving a field: validate its text. An accepted text is written back; a
// refused one stays in the field, which gets the focus with its text selected.
void LeaveField(WindowState& app, const QString& controlName);

// Before a calculation: every field shown with a value of the user's (not one
// the program computed) passes the check of leaving it. The first that fails
// shows that check's boxes, each naming the field, and gets the focus; false then.
bool CheckShownFields(WindowState& app);
