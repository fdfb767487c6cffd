#include "results/ShowResults.h"

#include "engine/FluidTemperature.h"
#include "engine/ResultFigures.h"
#include "results/RiteLine.h"
#include "engine/LayerStack.h"
#include "engine/Moisture.h"
#include "form/WindowState.h"
#include "form/NumberFormat.h"

namespace {

QString FF(double value, int precision, int digits) { return FormatFixed(value, precision, digits); }
// Resistances keep four significant digits where three decimals would lose them.
QString FR(double value, int precision) { return FormatResistance(value, precision); }

}  // namespace

void ShowResults(WindowState& app, const CalcInputs& in, const Results& r) {
  Form& form = app.form;
  const int n = r.layerCount;

  form.Hide("PanelEconomico");

  for (int i = 0; i <= n; ++i) form.SetText("LT" + QString::number(i), FF(r.temperatures[i], 5, 2));

  for (int i = 1; i <= n; ++i) {
    const QString field = "Edit" + QString::number(i) + "RT";
    if (form.IsComputed(field)) form.SetText(field, FR(r.resistances[i], 5));
  }
  form.SetText("Edit0RT", FR(r.resistances[0], 5));
  form.SetText("Edit10RT", FR(r.resistances[10], 5));

  const float R = r.resistanceTotal;
  const float q = r.heatFlow;
  const double perimeter = in.IsDuct() ? ResultsDuctPerimeter(in, r) : 0;

  if (in.IsPlate()) {
    form.SetText("LabelRT", "Coef. global de transferencia de calor " + FF(1 / double(R), 6, 3) + " W/m2ºC");
    form.SetText("LabelQ", "Densidad sup. flujo de calor " + FF(q, 5, 2) + " W/m2");
  } else if (in.IsPipe()) {
    form.SetText("LabelRT", "Resistencia térmica lineal " + FR(R, 6) + " mºC/W");
    form.SetText("LabelQ", "Densidad lineal flujo de calor " + FF(q, 5, 2) + " W/m");
  } else if (in.IsSphere()) {
    form.SetText("LabelRT", "Resistencia térmica total " + FR(R, 6) + " ºC/W");
    form.SetText("LabelQ", "Flujo de calor " + FF(q, 5, 2) + " W");
  } else if (in.IsDuct()) {
    form.SetText("LabelRT", "Resistencia térmica lineal " + FR(R / perimeter, 6) + " mºC/W");
    form.SetText("LabelQ", "Flujo de calor " + FF(q * perimeter, 5, 2) + " W/m  o  " + FF(q, 5, 2) + " W/m2");
  } else {
    form.SetText("LabelRT", QStringLiteral("Mismo flujo de calor por m2 en todo el depósito"));
    form.SetText("LabelQ", "Flujo de calor " + FF(TankHeatFlow(in, q), 5, 2) + " W");
    form.SetText("LabelEsp", QStringLiteral("Atención.   Se ha considerado:"));
  }

  if (r.condition == DesignCondition::Resistance && !in.IsTank()) form.SetText("LabelQ", QString());
  if (r.condition == DesignCondition::FreezingTime) form.SetText("LabelQ", QString());

  if (in.thicknessTarget) {
    form.SetText("LabelEsp", "Esp. aislamiento " + FF(r.insulationThickness, 6, 2) + " mm");
    for (int i = 1; i <= 6; ++i) {
      const QString row = QString::number(i);
      if (form.Checked("RBAislante" + row)) {
        form.SetText("Edit" + row + "e", FF(r.insulationThickness, 6, 2));
        form.SetText("Edit" + row + "RT", FR(r.insulationResistance, 5));
      }
    }
  }

  const bool dewStudy = in.IsPlate() && !in.thicknessTarget && in.condensationStudy;
  if (dewStudy) {
    int count = 0;
    for (int k = 0; k <= n; ++k) {
      const bool inUse = k <= 1 ? form.Visible("ENombre1") : form.Visible("ENombre" + QString::number(k));
      if (inUse && r.temperatures[k] < r.dewPoints[k]) ++count;
    }
    form.SetText("LabelEsp", count >= 1 ? QStringLiteral("Atención: Condensa en el interior de las placas planas")
                                        : QStringLiteral("No condensa en el interior de las placas planas"));
  }

  if (in.IsPipe() && !in.thicknessTarget && in.waterEstimate) {
    const FluidEnd end = FinalWaterTemperature(in, R, in.IsBuried() ? in.soilTemperature : in.Te);
    form.SetText("LabelEsp", "La temperatura al final de la tubería es " + FF(end.finalTemperature, 5, 3) + " ºC");
    form.SetText("LabelQ", "Densidad lineal " + FF(q, 5, 2) + " W/m    Flujo calor total " +
                               FF(end.totalHeatFlow, 5, 0) + " W");
  }

  form.SetText("EditCoefInt", FF(r.interiorCoef, 5, 2));
  form.SetText("EditCoefext", FF(r.exteriorCoef, 5, 2));

  if (dewStudy)
    for (int i = 0; i <= n; ++i) form.SetText("LTR" + QString::number(i), FF(r.dewPoints[i], 5, 2));

  if (in.IsDuct() && !in.thicknessTarget) {
    const double w = in.ductWidth, h = in.interiorHeight;
    form.SetText("LabelRT", "Resistencia térmica lineal " + FR(R / perimeter, 6) + " mºC/W");
    form.SetText("LabelQ", "Flujo de calor " + FF(q * perimeter, 5, 2) + " W/m lineal o " +
                               FF(q * perimeter / (2 * w + 2 * h), 5, 2) + " W/m2 sup. int.");
    if (in.airEstimate) {
      const FluidEnd end = FinalAirTemperature(in, static_cast<float>(R / perimeter));
      form.SetText("LabelEsp", "La temperatura al final del conducto es " + FF(end.finalTemperature, 5, 3) + " ºC");
      form.SetText("LabelQ", "Densidad lineal " + FF(q * perimeter, 5, 2) + " W/m    Flujo calor total " +
                                 FF(end.totalHeatFlow, 5, 0) + " W");
    }
  }

  form.SetText("LabelRITE", RiteLine(CheckRite(in, r)));
}

void EconomicResults(WindowState& app, const CalcInputs& in, const EconomicOutcome& o) {
  Form& form = app.form;
  form.Show("PanelEconomico");
  QString unit;
  form.SetText("LabelEspEco", "Esp. aislamiento " + FF(o.thickness, 6, 2) + " mm");
  if (in.IsPlate()) {
    form.SetText("LabelRTEco", "Coef. global de transferencia de calor " + FF(1 / double(o.resistance), 6, 3) + " W/m2ºC");
    form.SetText("LabelQEco", "Densidad sup. flujo de calor " + FF(o.heatFlow, 5, 2) + " W/m2");
    unit = " euros/m2";
  } else if (in.IsPipe()) {
    form.SetText("LabelRTEco", "Resistencia térmica lineal " + FR(o.resistance, 6) + " mºC/W");
    form.SetText("LabelQEco", "Densidad lineal flujo de calor " + FF(o.heatFlow, 5, 2) + " W/m");
    unit = " euros/m";
  } else {
    form.SetText("LabelRTEco", "Resistencia térmica total " + FR(o.resistance, 6) + " ºC/W");
    form.SetText("LabelQEco", "Flujo de calor " + FF(o.heatFlow, 5, 2) + " W");
    unit = " euros";
  }
  form.SetText("LabelCT", "Coste total (inversión + explotación) " + FF(o.cost, 5, 2) + unit);
  form.SetText("LabelCI", "Coste inversión " + FF(o.investment, 5, 2) + unit);
}
