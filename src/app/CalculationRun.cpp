// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CalculationRun.h"

#include "engine/CalcOutcome.h"
#include "form/NumberFormat.h"
#include "form/WindowCase.h"
#include "form/WindowState.h"
#include "layout/ClearResults.h"
#include "results/ResultLines.h"
#include "results/ShowResults.h"
#include "results/TemperatureChart.h"

#include <cmath>

namespace {

void ShowOutcomeResults(WindowState& app, const CaseOutcome& outcome) {
  const CalcInputs& in = outcome.inputs;
  const Results& r = outcome.engine.results;
  FillTemperatureChart(app.chart, in, r.profile);
  if (r.hasBox) app.form.SetText("LTCaja", FormatFixed(r.boxTemperature, 5, 2));
  if (r.hasDewPoints) FillDewPointSeries(app.chart, r.dewPointProfile);
  ShowResults(app, outcome);
  if (outcome.engine.economic) EconomicResults(app, in, outcome.engine.economicOutcome);
}

void ShowBareElementLine(WindowState& app, const BareElementLine& line) {
  const char* label = line.slot == BareElementLine::Slot::HeatFlow ? "LabelQ" : "LabelRT";
  app.form.SetText(label, BareElementLineText(line));
}

// A figure that is not a finite number (a pipe of no diameter gives an infinite
// box resistance) leaves its field empty instead of showing "INF".
void WriteFigure(WindowState& app, const char* name, float value, int decimals) {
  app.form.SetText(name, std::isfinite(value) ? FormatFixed(value, 6, decimals) : QString());
}
void WriteResistance(WindowState& app, const char* name, float value) {
  app.form.SetText(name, std::isfinite(value) ? FormatResistance(value, 6) : QString());
}

void WriteEngineFigures(WindowState& app, const EngineFigures& f) {
  if (f.interiorCalculated) {
    WriteFigure(app, "Edithci", f.interiorConvection, 2);
    WriteFigure(app, "Edithri", f.interiorRadiation, 2);
  }
  if (f.exteriorCalculated) {
    WriteFigure(app, "Edithce", f.exteriorConvection, 2);
    WriteFigure(app, "Edithre", f.exteriorRadiation, 2);
  }
  if (f.soilCalculated) WriteFigure(app, "EditkTerreno", f.soilConductivity, 3);
  if (f.boxCalculated) WriteResistance(app, "EditRTCaja", f.boxResistance);
}

}  // namespace

CaseOutcome RunCalculation(WindowState& app) {
  const CaseOutcome calculated = CalculateCase(CaseFromWindow(app), {app.interiorLaminar, app.exteriorLaminar});
  const CalcInputs& in = calculated.inputs;
  const CalcOutcome& outcome = calculated.engine;
  app.absurdData = false;
  app.form.Show("Label10");
  app.form.Hide("LabelTlateral");
  if (in.IsTank()) app.form.Show("LabelTlateral");

  for (const CalcEvent& event : outcome.events) {
    switch (event.kind) {
      case CalcEvent::Kind::Message:
        app.messages.Show({event.message.caption, event.message.text, MessageButtons::Ok, event.message.id});
        break;
      case CalcEvent::Kind::BareElementLine: ShowBareElementLine(app, event.line); break;
      case CalcEvent::Kind::Results: ShowOutcomeResults(app, calculated); break;
    }
  }
  WriteEngineFigures(app, outcome.figures);
  app.interiorLaminar = outcome.interiorLaminar;
  app.exteriorLaminar = outcome.exteriorLaminar;
  app.absurdData = outcome.absurdData;
  if (app.absurdData) {
    ClearResults(app);
    // After a "Datos absurdos" warning the economic panel still shows the last
    // step of the search.
    if (outcome.economic) app.form.Show("PanelEconomico");
  }
  return calculated;
}
