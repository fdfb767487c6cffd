// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ConditionFields.h"

#include "form/Form.h"
#include "gui/RadioGroupBox.h"
#include "gui/WindowBinding.h"

#include <QWidget>

const QStringList& ConditionGroups() {
  static const QStringList groups = {"RadioGroupCondicionP", "RadioGroupCondicionT", "RadioGroupCondicionTE",
                                     "RadioGroupCondicionE", "RadioGroupConductos",  "RadioGroupDepositos"};
  return groups;
}

const QList<ConditionField>& ConditionFields() {
  static const QList<ConditionField> fields = {
      {"EditCondicionQ",
       {{"RadioGroupCondicionP", 0},
        {"RadioGroupCondicionT", 0},
        {"RadioGroupCondicionTE", 0},
        {"RadioGroupCondicionE", 0},
        {"RadioGroupConductos", 0},
        {"RadioGroupDepositos", 0}}},
      {"EditCondicionPor",
       {{"RadioGroupCondicionP", 1},
        {"RadioGroupCondicionT", 1},
        {"RadioGroupCondicionTE", 1},
        {"RadioGroupCondicionE", 1},
        {"RadioGroupConductos", 1},
        {"RadioGroupDepositos", 1}}},
      {"EditCondicionRT",
       {{"RadioGroupCondicionP", 2},
        {"RadioGroupCondicionT", 2},
        {"RadioGroupCondicionTE", 2},
        {"RadioGroupCondicionE", 2},
        {"RadioGroupConductos", 2}}},
      {"EditCondicionTe",
       {{"RadioGroupCondicionP", 4},
        {"RadioGroupCondicionT", 4},
        {"RadioGroupCondicionE", 4},
        {"RadioGroupConductos", 4}}},
      {"EditCondicionTi", {{"RadioGroupCondicionP", 6}}},
      {"EditTf", {{"RadioGroupCondicionT", 6}}},
      {"EditLong", {{"RadioGroupCondicionT", 6}}},
      {"EditCondicionTCong", {{"RadioGroupCondicionT", 7}}, 4},    // hours
      {"EditCondicionPorCong", {{"RadioGroupCondicionT", 7}}, 3},  // a percentage
  };
  return fields;
}

bool PlaceConditionFields(const Form& form, const WindowBinding& binding) {
  RadioGroupBox* shown = nullptr;
  for (const QString& name : ConditionGroups()) {
    if (form.Visible(name)) {
      shown = static_cast<RadioGroupBox*>(binding.Widget(name));
      break;
    }
  }
  if (!shown) return false;
  const QString group = shown->objectName();
  bool moved = false;
  for (const ConditionField& f : ConditionFields()) {
    QWidget* field = binding.Widget(QString::fromLatin1(f.field));
    const int row = f.rows.value(group, -1);
    if (row >= 0) {
      if (!shown->Holds(field)) {
        shown->AttachToRow(field, row);
        moved = true;
      }
      field->setVisible(form.Visible(QString::fromLatin1(f.field)));
    }
  }
  return moved;
}

QList<QWidget*> FieldsOnRow(const WindowBinding& binding, const RadioGroupBox* group, int row) {
  QList<QWidget*> fields;
  for (const ConditionField& f : ConditionFields()) {
    QWidget* field = binding.Widget(QString::fromLatin1(f.field));
    if (group->Holds(field) && f.rows.value(group->objectName(), -1) == row) fields << field;
  }
  return fields;
}
