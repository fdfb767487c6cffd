// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ShowResults.h"

#include "form/NumberFormat.h"
#include "form/WindowState.h"
#include "results/ResultLines.h"

namespace {

QString FF(double value, int precision, int digits) { return FormatFixed(value, precision, digits); }
// Resistances keep four significant digits where three decimals would lose them.
QString FR(double value, int precision) { return FormatResistance(value, precision); }

}  // namespace

void ShowResults(WindowState& app, const CaseOutcome& outcome) {
  Form& form = app.form;
  const CalcInputs& in = outcome.inputs;
  const Results& r = outcome.engine.results;
  const int n = r.layerCount;

  form.Hide("PanelEconomico");

  for (int i = 0; i <= n; ++i) form.SetText("LT" + QString::number(i), FF(r.temperatures[i], 5, 2));

  for (int i = 1; i <= n; ++i) {
    const QString field = "Edit" + QString::number(i) + "RT";
    if (form.IsComputed(field)) form.SetText(field, FR(r.resistances[i], 5));
  }
  form.SetText("Edit0RT", FR(r.resistances[0], 5));
  form.SetText("Edit10RT", FR(r.resistances[10], 5));

  const ResultLines lines = MakeResultLines(outcome);
  form.SetText("LabelRT", lines.resistance);
  form.SetText("LabelQ", lines.heatFlow);
  if (lines.note) form.SetText("LabelEsp", *lines.note);

  if (in.thicknessTarget) {
    for (int i = 1; i <= 6; ++i) {
      const QString row = QString::number(i);
      if (form.Checked("RBAislante" + row)) {
        form.SetText("Edit" + row + "e", FF(r.insulationThickness, 6, 2));
        form.SetText("Edit" + row + "RT", FR(r.insulationResistance, 5));
      }
    }
  }

  // A coefficient the user imposed stays as typed: written back to five
  // significant figures it would change the case (1343.17 would read 1343.2)
  // and the next calculation, the file saved or a table built from the window
  // would no longer be the case the user gave.
  if (in.interiorMode != SurfaceCoefMode::Impose) form.SetText("EditCoefInt", FF(r.interiorCoef, 5, 2));
  if (in.exteriorMode != SurfaceCoefMode::Impose) form.SetText("EditCoefext", FF(r.exteriorCoef, 5, 2));

  if (outcome.condensingFaces)
    for (int i = 0; i <= n; ++i) form.SetText("LTR" + QString::number(i), FF(r.dewPoints[i], 5, 2));

  form.SetText("LabelRITE", lines.rite);
}

void EconomicResults(WindowState& app, const CalcInputs& in, const EconomicOutcome& o) {
  Form& form = app.form;
  form.Show("PanelEconomico");
  const EconomicLines lines = MakeEconomicLines(in, o);
  form.SetText("LabelEspEco", lines.thickness);
  form.SetText("LabelRTEco", lines.resistance);
  form.SetText("LabelQEco", lines.heatFlow);
  form.SetText("LabelCT", lines.totalCost);
  form.SetText("LabelCI", lines.investment);
}
