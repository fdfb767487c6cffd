// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/ClearResults.h"

#include "form/WindowState.h"

namespace {

void EmptyIfComputed(Form& form, const QString& name) {
  if (form.IsComputed(name)) form.SetText(name, QString());
}

}  // namespace

void ClearResults(WindowState& app) {
  if (app.projectLoading) return;
  Form& form = app.form;

  form.SetText("Edit0RT", QString());
  form.SetText("Edit10RT", QString());
  // The economic figures belong to the inputs they were worked out for.
  form.Hide("PanelEconomico");

  // Layer rows: computed values go. The user's values stay, also in a row
  // taken out of use, which shows them again when the layers are raised.
  for (int n = 1; n <= 6; ++n) {
    const QString row = QString::number(n);
    for (const QString& name : {"Edit" + row + "e", "Edit" + row + "k", "Edit" + row + "RT"})
      EmptyIfComputed(form, name);
  }
  // The box keeps its entered dimension and conductivity, shown or not.
  for (const char* name : {"EditeCaja", "EditkCaja", "EditRTCaja"}) EmptyIfComputed(form, name);

  for (int i = 0; i <= 6; ++i) {
    form.SetText("LT" + QString::number(i), QString());
    form.SetText("LTR" + QString::number(i), QString());
  }
  form.SetText("LTCaja", QString());

  form.SetEnabled("SpeedButton7", false);
  form.SetEnabled("SBImpresor", false);
  form.Hide({"Label10", "LabelTlateral"});

  for (int s = 0; s < ChartModel::kSeriesCount; ++s) app.chart.ClearSeries(s);
  app.chart.visible = false;
  form.Hide("Chart1");

  for (const char* name : {"EditCoefInt", "EditCoefext"})
    if (form.IsComputed(name) || !form.Visible(name)) form.SetText(name, QString());
  for (const char* name : {"Edithci", "Edithri", "Edithce", "Edithre"}) form.SetText(name, QString());

  for (const char* name : {"LabelEsp", "LabelRT", "LabelQ", "LabelRITE"}) form.SetText(name, QString());
}
