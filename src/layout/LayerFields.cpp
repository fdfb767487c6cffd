// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/LayerFields.h"

#include "form/WindowState.h"
#include "layout/ClearResults.h"

#include <utility>

namespace {

constexpr int kRows = 6;

QString Row(const char* prefix, int n, const char* suffix = "") {
  return QString::fromLatin1(prefix) + QString::number(n) + QString::fromLatin1(suffix);
}
QString Thickness(int n) { return Row("Edit", n, "e"); }
QString Conductivity(int n) { return Row("Edit", n, "k"); }
QString Resistance(int n) { return Row("Edit", n, "RT"); }
QString Mark(int n) { return Row("RBAislante", n); }

bool ValidRow(int n) { return n >= 1 && n <= kRows; }

bool AnyMarked(const Form& form) {
  for (int n = 1; n <= kRows; ++n)
    if (form.Checked(Mark(n))) return true;
  return false;
}

// The fields of the insulation layer: the solver fills in the thickness from
// the conductivity, and the resistance is its result.
void MarkLayerFields(Form& form, int layer) {
  form.SetState(Thickness(layer), FieldState::Computed);
  form.SetState(Conductivity(layer), FieldState::Entered);
  form.SetState(Resistance(layer), FieldState::Computed);
  form.SetReadOnly(Resistance(layer), true);
}

}  // namespace

void UpdateLayerFields(WindowState& app) {
  Form& form = app.form;
  const int layers = app.LayerCount();

  // Row 1 is always in use; the others follow the number of layers.
  for (int n = 1; n <= kRows; ++n) {
    const bool shown = n == 1 || n <= layers;
    for (const QString& name :
         {Row("SpeedButton", 10 + n), Row("ENombre", n), Thickness(n), Conductivity(n), Resistance(n), Row("LT", n)})
      form.SetVisible(name, shown);
  }

  if (app.ThicknessTarget()) {
    const int held = std::exchange(app.heldInsulationLayer, 0);
    if (ValidRow(held) && !AnyMarked(form)) {
      form.SetChecked(Mark(held), true);
      MarkLayerFields(form, held);
    }
    for (int n = 1; n <= kRows; ++n) {
      form.SetReadOnly(Resistance(n), false);
      form.SetVisible(Mark(n), n == 1 || n <= layers);
    }
    // The resistance of the insulation layer is what the solver works out.
    for (int n = 1; n <= kRows; ++n) {
      if (form.Checked(Mark(n)) && form.Visible(Mark(n))) {
        form.SetState(Resistance(n), FieldState::Computed);
        form.SetReadOnly(Resistance(n), true);
      }
    }
    return;
  }

  // The heat flow needs every thickness given: the insulation mark goes until
  // the thickness is asked for once more.
  for (int n = 1; n <= kRows; ++n) {
    if (!form.Checked(Mark(n))) continue;
    form.SetState(Thickness(n), FieldState::Entered);
    app.heldInsulationLayer = n;
  }
  for (int n = 1; n <= kRows; ++n) {
    form.SetVisible(Mark(n), false);
    form.SetChecked(Mark(n), false);
    form.SetReadOnly(Resistance(n), false);
  }
}

void MarkInsulationLayer(WindowState& app, int layer) {
  if (!ValidRow(layer) || app.projectLoading) return;
  Form& form = app.form;
  if (!form.Checked(Mark(layer)) || !app.ThicknessTarget()) return;

  // The previous insulation layer gets its thickness back as an input. Every
  // other row is given back, not only the one with the read-only resistance:
  // a mark left on a row taken out of use has lost its read-only resistance,
  // and its computed thickness would come back empty and unasked with the row.
  for (int n = 1; n <= kRows; ++n)
    if (n != layer) form.SetState(Thickness(n), FieldState::Entered);

  MarkLayerFields(form, layer);

  for (int n = 1; n <= kRows; ++n)
    if (n != layer) form.SetReadOnly(Resistance(n), false);

  ClearResults(app);
}

void EnterLayerConductivity(WindowState& app, int layer) {
  if (!ValidRow(layer) || app.projectLoading) return;
  app.form.SetState(Conductivity(layer), FieldState::Entered);
  app.form.SetState(Resistance(layer), FieldState::Computed);
  ClearResults(app);
}

void EnterLayerResistance(WindowState& app, int layer) {
  if (!ValidRow(layer) || app.projectLoading) return;
  // The insulation layer's resistance is the solver's result, never an input.
  if (app.form.Checked(Mark(layer))) return;
  app.form.SetState(Resistance(layer), FieldState::Entered);
  app.form.SetState(Conductivity(layer), FieldState::Computed);
  ClearResults(app);
}

void EnterBoxConductivity(WindowState& app) {
  app.form.SetState("EditkCaja", FieldState::Entered);
  app.form.SetState("EditRTCaja", FieldState::Computed);
  ClearResults(app);
}

void EnterBoxResistance(WindowState& app) {
  app.form.SetState("EditkCaja", FieldState::Computed);
  app.form.SetState("EditRTCaja", FieldState::Entered);
  ClearResults(app);
}

void ApplyBoxMaterial(WindowState& app) {
  Form& form = app.form;
  const bool air = form.Index("ComboBoxCaja") == 1;
  form.SetState("EditeCaja", FieldState::Entered);
  // An air-filled box has neither a conductivity nor a given resistance.
  form.SetState("EditkCaja", air ? FieldState::Computed : FieldState::Entered);
  form.SetState("EditRTCaja", FieldState::Computed);
  if (app.projectLoading) return;
  if (air) form.SetText("EditkCaja", QString());
  form.SetText("EditRTCaja", QString());
}
