// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UserActions.h"

#include "app/Brenak.h"

#include <QCoreApplication>

namespace {

// Whether the user can see the control: it and every panel that holds it are shown.
bool ShownOnWindow(const Form& form, const QString& name) {
  for (QString at = name; !at.isEmpty(); at = form.At(at).parent)
    if (!form.Visible(at)) return false;
  return true;
}

QString Unknown(const QString& name) {
  return QCoreApplication::translate("UserActions", "control desconocido: %1").arg(name);
}

QString Disabled(const QString& name) {
  return QCoreApplication::translate("UserActions", "%1 está desactivado").arg(name);
}

QString Quote(const QString& name) { return QLatin1Char('"') + name + QLatin1Char('"'); }

QString ChooseRow(Form& form, const UserAction& action) {
  const Control& control = form.At(action.control);
  const int row = *action.row;
  const qsizetype rows = control.items.size();
  if (row < 0 || row >= rows)
    return QCoreApplication::translate("UserActions", "fila fuera de límites: %1=%2 (%1 tiene %3 filas, de 0 a %4)")
        .arg(action.control)
        .arg(row)
        .arg(rows)
        .arg(rows - 1);
  if (!form.ItemEnabled(action.control, row)) {
    const QString why = QCoreApplication::translate("UserActions", "la fila %1 de %2 (%3) no se puede elegir")
                            .arg(row)
                            .arg(action.control, Quote(control.items[row]));
    const QString hint = control.itemHints.value(row);
    return hint.isEmpty() ? why : why + QStringLiteral(": ") + hint;
  }
  form.UserSelect(action.control, row);
  return QString();
}

QString Click(Form& form, const UserAction& action) {
  const Control& control = form.At(action.control);
  const bool list = control.type == ControlType::RadioGroup || control.type == ControlType::ComboBox;
  if (list) {
    if (!action.row)
      return QCoreApplication::translate("UserActions",
                                         "%1 es una lista: indique la fila que se elige (%1=FILA, desde 0)")
          .arg(action.control);
    return ChooseRow(form, action);
  }
  if (action.row)
    return QCoreApplication::translate("UserActions", "%1 no es una lista: no tiene filas que elegir")
        .arg(action.control);
  switch (control.type) {
    case ControlType::RadioButton: form.UserCheck(action.control); return QString();
    case ControlType::Button:
    case ControlType::Picture:
    case ControlType::Edit:
      if (!control.enabled) return Disabled(action.control);
      form.UserClick(action.control);
      return QString();
    default: return QCoreApplication::translate("UserActions", "%1 no responde a una pulsación").arg(action.control);
  }
}

QString Type(Form& form, const UserAction& action) {
  const Control& control = form.At(action.control);
  if (control.type != ControlType::Edit)
    return QCoreApplication::translate("UserActions", "%1 no es un campo en el que escribir").arg(action.control);
  if (!control.enabled) return Disabled(action.control);
  if (control.readOnly) return QCoreApplication::translate("UserActions", "%1 es de solo lectura").arg(action.control);
  form.UserClick(action.control);
  form.UserType(action.control, action.text);
  form.UserLeave(action.control);
  return QString();
}

}  // namespace

bool ParseTypeAction(const QString& argument, UserAction* action, QString* error) {
  const qsizetype equals = argument.indexOf(QLatin1Char('='));
  if (equals <= 0) {
    *error = QCoreApplication::translate("UserActions", "se espera CONTROL=TEXTO: %1").arg(argument);
    return false;
  }
  action->kind = UserAction::Kind::Type;
  action->control = argument.left(equals);
  action->text = argument.mid(equals + 1);
  action->row.reset();
  return true;
}

bool ParseClickAction(const QString& argument, UserAction* action, QString* error) {
  const qsizetype equals = argument.indexOf(QLatin1Char('='));
  const QString name = equals < 0 ? argument : argument.left(equals);
  if (name.isEmpty()) {
    *error = QCoreApplication::translate("UserActions", "se espera CONTROL o CONTROL=FILA: %1").arg(argument);
    return false;
  }
  std::optional<int> row;
  if (equals >= 0) {
    bool whole = false;
    row = argument.mid(equals + 1).toInt(&whole);
    if (!whole) {
      *error =
          QCoreApplication::translate("UserActions", "la fila debe ser un número entero, desde 0: %1").arg(argument);
      return false;
    }
  }
  action->kind = UserAction::Kind::Click;
  action->control = name;
  action->text.clear();
  action->row = row;
  return true;
}

QString CheckControlNames(const Form& form, const std::vector<UserAction>& actions) {
  for (const UserAction& action : actions)
    if (!form.Has(action.control)) return Unknown(action.control);
  return QString();
}

QString ApplyUserActions(Brenak& app, const std::vector<UserAction>& actions) {
  Form& form = app.form;
  for (const UserAction& action : actions) {
    if (!form.Has(action.control)) return Unknown(action.control);
    if (!ShownOnWindow(form, action.control))
      return QCoreApplication::translate("UserActions", "%1 no está a la vista en la ventana").arg(action.control);
    const QString refusal = action.kind == UserAction::Kind::Type ? Type(form, action) : Click(form, action);
    if (!refusal.isEmpty()) return refusal;
  }
  return QString();
}
