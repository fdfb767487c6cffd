// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/GeometryLayout.h"

#include "form/NumberFormat.h"
#include "form/WindowState.h"
#include "layout/LayerFields.h"

#include <QCoreApplication>

namespace {

// The texts of this file are translated where they are used, so they follow
// the language the program speaks.

// Captions of the resistance column, per unit of the element.
QString ResistancePerArea() {
  return QCoreApplication::translate("GeometryLayout", "Resistencia     térmica       (m2ºC/W)");
}
QString ResistancePerLength() {
  return QCoreApplication::translate("GeometryLayout", "Resistencia     térmica       (mºC/W)");
}
QString ResistanceSphere() {
  return QCoreApplication::translate("GeometryLayout", "Resistencia     térmica        (ºC/W)");
}

// Captions of the size fields of the coefficient panels.
QString Height() { return QCoreApplication::translate("GeometryLayout", "  Altura                m"); }
QString Width() { return QCoreApplication::translate("GeometryLayout", "Anchura              m"); }
QString Length() { return QCoreApplication::translate("GeometryLayout", "Longitud              m"); }
QString DuctWidth() { return QCoreApplication::translate("GeometryLayout", "  Anchura                m"); }
QString InteriorWidthReset() { return QCoreApplication::translate("GeometryLayout", " Anchura                m"); }

QStringList CoefAir() {
  return {QCoreApplication::translate("GeometryLayout", "Imponer"),
          QCoreApplication::translate("GeometryLayout", "Despreciar"),
          QCoreApplication::translate("GeometryLayout", "Calcular (aire)")};
}
QStringList CoefWater() {
  return {QCoreApplication::translate("GeometryLayout", "Imponer"),
          QCoreApplication::translate("GeometryLayout", "Despreciar"),
          QCoreApplication::translate("GeometryLayout", "Calcular (agua)")};
}
QStringList CoefNoCalc() {
  return {QCoreApplication::translate("GeometryLayout", "Imponer"),
          QCoreApplication::translate("GeometryLayout", "Despreciar")};
}

// Clears and refills a coefficient list, keeping its row; a row the new list
// lacks becomes `fallback`.
void RebuildCoefList(Form& form, const QString& name, const QStringList& items, int fallback = -1) {
  int row = form.Index(name);
  if (fallback >= 0 && row >= items.size()) row = fallback;
  form.RebuildItems(name, items, row);
}

void ShowInteriorVelocity(Form& form) { form.Show({"Editvelhi", "Labelvelhi"}); }
void ShowExteriorVelocity(Form& form) { form.Show({"Editvelhe", "Labelvelhe"}); }

void ResetLayout(WindowState& app) {
  Form& form = app.form;
  form.Show({"Label19", "EditTi", "Label11", "EditTe", "Label12", "EditTsuelo", "Label30", "PanelExterior"});
  form.SetText("LabelTituloExt", QCoreApplication::translate("GeometryLayout", "Exterior"));

  form.Hide({"RadioGroupCondensacion", "LabelDistTr", "Label9"});
  for (int i = 0; i <= 6; ++i) form.Hide("LTR" + QString::number(i));
  for (int i = 1; i <= 6; ++i) form.Hide("Editrv" + QString::number(i));
  form.Hide({"RadioGroupTempAgua", "RadioGroupTempAire", "EditLongitud", "LabelLongitud", "SBRadio", "Editr0",
             "LabelDiaInt", "EditFiI", "LabelHrI", "EditFiE", "LabelHrE", "SpeedButton26"});
  form.Hide({"ImagePared", "ImageSuelo", "ImageTecho", "ImageTuberia", "ImageTuberiaEnterrada",
             "ImageTuberiaEnterradaCaja", "ImageEsfera", "ImageConducto", "ImageDepositoV", "ImageDepositoH"});
  // The special kind's strip goes with its list; only a special element shows it.
  form.Hide({"RGTipoPared", "RGTipoTuberias", "RGTipoOtros", "PanelEspecial"});
  form.Hide({"RadioGroupCondicionP", "RadioGroupCondicionT", "RadioGroupCondicionTE", "RadioGroupCondicionE",
             "RadioGroupConductos", "RadioGroupDepositos", "PanelCondicion"});
  form.Hide({"EditCondicionQ", "EditCondicionPor", "EditCondicionRT", "EditCondicionTe", "EditCondicionTi",
             "EditCondicionTCong", "EditCondicionPorCong", "EditTf", "EditLong", "GroupBoxEco"});
  form.Hide({"ComboBoxCaja", "LabelCaja", "EditeCaja", "EditkCaja", "EditRTCaja", "LTCaja", "PanelTerreno"});
}

// The final water temperature proposed for condition 6 of a pipe in air: just
// below the interior temperature. A project being opened keeps its own value,
// and no proposal is made from an interior temperature that is no number.
void ProposeFinalTemperature(WindowState& app) {
  if (app.projectLoading || app.projectLoading.JustOpened()) return;
  const std::optional<float> ti = TryParseNumber(app.form.Text("EditTi"));
  if (!ti) return;
  app.form.SetText("EditTf", FormatFixed(static_cast<double>(*ti) - 0.01, 6, 2));
}

QString NoDuctCondition() {
  return QCoreApplication::translate(
      "GeometryLayout",
      "El espesor de aislamiento de un conducto se calcula para un flujo de calor, una reducción "
      "o una resistencia térmica");
}
QString NoTankThickness() {
  return QCoreApplication::translate(
      "GeometryLayout",
      "El programa no calcula el espesor de aislamiento de un depósito: calcule el flujo de calor con "
      "el espesor que elija");
}

enum class ConditionCase { Plate, PipeInAir, BuriedPipe, Sphere, Duct };

// The fields of the design condition in force (thickness target only).
void ShowConditionFields(WindowState& app, ConditionCase which, int condition) {
  Form& form = app.form;
  const bool interiorCalculated = form.Index("RGhi") >= 2;
  const bool exteriorCalculated = form.Index("RGhe") >= 2;
  switch (condition) {
    case 0: form.Show("EditCondicionQ"); break;
    case 1: form.Show("EditCondicionPor"); break;
    case 2:
      // A resistance or overall coefficient with no calculated surface
      // coefficient needs no temperatures.
      form.Show("EditCondicionRT");
      switch (which) {
        case ConditionCase::Plate:
        case ConditionCase::PipeInAir:
          if (!interiorCalculated && !exteriorCalculated) form.Hide({"EditTi", "Label11", "EditTe", "Label12"});
          break;
        case ConditionCase::BuriedPipe:
          if (!interiorCalculated) form.Hide({"EditTi", "Label11", "EditTsuelo", "Label30", "SpeedButton26"});
          break;
        case ConditionCase::Sphere: form.Hide({"EditTi", "Label11", "EditTe", "Label12"}); break;
        case ConditionCase::Duct: break;
      }
      break;
    case 3:
      // The cost points are prices of a square metre of insulation for every
      // kind (Label29 says so): the economic thickness multiplies them by the
      // insulation's outer surface.
      form.Show("GroupBoxEco");
      break;
    case 4:
      if (which != ConditionCase::BuriedPipe) form.Show("EditCondicionTe");
      break;
    case 5:
      if (which != ConditionCase::BuriedPipe) form.Show({"EditFiE", "LabelHrE"});
      break;
    case 6:
      if (which == ConditionCase::Plate) {
        form.Show("EditCondicionTi");
      } else if (which == ConditionCase::PipeInAir) {
        ProposeFinalTemperature(app);
        form.Show({"EditTf", "EditLong"});
      }
      break;
    case 7:
      if (which == ConditionCase::Plate)
        form.Show({"EditFiI", "LabelHrI"});
      else if (which == ConditionCase::PipeInAir)
        form.Show({"EditCondicionTCong", "EditCondicionPorCong"});
      break;
    default: break;
  }
}

void LayoutPlate(WindowState& app) {
  Form& form = app.form;
  RebuildCoefList(form, "RGhi", CoefAir());
  RebuildCoefList(form, "RGhe", CoefAir());
  form.SetText("LabelResisT", ResistancePerArea());

  form.Show("RGTipoPared");
  switch (form.Index("RGTipoPared")) {
    case 1: form.Show("ImageSuelo"); break;
    case 2: form.Show("ImageTecho"); break;
    default: form.Show("ImagePared"); break;
  }

  if (app.ThicknessTarget()) {
    form.Show({"RadioGroupCondicionP", "PanelCondicion"});
    ShowConditionFields(app, ConditionCase::Plate, form.Index("RadioGroupCondicionP"));
    return;
  }
  form.Show("RadioGroupCondensacion");
  if (form.Index("RadioGroupCondensacion") != 0) return;
  // The interstitial condensation study: humidities, dew points and the
  // vapour resistivities of the rows in use.
  form.Show({"LabelDistTr", "EditFiI", "LabelHrI", "EditFiE", "LabelHrE", "Label9", "LTR0", "LTR1", "Editrv1"});
  for (int i = 2; i <= app.LayerCount(); ++i) {
    form.Show("LTR" + QString::number(i));
    form.Show("Editrv" + QString::number(i));
  }
}

void LayoutPipe(WindowState& app) {
  Form& form = app.form;
  const bool buried = app.IsBuriedPipe();
  RebuildCoefList(form, "RGhi", CoefWater());
  if (!buried) RebuildCoefList(form, "RGhe", CoefAir());
  form.SetText("LabelResisT", ResistancePerLength());

  form.Show("RGTipoTuberias");
  if (!buried)
    form.Show("ImageTuberia");
  else if (app.IsPipeInBox())
    form.Show("ImageTuberiaEnterradaCaja");
  else
    form.Show("ImageTuberiaEnterrada");
  form.Show({"SBRadio", "Editr0", "LabelDiaInt"});

  if (buried) {
    form.SetText("LabelTituloExt", QCoreApplication::translate("GeometryLayout", "Terreno"));
    form.Hide("PanelExterior");
    form.Show("PanelTerreno");
    if (app.IsPipeInBox()) {
      form.Show({"ComboBoxCaja", "LabelCaja", "EditeCaja", "EditkCaja", "EditRTCaja", "LTCaja"});
      // An air box has no conductivity, nor has a box given by its resistance.
      const bool byResistance = form.IsEntered("EditRTCaja");
      form.SetState("EditkCaja",
                    form.Index("ComboBoxCaja") == 1 || byResistance ? FieldState::Computed : FieldState::Entered);
    }
  } else {
    form.Show("PanelExterior");
    form.Hide("PanelTerreno");
  }

  if (app.ThicknessTarget()) {
    const QString list = buried ? QStringLiteral("RadioGroupCondicionTE") : QStringLiteral("RadioGroupCondicionT");
    form.Show(list);
    form.Show("PanelCondicion");
    if (buried) form.Show("SpeedButton26");
    ShowConditionFields(app, buried ? ConditionCase::BuriedPipe : ConditionCase::PipeInAir, form.Index(list));
    return;
  }
  form.Show("RadioGroupTempAgua");
  if (form.Index("RadioGroupTempAgua") == 0) form.Show({"EditLongitud", "LabelLongitud"});
}

void LayoutSphere(WindowState& app) {
  Form& form = app.form;
  // A sphere's coefficients cannot be calculated.
  RebuildCoefList(form, "RGhi", CoefNoCalc(), 1);
  RebuildCoefList(form, "RGhe", CoefNoCalc(), 0);
  form.SetText("LabelResisT", ResistanceSphere());

  form.Show({"ImageEsfera", "Editr0", "LabelDiaInt"});
  if (app.ThicknessTarget()) {
    form.Show({"RadioGroupCondicionE", "PanelCondicion"});
    ShowConditionFields(app, ConditionCase::Sphere, form.Index("RadioGroupCondicionE"));
  }
}

void LayoutSpecial(WindowState& app) {
  Form& form = app.form;
  const bool tank = app.IsTank();
  // A tank's interior coefficient cannot be calculated.
  if (tank)
    RebuildCoefList(form, "RGhi", CoefNoCalc(), 1);
  else
    RebuildCoefList(form, "RGhi", CoefAir());
  RebuildCoefList(form, "RGhe", CoefAir());
  // A tank's wall is counted per metre, like a pipe's; a duct's per m2.
  form.SetText("LabelResisT", tank ? ResistancePerLength() : ResistancePerArea());

  form.Show({"PanelEspecial", "RGTipoOtros"});
  // The thickness of a duct is found for a heat flow, a percentage or a
  // resistance; its other conditions, and every thickness of a tank, the
  // program does not calculate, so they cannot be chosen.
  for (int row = 3; row < form.At("RadioGroupConductos").items.size(); ++row)
    form.SetItemEnabled("RadioGroupConductos", row, false, NoDuctCondition());
  if (app.ThicknessTarget() && !tank) {
    form.Show({"RadioGroupConductos", "PanelCondicion"});
    ShowConditionFields(app, ConditionCase::Duct, form.Index("RadioGroupConductos"));
  }
  if (tank) {
    form.Show(form.Index("RGTipoOtros") == 2 ? "ImageDepositoH" : "ImageDepositoV");
    form.Show({"Editr0", "LabelDiaInt", "EditLongitud", "LabelLongitud"});
    return;
  }
  form.Show({"ImageConducto", "RadioGroupTempAire"});
  if (form.Index("RadioGroupTempAire") == 0) form.Show({"EditLongitud", "LabelLongitud"});
}

}  // namespace

void ApplyGeometryLayout(WindowState& app) {
  if (app.projectLoading) return;
  UpdateLayerFields(app);
  ResetLayout(app);
  app.form.SetItemEnabled("RadioGroupCalcular", 1, !app.IsTank(), app.IsTank() ? NoTankThickness() : QString());
  switch (app.kind) {
    case GeometryKind::Plate: LayoutPlate(app); break;
    case GeometryKind::Pipe: LayoutPipe(app); break;
    case GeometryKind::Sphere: LayoutSphere(app); break;
    case GeometryKind::Special: LayoutSpecial(app); break;
  }
  LayoutExteriorPanel(app);
  LayoutInteriorPanel(app);
}

void LayoutInteriorPanel(WindowState& app) {
  Form& form = app.form;
  form.Hide({"EditAnchura", "LabelAnchura", "EditAlthi", "LabelAlthi", "Editemisionhi", "Labelemisionhi",
             "SpeedButton21", "Editvelhi", "Labelvelhi", "EditCoefInt", "Labelhi", "Edithci", "Labelhci", "Edithri",
             "Labelhrri"});
  form.SetText("LabelAnchura", InteriorWidthReset());

  switch (form.Index("RGhi")) {
    case 0:
      form.Show({"PCoefInt", "Labelhi", "EditCoefInt"});
      form.SetState("EditCoefInt", FieldState::Entered);
      break;
    case 1: form.Hide("PCoefInt"); break;
    case 2:
      form.Show({"EditCoefInt", "Labelhi", "Edithci", "Labelhci", "Edithri", "Labelhrri"});
      if (app.IsSphere()) break;
      form.Show("PCoefInt");
      form.SetState("EditCoefInt", FieldState::Computed);
      if (app.IsPlate()) {
        form.Show({"Editemisionhi", "Labelemisionhi", "SpeedButton21", "EditAlthi", "LabelAlthi"});
        form.SetText("LabelAlthi", form.Index("RGTipoPared") != 0 ? Width() : Height());
      } else if (app.IsPipe()) {
        ShowInteriorVelocity(form);
      } else {
        ShowInteriorVelocity(form);
        form.SetText("LabelAlthi", Height());
      }
      break;
    default: break;
  }

  if (app.IsPipe()) {
    // The water velocity also serves the final water temperature, estimated
    // after a heat-flow calculation or asked for as a design condition.
    form.Show("PCoefInt");
    if (form.Index("RadioGroupTempAgua") == 0) ShowInteriorVelocity(form);
    if (app.IsPipeInAir() && app.ThicknessTarget() && app.ConditionIndex() == 6) ShowInteriorVelocity(form);
  } else if (app.IsSpecial()) {
    form.Show("PCoefInt");
    if (app.IsDuct()) {
      form.Show({"EditAlthi", "LabelAlthi", "EditAnchura", "LabelAnchura"});
      form.SetText("LabelAlthi", Height());
      form.SetText("LabelAnchura", DuctWidth());
      if (form.Index("RadioGroupTempAire") == 0) ShowInteriorVelocity(form);
    }
  }
}

void LayoutExteriorPanel(WindowState& app) {
  Form& form = app.form;
  form.Hide({"EditDensidad",    "LabelDensidad",    "EditHumedad",  "LabelHumedad", "EditkTerreno", "LabelkTerreno",
             "EditProfundidad", "LabelProfundidad", "RGAmbientehe", "EditAlthe",    "LabelAlthe",   "Editemisionhe",
             "Labelemisionhe",  "SpeedButton22",    "Editvelhe",    "Labelvelhe",   "EditCoefext",  "Labelhe",
             "Edithce",         "Labelhce",         "Edithre",      "Labelhrre"});

  if (app.IsBuriedPipe()) {
    form.Hide("PanelExterior");
    form.Show({"PanelTerreno", "EditkTerreno", "LabelkTerreno", "EditProfundidad", "LabelProfundidad"});
    if (form.Index("RadioGroupTerreno") == 1) {
      // The soil conductivity is worked out from its density and humidity.
      form.Show({"EditDensidad", "LabelDensidad", "EditHumedad", "LabelHumedad"});
      form.SetState("EditkTerreno", FieldState::Computed);
    } else {
      form.SetState("EditkTerreno", FieldState::Entered);
    }
    return;
  }

  form.Show("PanelExterior");
  form.Hide("PanelTerreno");
  switch (form.Index("RGhe")) {
    case 0:
      form.Show({"PCoefExt", "Labelhe", "EditCoefext"});
      form.SetState("EditCoefext", FieldState::Entered);
      break;
    case 1: form.Hide("PCoefExt"); break;
    case 2: {
      form.Show({"EditCoefext", "Labelhe", "Edithce", "Labelhce", "Edithre", "Labelhrre", "PCoefExt", "Editemisionhe",
                 "Labelemisionhe", "SpeedButton22"});
      form.SetState("EditCoefext", FieldState::Computed);
      const bool outdoors = form.Index("RGAmbientehe") == 1;
      if (app.IsPlate()) {
        form.Show({"RGAmbientehe", "EditAlthe", "LabelAlthe"});
        if (outdoors) {
          form.SetText("LabelAlthe", Length());
          ShowExteriorVelocity(form);
        } else {
          form.SetText("LabelAlthe", form.Index("RGTipoPared") != 0 ? Width() : Height());
        }
      } else if (app.IsPipe()) {
        form.Show("RGAmbientehe");
        if (outdoors) ShowExteriorVelocity(form);
      } else if (app.IsSpecial()) {
        // A duct keeps its surroundings list hidden but still reads it.
        if (app.IsTank()) form.Show("RGAmbientehe");
        if (outdoors) ShowExteriorVelocity(form);
      }
      break;
    }
    default: break;
  }
}
