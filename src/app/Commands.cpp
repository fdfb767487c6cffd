// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Commands.h"

#include "app/Brenak.h"
#include "app/CalculationRun.h"
#include "app/ProjectCommands.h"
#include "checking/CompletenessCheck.h"
#include "checking/FieldValidation.h"
#include "layout/ClearResults.h"
#include "layout/GeometryLayout.h"

void CommandCalculate(Brenak& app) {
  if (!CheckInputsComplete(app)) return;
  if (!CheckShownFields(app)) return;
  app.lastOutcome = RunCalculation(app);
  app.form.SetEnabled("SpeedButton7", true);
  app.form.SetEnabled("SBImpresor", true);
}

void CommandShowChart(Brenak& app) {
  app.chart.visible = true;
  app.form.Show("Chart1");
}

void CommandHideChart(Brenak& app) {
  app.chart.visible = false;
  app.form.Hide("Chart1");
}

void SelectElementKind(Brenak& app, GeometryKind kind) {
  app.SetKind(kind);
  const bool special = kind == GeometryKind::Special;
  app.form.SetVisible("PanelEspecial", special);
  // Ducts and tanks start from the heat flow; the list's own reaction lays
  // the window out for it.
  if (special) app.form.SelectRow("RadioGroupCalcular", 0);
  app.form.SelectRow("ComboBox1", 0);
  ApplyGeometryLayout(app);
  ClearResults(app);
  LayoutInteriorPanel(app);
  LayoutExteriorPanel(app);
}

void CommandClose(Brenak& app) {
  if (!ConfirmDiscardChanges(app)) return;
  // Left as it is: closing the window asks no more.
  app.SetModified(false);
  if (app.onClose) app.onClose();
}
