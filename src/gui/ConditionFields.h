// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class Form;
class QWidget;
class RadioGroupBox;
class WindowBinding;

// The design condition lists, one for each element kind, of which the window
// shows one at a time in the condition's box.
const QStringList& ConditionGroups();

// A target value of a design condition. Its field rides on a row of each
// condition list that has the condition; a list missing from `rows` does not
// show the field.
struct ConditionField {
  const char* field;
  QHash<QString, int> rows;
  // The digits the field shows when it sits in a gap of its row's text, where
  // the row leaves it little room.
  int gapDigits = 5;
};
const QList<ConditionField>& ConditionFields();

// Moves the target fields onto the rows of the condition list that is shown;
// the other lists keep them where they were, hidden with the list. Returns
// whether a field moved (the keyboard's order then changes).
bool PlaceConditionFields(const Form& form, const WindowBinding& binding);

// The fields riding on row `row` of condition list `group`, in their order.
QList<QWidget*> FieldsOnRow(const WindowBinding& binding, const RadioGroupBox* group, int row);
