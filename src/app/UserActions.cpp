// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UserActions.h"

#include "app/Brenak.h"

namespace {

// Whether the user can see the control: it and every panel that holds it are shown.
bool ShownOnWindow(const Form& form, const QString& name) {
  for (QString at = name; !at.isEmpty(); at = form.At(at).parent)
    if (!form.Visible(at)) return false;
  return true;
}

QString Quote(const QString& name) { return QLatin1Char('"') + name + QLatin1Char('"'); }

QString ChooseRow(Form& form, const UserAction& action) {
  const Control& control = form.At(action.control);
  const int row = *action.row;
  const qsizetype rows = control.items.size();
  if (row < 0 || row >= rows)
    return QStringLiteral("fila fuera de límites: %1=%2 (%1 tiene %3 filas, de 0 a %4)")
        .arg(action.control)
        .arg(row)
        .arg(rows)
        .arg(rows - 1);
  if (!form.ItemEnabled(action.control, row)) {
    const QString why = QStringLiteral("la fila %1 de %2 (%3) no se puede elegir")
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
      return action.control + QStringLiteral(" es una lista: indique la fila que se elige (") + action.control +
             QStringLiteral("=FILA, desde 0)");
    return ChooseRow(form, action);
  }
  if (action.row) return action.control + QStringLiteral(" no es una lista: no tiene filas que elegir");
  switch (control.type) {
    case ControlType::RadioButton: form.UserCheck(action.control); return QString();
    case ControlType::Button:
    case ControlType::Picture:
    case ControlType::Edit:
      if (!control.enabled) return action.control + QStringLiteral(" está desactivado");
      form.UserClick(action.control);
      return QString();
    default: return action.control + QStringLiteral(" no responde a una pulsación");
  }
}

QString Type(Form& form, const UserAction& action) {
  const Control& control = form.At(action.control);
  if (control.type != ControlType::Edit) return action.control + QStringLiteral(" no es un campo en el que escribir");
  if (!control.enabled) return action.control + QStringLiteral(" está desactivado");
  if (control.readOnly) return action.control + QStringLiteral(" es de solo lectura");
  form.UserClick(action.control);
  form.UserType(action.control, action.text);
  form.UserLeave(action.control);
  return QString();
}

}  // namespace

bool ParseTypeAction(const QString& argument, UserAction* action, QString* error) {
  const qsizetype equals = argument.indexOf(QLatin1Char('='));
  if (equals <= 0) {
    *error = QStringLiteral("se espera CONTROL=TEXTO: ") + argument;
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
    *error = QStringLiteral("se espera CONTROL o CONTROL=FILA: ") + argument;
    return false;
  }
  std::optional<int> row;
  if (equals >= 0) {
    bool whole = false;
    row = argument.mid(equals + 1).toInt(&whole);
    if (!whole) {
      *error = QStringLiteral("la fila debe ser un número entero, desde 0: ") + argument;
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
    if (!form.Has(action.control)) return QStringLiteral("control desconocido: ") + action.control;
  return QString();
}

QString ApplyUserActions(Brenak& app, const std::vector<UserAction>& actions) {
  Form& form = app.form;
  for (const UserAction& action : actions) {
    if (!form.Has(action.control)) return QStringLiteral("control desconocido: ") + action.control;
    if (!ShownOnWindow(form, action.control))
      return action.control + QStringLiteral(" no está a la vista en la ventana");
    const QString refusal = action.kind == UserAction::Kind::Type ? Type(form, action) : Click(form, action);
    if (!refusal.isEmpty()) return refusal;
  }
  return QString();
}
