// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Choosers.h"

#include "app/Brenak.h"
#include "data/ReferenceTables.h"
#include "form/NumberFormat.h"
#include "layout/ClearResults.h"
#include "layout/GeometryLayout.h"
#include "layout/LayerFields.h"

namespace {

const QString kMaterialPanel = QStringLiteral("PMateriales");
const QString kInsulationList = QStringLiteral("RGAislantes");
const QString kPipeMaterialList = QStringLiteral("RGMatTuberias");
const QString kPlateMaterialList = QStringLiteral("RGMatPlacas");
const QString kInsulationApply = QStringLiteral("SpeedButton17");

// The selected row of a list, when it names an entry of the table.
template <typename Entry>
const Entry* Selected(const Form& form, const QString& list, const std::vector<Entry>& table) {
  const int row = form.Index(list);
  if (row < 0 || row >= static_cast<int>(table.size())) return nullptr;
  return &table[row];
}

// A layer that receives a conductivity is described by it from then on: had its
// resistance stayed the entered value, the chosen material would be dropped
// silently and the next calculation would use the old resistance.
void DescribeByConductivity(Brenak& app, int layer) {
  if (app.form.IsComputed("Edit" + QString::number(layer) + "k")) EnterLayerConductivity(app, layer);
}

// What "Aplicar" leaves: a chosen value that changes an input makes the results
// stale, as typing it would, and the case changed; the keyboard goes to the
// field the chooser wrote.
void AfterApplying(Brenak& app, bool changed, const QString& written) {
  if (changed) {
    ClearResults(app);
    app.SetModified(true);
  }
  if (!written.isEmpty() && app.form.Visible(written)) app.form.RequestFocus(written, true);
}

// Sets a field's text; true when it changed.
bool Write(Form& form, const QString& name, const QString& text) {
  if (form.Text(name) == text) return false;
  form.SetText(name, text);
  return true;
}

}  // namespace

void ApplyMaterialToLayer(Brenak& app, int layer, const MaterialEntry& material) {
  if (layer < 1 || layer > 6) return;
  const QString row = QString::number(layer);
  const bool wasComputed = app.form.IsComputed("Edit" + row + "k");
  DescribeByConductivity(app, layer);
  bool changed = wasComputed;
  changed |= Write(app.form, "ENombre" + row, material.layerName);
  changed |= Write(app.form, "Edit" + row + "k", FormatFixed(material.conductivity, 6, 3));
  changed |= Write(app.form, "Editrv" + row, FormatFixed(material.vapourResistivity, 6, 2));
  AfterApplying(app, changed, "Edit" + row + "k");
}

void OpenMaterialChooser(Brenak& app, int layer, bool markShown, bool markSet) {
  Form& form = app.form;
  form.Show(kMaterialPanel);
  form.Hide(kInsulationList);
  form.Hide(kPipeMaterialList);
  form.Hide(kPlateMaterialList);
  const QString& kindList = app.IsPipe() ? kPipeMaterialList : kPlateMaterialList;
  if (markShown) {
    form.Hide(kInsulationApply);
    form.Show(markSet ? kInsulationList : kindList);
  } else {
    form.Show(kInsulationApply);
    form.Show(kInsulationList);
    form.Show(kindList);
  }
  app.chooserTarget = layer;
  app.materialTarget = layer;
}

void ApplyMaterialChooser(Brenak& app, bool insulationButton) {
  Form& form = app.form;
  const MaterialEntry* chosen = nullptr;
  if (insulationButton) {
    chosen = Selected(form, kInsulationList, InsulatingMaterials());
  } else if (!form.Visible(kInsulationApply) && form.Visible(kInsulationList)) {
    chosen = Selected(form, kInsulationList, InsulatingMaterials());
  } else if (form.Visible(kPipeMaterialList)) {
    chosen = Selected(form, kPipeMaterialList, PipeMaterials());
  } else if (form.Visible(kPlateMaterialList)) {
    chosen = Selected(form, kPlateMaterialList, PlateMaterials());
  }
  form.Hide(kMaterialPanel);
  if (chosen) ApplyMaterialToLayer(app, app.materialTarget, *chosen);
}

void OpenPipeSizeChooser(Brenak& app) {
  app.form.Show(QStringLiteral("PEleccionTub"));
  ShowPipeSizeList(app);
}

void ShowPipeSizeList(Brenak& app) {
  const int family = app.form.Index(QStringLiteral("RGTuberias"));
  for (int i = 0; i < kPipeFamilies; ++i) app.form.SetVisible(PipeSizeList(i), i == family);
}

void ApplyPipeSize(Brenak& app) {
  Form& form = app.form;
  form.Hide(QStringLiteral("PEleccionTub"));
  // Two layers; the combo box reacts to the user only, the layout below refreshes the rows.
  const int layersBefore = app.LayerCount();
  form.SelectRow(QStringLiteral("ComboBox1"), 1);

  bool changed = layersBefore != app.LayerCount();
  const int family = form.Index(QStringLiteral("RGTuberias"));
  if (const PipeSizeEntry* size = Selected(form, PipeSizeList(family), PipeSizes(family))) {
    changed |= form.IsComputed(QStringLiteral("Edit1k"));
    DescribeByConductivity(app, 1);
    changed |= Write(form, QStringLiteral("Editr0"), FormatFixed(size->interiorDiameter, 6, 2));
    changed |= Write(form, QStringLiteral("ENombre1"), size->layerName);
    changed |= Write(form, QStringLiteral("Edit1e"), FormatFixed(size->wallThickness, 6, 2));
    changed |= Write(form, QStringLiteral("Edit1k"), size->conductivity);
  }

  changed |= !form.Checked(QStringLiteral("RBAislante2"));
  form.SetChecked(QStringLiteral("RBAislante2"), true);
  ApplyGeometryLayout(app);
  AfterApplying(app, changed, QStringLiteral("Editr0"));
}

void OpenEmissionChooser(Brenak& app, int target) {
  app.form.Show(QStringLiteral("PCoefEmision"));
  app.chooserTarget = target;
  app.emissionTarget = target;
}

void ApplyEmission(Brenak& app) {
  Form& form = app.form;
  if (const EmissionEntry* surface = Selected(form, QStringLiteral("RGCoefEmision"), EmissionCoefficients())) {
    const QString value = FormatFixed(surface->coefficient, 6, 2);
    const QString field = app.emissionTarget == 1   ? QStringLiteral("Editemisionhi")
                          : app.emissionTarget == 2 ? QStringLiteral("Editemisionhe")
                                                    : QString();
    form.Hide(QStringLiteral("PCoefEmision"));
    if (!field.isEmpty()) AfterApplying(app, Write(form, field, value), field);
    return;
  }
  form.Hide(QStringLiteral("PCoefEmision"));
}

void ShowSoilTemperatures(Brenak& app) {
  Form& form = app.form;
  form.Show(QStringLiteral("PanelTTerreno"));
  for (int z = 0; z < kSoilZones; ++z) form.SetText("LabelM" + SoilZoneName(z), FormatFixed(SoilMean(z), 4, 2));
  for (int z = 0; z < kSoilZones; ++z) form.SetText("LabelO" + SoilZoneName(z), FormatFixed(SoilOscillation(z), 4, 2));
  for (int z = 0; z < kSoilZones; ++z)
    for (int m = 1; m <= 12; ++m)
      form.SetText("Label" + SoilZoneName(z) + QString::number(m), FormatFixed(SoilTemperature(z, m), 4, 2));
}
