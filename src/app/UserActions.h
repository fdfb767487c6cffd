// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <vector>

class Brenak;
class Form;

// What a user does on the main window, one action at a time, written as the
// command line gives it:
//   "CONTROL=TEXT" (a text typed into a field): click into the field (its click
//     reaction), type the text, leave the field (its check);
//   "CONTROL" (a click): a button, a picture or a field is clicked, an
//     insulation mark is marked;
//   "CONTROL=ROW" (a click on a row): row ROW (from 0, as the window's JSON
//     counts them) of a radio group or a combo box is chosen.
struct UserAction {
  enum class Kind { Type, Click };
  Kind kind = Kind::Click;
  QString control;
  QString text;            // Type: what is typed
  std::optional<int> row;  // Click: the row chosen; none for a plain click
};

// Reads "CONTROL=TEXT" as a typing action. False, with `error` saying why, when
// there is no "=" or no control name before it.
bool ParseTypeAction(const QString& argument, UserAction* action, QString* error);
// Reads "CONTROL" or "CONTROL=ROW" as a click. False, with `error` saying why,
// when the name is missing or ROW is not a whole number.
bool ParseClickAction(const QString& argument, UserAction* action, QString* error);

// The first action naming a control the window does not have, as
// "control desconocido: NAME"; empty when every name is known.
QString CheckControlNames(const Form& form, const std::vector<UserAction>& actions);

// Applies the actions in turn, each only as the window would let a user do
// it: the control is shown (it and every panel that holds it), a button or
// field is enabled, a field typed into is not read-only, a row exists and can
// be chosen, and the action suits the kind of control. Stops at the first
// action the window would not take and returns why, in Spanish; empty when
// every action was applied. The boxes the actions show go to app.messages.
QString ApplyUserActions(Brenak& app, const std::vector<UserAction>& actions);
