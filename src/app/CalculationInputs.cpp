#include "app/CalculationInputs.h"

#include "form/NumberFormat.h"
#include "form/WindowState.h"

CalcInputs ReadCalcInputs(const WindowState& app) {
  const Form& f = app.form;
  auto num = [&](const char* name) { return ParseNumber(f.Text(name)); };
  CalcInputs in;
  in.kind = app.kind;
  in.plateOrientation = f.Index("RGTipoPared");
  in.pipePlacing = f.Index("RGTipoTuberias");
  in.specialVariant = f.Index("RGTipoOtros");
  in.thicknessTarget = app.ThicknessTarget();
  in.condition = in.thicknessTarget && !app.IsTank()
                     ? ConditionOfRow(in.kind, app.IsPipeInAir(), app.ConditionIndex())
                     : DesignCondition::None;

  in.Ti = num("EditTi");
  in.Te = num("EditTe");
  in.soilTemperature = num("EditTsuelo");
  in.interiorHumidity = num("EditFiI");
  in.exteriorHumidity = num("EditFiE");

  in.interiorMode = static_cast<SurfaceCoefMode>(f.Index("RGhi"));
  in.exteriorMode = static_cast<SurfaceCoefMode>(f.Index("RGhe"));
  in.interiorCoef = num("EditCoefInt");
  in.exteriorCoef = num("EditCoefext");
  in.interiorEmission = num("Editemisionhi");
  in.exteriorEmission = num("Editemisionhe");
  in.interiorVelocity = num("Editvelhi");
  in.exteriorVelocity = num("Editvelhe");
  in.interiorHeight = num("EditAlthi");
  in.ductWidth = num("EditAnchura");
  in.exteriorLength = num("EditAlthe");
  in.interiorHeightShown = f.Visible("EditAlthi");
  in.ductWidthShown = f.Visible("EditAnchura");
  in.surroundings = f.Index("RGAmbientehe");

  in.interiorDiameter = num("Editr0");
  in.layerCount = app.LayerCount();
  for (int i = 1; i <= 6; ++i) {
    const QString row = QString::number(i);
    LayerInput& layer = in.layers[i];
    layer.thickness = ParseNumber(f.Text("Edit" + row + "e"));
    layer.conductivityEntered = f.IsEntered("Edit" + row + "k");
    layer.resistanceEntered = f.IsEntered("Edit" + row + "RT");
    layer.conductivity = ParseNumber(f.Text("Edit" + row + "k"));
    layer.resistance = ParseNumber(f.Text("Edit" + row + "RT"));
    layer.vapourResistivity = ParseNumber(f.Text("Editrv" + row));
    layer.marked = f.Checked("RBAislante" + row);
  }

  in.boxMode = f.IsEntered("EditRTCaja") ? 2 : f.Index("ComboBoxCaja");
  in.boxSize = num("EditeCaja");
  in.boxConductivity = num("EditkCaja");
  in.boxResistance = num("EditRTCaja");
  in.soilMode = f.Index("RadioGroupTerreno");
  in.soilConductivity = num("EditkTerreno");
  in.depth = num("EditProfundidad");
  in.soilDensity = num("EditDensidad");
  in.soilHumidity = num("EditHumedad");

  in.wantedHeatFlow = num("EditCondicionQ");
  in.wantedPercentage = num("EditCondicionPor");
  in.wantedResistance = num("EditCondicionRT");
  in.wantedExteriorSurface = num("EditCondicionTe");
  in.wantedInteriorSurface = num("EditCondicionTi");
  in.wantedFinalTemperature = num("EditTf");
  in.finalTemperatureLength = num("EditLong");
  in.freezingHours = num("EditCondicionTCong");
  in.frozenPercentage = num("EditCondicionPorCong");

  in.inflation = num("EditInf");
  in.opportunity = num("EditOpor");
  in.lifeYears = num("EditNa");
  in.hoursPerYear = num("EditNh");
  in.energyCost = num("EditCET");
  in.thickness1 = num("EditEsp1");
  in.cost1 = num("EditCI1");
  in.thickness2 = num("EditEsp2");
  in.cost2 = num("EditCI2");

  in.length = num("EditLongitud");
  in.waterEstimate = f.Index("RadioGroupTempAgua") == 0;
  in.airEstimate = f.Index("RadioGroupTempAire") == 0;
  in.condensationStudy = f.Index("RadioGroupCondensacion") == 0;
  in.interiorLaminar = app.interiorLaminar;
  in.exteriorLaminar = app.exteriorLaminar;
  return in;
}
