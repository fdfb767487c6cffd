// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/NewProject.h"

#include "app/Brenak.h"
#include "app/StartUp.h"
#include "form/ControlCatalog.h"
#include "form/NumberFormat.h"
#include "layout/ClearResults.h"
#include "layout/GeometryLayout.h"

#include <utility>

void NewProject(Brenak& app) {
  Form& form = app.form;
  SelectStartRows(app);

  const std::pair<const char*, QString> values[] = {
      {"Editemisionhi", FormatFixed(0.9, 6, 1)}, {"Editemisionhe", FormatFixed(0.9, 6, 1)},
      {"Edit1k", FormatFixed(0.04, 6, 2)},       {"ENombre1", QStringLiteral("Aislante 1")},
      {"EditCoefInt", QStringLiteral("9")},      {"EditCoefext", QStringLiteral("16")},
      {"EditTi", QStringLiteral("25")},          {"EditTe", QStringLiteral("10")},
      {"EditTsuelo", QStringLiteral("10")},      {"EditDensidad", QStringLiteral("1400")},
      {"EditHumedad", QStringLiteral("10")},     {"EditProfundidad", QStringLiteral("1")},
      {"EditkTerreno", QStringLiteral("1")},     {"EditAnchura", QStringLiteral("3")},
      {"EditAlthi", QStringLiteral("3")},        {"Editvelhi", QStringLiteral("1")},
      {"EditAlthe", QStringLiteral("3")},        {"Editvelhe", QStringLiteral("3")},
      {"EditFiI", QStringLiteral("50")},         {"EditFiE", QStringLiteral("60")},
      {"Editr0", QStringLiteral("125")},         {"EditCET", FormatFixed(0.033, 6, 3)},
      {"EditCI1", QStringLiteral("41")},         {"EditCI2", QStringLiteral("47")},
      {"EditEsp1", QStringLiteral("100")},       {"EditEsp2", QStringLiteral("125")},
  };
  for (const auto& [name, text] : values) form.SetText(QString::fromLatin1(name), text);
  // Rows taken out of use keep their values for the same case, not for a new one.
  for (int n = 2; n <= 6; ++n)
    for (const char* field : {"e", "k", "RT"}) form.SetText("Edit" + QString::number(n) + field, QString());
  // The reference names the case in its report: the previous case's would
  // go into the next report unnoticed.
  form.SetText("EditReferencia", StartText("EditReferencia"));

  // A value just written into a field that is computed now (a calculated
  // coefficient, say) is emptied again here.
  ApplyGeometryLayout(app);
  ClearResults(app);
  // The economic figures of the last case go with it.
  form.Hide("PanelEconomico");
  for (const char* label : {"LabelEspEco", "LabelQEco", "LabelRTEco", "LabelCI", "LabelCT"})
    form.SetText(label, QString());
  ImposeCoefficientsAndLayOutPanels(app);
}
