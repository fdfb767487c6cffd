// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Events.h"

#include "app/Brenak.h"
#include "app/Choosers.h"
#include "app/Commands.h"
#include "app/ExportPdf.h"
#include "app/NewProject.h"
#include "app/ProjectCommands.h"
#include "app/UserMaterialCommands.h"
#include "checking/FieldValidation.h"
#include "layout/ClearResults.h"
#include "layout/GeometryLayout.h"
#include "layout/LayerFields.h"
#include "report/ReportCommand.h"

#include <QHash>
#include <functional>
#include <utility>

namespace {

using Handler = std::function<void(Brenak&)>;

struct Routes {
  QHash<QString, Handler> clicks;
  QHash<QString, Handler> changes;
};

QString Numbered(const char* prefix, int n, const char* suffix = "") {
  return QString::fromLatin1(prefix) + QString::number(n) + QString::fromLatin1(suffix);
}

void LayoutAndClear(Brenak& app) {
  ApplyGeometryLayout(app);
  ClearResults(app);
}

// Options whose choice changes what the window shows and what a calculation
// reads; a project being opened lays the window out once at its end.
void LayoutAndClearUnlessLoading(Brenak& app) {
  if (app.projectLoading) return;
  LayoutAndClear(app);
}

// The lists of the chooser panels pick a value; only its "Aplicar" changes the case.
bool InChooserPanel(const Form& form, const QString& name) {
  const QString& panel = form.At(name).parent;
  return panel == QLatin1String("PMateriales") || panel == QLatin1String("PEleccionTub") ||
         panel == QLatin1String("PCoefEmision") || panel == QLatin1String("PanelTTerreno");
}

Handler HidePanel(const char* panel) {
  return [name = QString::fromLatin1(panel)](Brenak& app) { app.form.Hide(name); };
}

Routes BuildRoutes() {
  Routes r;
  auto& click = r.clicks;

  // Toolbar.
  click["SBNuevo"] = [](Brenak& app) {
    if (!ConfirmDiscardChanges(app)) return;
    NewProject(app);
    app.SetDocument(QString(), false);
  };
  click["SBAbrir"] = [](Brenak& app) {
    OpenProject(app);
    app.projectLoading.EndOpening();
  };
  click["SBGuardar"] = [](Brenak& app) { SaveProject(app); };
  click["SBTablaEspesores"] = [](Brenak& app) {
    if (app.onThicknessTable) app.onThicknessTable();
  };
  click["SBInstalacion"] = [](Brenak& app) {
    if (app.onInstallation) app.onInstallation();
  };
  click["SBImpresor"] = [](Brenak& app) {
    DesktopReportService desktop;
    PrintReport(app, app.lastOutcome.value_or(CaseOutcome{}), app.report ? *app.report : desktop);
  };
  click["SBExportarPdf"] = [](Brenak& app) { ExportReportPdf(app); };
  click["SBImpresor2"] = [](Brenak& app) { app.form.Show("Panel6"); };
  click["Image1"] = HidePanel("Panel6");
  click["SpeedButton1"] = CommandCalculate;
  click["SpeedButton7"] = CommandShowChart;
  click["SpeedButton6"] = CommandHideChart;
  click["SpeedButton3"] = CommandClose;
  for (const auto& [button, kind] :
       {std::pair{"SpeedButton2", GeometryKind::Plate}, std::pair{"SpeedButton4", GeometryKind::Pipe},
        std::pair{"SpeedButton5", GeometryKind::Sphere}, std::pair{"SpeedButton23", GeometryKind::Special}}) {
    click[button] = [kind = kind](Brenak& app) {
      // The kind clicked again with one layer changes nothing of the case.
      const auto caseOf = [](const Brenak& a) {
        return QList<int>{static_cast<int>(a.kind), a.form.Index("ComboBox1"), a.form.Index("RadioGroupCalcular"),
                          a.form.Index("RGhi"), a.form.Index("RGhe")};
      };
      const QList<int> before = caseOf(app);
      SelectElementKind(app, kind);
      if (caseOf(app) != before) app.SetModified(true);
    };
  }

  // Chooser panels.
  for (int n = 1; n <= 6; ++n) {
    click[Numbered("SpeedButton", 10 + n)] = [n](Brenak& app) {
      const QString mark = Numbered("RBAislante", n);
      OpenMaterialChooser(app, n, app.form.Visible(mark), app.form.Checked(mark));
    };
  }
  click["SpeedButton10"] = [](Brenak& app) { ApplyMaterialChooser(app, false); };
  click["SpeedButton17"] = [](Brenak& app) { ApplyMaterialChooser(app, true); };
  click["SBMisMateriales"] = ApplyUserMaterial;
  click["SpeedButton20"] = HidePanel("PMateriales");
  click["SBRadio"] = OpenPipeSizeChooser;
  click["RGTuberias"] = ShowPipeSizeList;
  click["SpeedButton8"] = ApplyPipeSize;
  click["SpeedButton9"] = HidePanel("PEleccionTub");
  click["SpeedButton21"] = [](Brenak& app) { OpenEmissionChooser(app, 1); };
  click["SpeedButton22"] = [](Brenak& app) { OpenEmissionChooser(app, 2); };
  click["SpeedButton24"] = ApplyEmission;
  click["SpeedButton25"] = HidePanel("PCoefEmision");
  click["SpeedButton26"] = ShowSoilTemperatures;
  click["SpeedButton27"] = HidePanel("PanelTTerreno");

  // Option lists.
  click["RadioGroupCalcular"] = LayoutAndClear;
  click["RGTipoOtros"] = [](Brenak& app) {
    // No thickness is calculated for a tank: it starts from the heat flow,
    // whose own reaction lays the window out.
    if (app.IsTank() && app.ThicknessTarget() && !app.projectLoading) app.form.SelectRow("RadioGroupCalcular", 0);
    LayoutAndClear(app);
  };
  click["RGTipoTuberias"] = [](Brenak& app) {
    // A buried pipe has no exterior surface coefficient.
    if (app.IsBuriedPipe()) app.form.SelectRow("RGhe", 1);
    ApplyGeometryLayout(app);
    // Results of the previous placing no longer belong to the inputs shown.
    ClearResults(app);
  };
  click["RadioGroupTempAire"] = LayoutAndClearUnlessLoading;
  click["RadioGroupCondensacion"] = LayoutAndClearUnlessLoading;
  // The plate orientation and the water temperature estimate change the
  // picture, the captions and the fields shown, as the other options do.
  click["RGTipoPared"] = LayoutAndClearUnlessLoading;
  click["RadioGroupTempAgua"] = LayoutAndClearUnlessLoading;
  // A design condition shows the fields of its target value at once.
  for (const char* list : {"RadioGroupCondicionP", "RadioGroupCondicionT", "RadioGroupCondicionTE",
                           "RadioGroupCondicionE", "RadioGroupConductos"})
    click[list] = LayoutAndClear;
  // A surface coefficient mode also decides whether the temperatures are shown
  // for a resistance condition, so the whole window is laid out again; results
  // of the previous mode no longer belong to the inputs shown.
  click["RGhi"] = [](Brenak& app) {
    LayoutInteriorPanel(app);
    ApplyGeometryLayout(app);
    ClearResults(app);
  };
  click["RGhe"] = [](Brenak& app) {
    LayoutExteriorPanel(app);
    ApplyGeometryLayout(app);
    ClearResults(app);
  };
  click["RGAmbientehe"] = [](Brenak& app) {
    LayoutExteriorPanel(app);
    ClearResults(app);
  };
  click["RadioGroupTerreno"] = [](Brenak& app) {
    LayoutExteriorPanel(app);
    ClearResults(app);
  };

  // Layer rows.
  for (int n = 1; n <= 6; ++n) {
    click[Numbered("RBAislante", n)] = [n](Brenak& app) { MarkInsulationLayer(app, n); };
    click[Numbered("Edit", n, "k")] = [n](Brenak& app) { EnterLayerConductivity(app, n); };
    click[Numbered("Edit", n, "RT")] = [n](Brenak& app) { EnterLayerResistance(app, n); };
    click[Numbered("ENombre", n)] = ClearResults;
    click[Numbered("Edit", n, "e")] = ClearResults;
    click[Numbered("Editrv", n)] = ClearResults;
  }
  click["EditkCaja"] = EnterBoxConductivity;
  click["EditRTCaja"] = EnterBoxResistance;

  // Any other input touched makes the results on the window stale.
  for (const char* field : {"EditTi",
                            "EditFiI",
                            "EditTe",
                            "EditFiE",
                            "EditTsuelo",
                            "EditAnchura",
                            "EditAlthi",
                            "EditAlthe",
                            "Editemisionhi",
                            "Editemisionhe",
                            "Editvelhi",
                            "Editvelhe",
                            "EditCoefInt",
                            "EditCoefext",
                            "Editr0",
                            "EditeCaja",
                            "EditDensidad",
                            "EditProfundidad",
                            "EditHumedad",
                            "EditkTerreno",
                            "EditCondicionQ",
                            "EditCondicionPor",
                            "EditCondicionRT",
                            "EditCondicionTe",
                            "EditTf",
                            "EditLong",
                            "EditCondicionTCong",
                            "EditCondicionPorCong",
                            "EditInf",
                            "EditOpor",
                            "EditNa",
                            "EditNh",
                            "EditCET",
                            "EditCI1",
                            "EditCI2",
                            "EditEsp1",
                            "EditEsp2"})
    click[field] = ClearResults;

  r.changes["ComboBox1"] = LayoutAndClear;
  r.changes["ComboBoxCaja"] = ApplyBoxMaterial;
  return r;
}

const Routes& RouteTable() {
  static const Routes routes = BuildRoutes();
  return routes;
}

}  // namespace

void HandleFormEvent(Brenak& app, const QString& name, FormEvent event) {
  const Routes& routes = RouteTable();
  switch (event) {
    case FormEvent::Click: {
      auto it = routes.clicks.constFind(name);
      if (it != routes.clicks.constEnd()) (*it)(app);
      break;
    }
    case FormEvent::Change: {
      auto it = routes.changes.constFind(name);
      if (it != routes.changes.constEnd()) (*it)(app);
      break;
    }
    case FormEvent::Leave:
      // Every field checks its value when left; one without a value kind keeps it.
      if (app.form.Has(name) && app.form.At(name).type == ControlType::Edit) LeaveField(app, name);
      break;
  }
}

void InstallEventHandlers(Brenak& app) {
  app.form.reaction = [&app](const QString& name, FormEvent event) { HandleFormEvent(app, name, event); };
  FollowPrintCommand(app);
  // The user's own changes of an input change the case; the program's
  // selections (the lists of the choosers, say) do not.
  app.form.userEdited = [&app](const QString& name) {
    if (!InChooserPanel(app.form, name)) app.SetModified(true);
  };
}
