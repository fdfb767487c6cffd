// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/Control.h"

#include <QHash>
#include <QString>
#include <functional>
#include <initializer_list>
#include <vector>

// What a user or the program can set off on a control.
enum class FormEvent { Click, Leave, Change };

// The main window as a model: every control by its name, with the event rules
// of the window toolkit.
//  - Selecting another row of a radio group, or marking an unmarked radio
//    button, sets off the control's click reaction, whether the user or the
//    program does it.
//  - Selecting a combo-box row from the program sets off nothing; the user's
//    choice of another row sets off its change reaction.
//  - Setting a text from the program sets off nothing; the user's click and the
//    focus leaving a field set off their reactions.
class Form {
 public:
  Form();

  bool Has(const QString& name) const { return index_.contains(name); }
  // Unknown names are a programming error: std::out_of_range.
  Control& At(const QString& name);
  const Control& At(const QString& name) const;
  const std::vector<Control>& Controls() const { return controls_; }

  QString Text(const QString& name) const { return At(name).text; }
  void SetText(const QString& name, const QString& text);

  bool Visible(const QString& name) const { return At(name).visible; }
  void SetVisible(const QString& name, bool visible);
  void Show(std::initializer_list<const char*> names);
  void Hide(std::initializer_list<const char*> names);
  void Show(const QString& name) { SetVisible(name, true); }
  void Hide(const QString& name) { SetVisible(name, false); }

  bool Enabled(const QString& name) const { return At(name).enabled; }
  void SetEnabled(const QString& name, bool enabled);
  bool ReadOnly(const QString& name) const { return At(name).readOnly; }
  void SetReadOnly(const QString& name, bool readOnly);

  FieldState State(const QString& name) const { return At(name).state; }
  bool IsComputed(const QString& name) const { return At(name).state == FieldState::Computed; }
  bool IsEntered(const QString& name) const { return At(name).state == FieldState::Entered; }
  void SetState(const QString& name, FieldState state);

  void SetCaptionRed(const QString& name, bool red);

  int Index(const QString& name) const { return At(name).index; }
  // Program selection: a radio group's click reaction runs when the row changes;
  // a combo box's change reaction never runs.
  void SelectRow(const QString& name, int row);
  // Clears and refills a radio group's rows and puts `row` back, without a reaction.
  void RebuildItems(const QString& name, const QStringList& items, int row);

  // A row of a radio group the user cannot choose, with a tooltip saying why.
  bool ItemEnabled(const QString& name, int row) const;
  void SetItemEnabled(const QString& name, int row, bool enabled, const QString& hint = QString());
  bool Checked(const QString& name) const { return At(name).checked; }
  // Program marking: marking an unmarked radio button clears the other marks of
  // its set and runs its click reaction; unmarking runs nothing.
  void SetChecked(const QString& name, bool checked);

  // The user's actions, as the window forwards them.
  void UserClick(const QString& name);
  void UserLeave(const QString& name);
  void UserType(const QString& name, const QString& text);  // typing sets off nothing
  void UserSelect(const QString& name, int row);            // radio group or combo box
  void UserCheck(const QString& name);                      // radio button

  // Asks the view to give the keyboard focus to a control; `selectAll` selects
  // a field's text, so that what the user types replaces it.
  void RequestFocus(const QString& name, bool selectAll = false);
  QString FocusRequest() const { return focusRequest_; }
  std::function<void(const QString& name, bool selectAll)> focusRequested;
  // Told when the user changes an input (typing, choosing a row, a mark).
  std::function<void(const QString& name)> userEdited;

  // Where reactions go (the window's event handlers).
  std::function<void(const QString& name, FormEvent event)> reaction;
  // Told of every change of a control, for a view that mirrors the model.
  std::function<void(const QString& name)> changed;

 private:
  void Fire(const QString& name, FormEvent event);
  void Touch(const QString& name);

  std::vector<Control> controls_;
  QString focusRequest_;
  QHash<QString, int> index_;
};
