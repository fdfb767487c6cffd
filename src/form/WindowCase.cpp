// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/WindowCase.h"

#include "form/CaseFields.h"
#include "form/WindowState.h"

Case CaseFromWindow(const WindowState& app) {
  const Form& form = app.form;
  Case c;
  for (const CaseField& field : CaseFields()) {
    const QString control = QString::fromLatin1(field.control);
    switch (field.type) {
      case CaseValueType::Text: SetCaseText(c, field, form.Text(control)); break;
      case CaseValueType::Row: SetCaseInteger(c, field, form.Index(control)); break;
      case CaseValueType::Mark: SetCaseInteger(c, field, form.Checked(control) ? 1 : 0); break;
      case CaseValueType::Kind: c.kind = app.kind; break;
    }
  }
  for (int n = 1; n <= Case::kMaxLayers; ++n) {
    const QString row = QString::number(n);
    CaseLayer& layer = c.layers[n - 1];
    layer.conductivityGiven = form.IsEntered("Edit" + row + "k");
    layer.resistanceGiven = form.IsEntered("Edit" + row + "RT");
    layer.thicknessSolved = form.IsComputed("Edit" + row + "e");
  }
  c.boxByResistance = form.IsEntered("EditRTCaja");
  return c;
}
