// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowFixture.h"
#include "layout/ClearResults.h"
#include "layout/GeometryLayout.h"

namespace {

const char* const kSummaryControls =
    "RGTipoPared RGTipoTuberias RGTipoOtros PanelEspecial Editr0 SBRadio PanelExterior PanelTerreno "
    "RadioGroupCondensacion Editrv1 PanelCondicion SpeedButton26 RadioGroupTempAgua RadioGroupTempAire "
    "EditLongitud ComboBoxCaja";
const char* const kPictures =
    "ImagePared ImageSuelo ImageTecho ImageTuberia ImageTuberiaEnterrada ImageTuberiaEnterradaCaja ImageEsfera "
    "ImageConducto ImageDepositoV ImageDepositoH";
const char* const kConditionLists =
    "RadioGroupCondicionP RadioGroupCondicionT RadioGroupCondicionTE RadioGroupCondicionE RadioGroupConductos "
    "RadioGroupDepositos";

// Case by case: the main controls, the picture and the condition list shown.
struct SummaryCase {
  const char* name;
  std::vector<const char*> steps;
  const char* shown;  // among kSummaryControls
  const char* picture;
  const char* conditionList;
};

class LayoutSummary : public WindowTest, public ::testing::WithParamInterface<SummaryCase> {
 protected:
  void Check() {
    EXPECT_EQ(Shown(kSummaryControls), GetParam().shown);
    EXPECT_EQ(Shown(kPictures), GetParam().picture);
    EXPECT_EQ(Shown(kConditionLists), GetParam().conditionList);
  }
};

TEST_P(LayoutSummary, FromStart) {
  Do(GetParam().steps);
  Check();
}

// Nothing of an earlier case may stay on the window.
TEST_P(LayoutSummary, AfterABuriedPipeInABox) {
  Do({"SpeedButton4", "RGTipoTuberias=3", "RadioGroupCondicionTE=3"});
  Do(GetParam().steps);
  Check();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LayoutSummary,
    ::testing::Values(
        SummaryCase{"PlateHeatFlow",
                    {"SpeedButton2", "RGTipoPared=0", "RadioGroupCalcular=0"},
                    "RGTipoPared PanelExterior RadioGroupCondensacion",
                    "ImagePared",
                    ""},
        SummaryCase{"PlateCondensationStudy",
                    {"SpeedButton2", "RGTipoPared=2", "RadioGroupCalcular=0", "RadioGroupCondensacion=0"},
                    "RGTipoPared PanelExterior RadioGroupCondensacion Editrv1",
                    "ImageTecho",
                    ""},
        SummaryCase{"PlateThickness",
                    {"SpeedButton2", "RGTipoPared=1", "RadioGroupCalcular=1"},
                    "RGTipoPared PanelExterior PanelCondicion",
                    "ImageSuelo",
                    "RadioGroupCondicionP"},
        SummaryCase{"PipeInAirHeatFlow",
                    {"SpeedButton4", "RGTipoTuberias=1", "RadioGroupCalcular=0"},
                    "RGTipoTuberias Editr0 SBRadio PanelExterior RadioGroupTempAgua",
                    "ImageTuberia",
                    ""},
        SummaryCase{"PipeInAirWaterEstimate",
                    {"SpeedButton4", "RGTipoTuberias=0", "RadioGroupCalcular=0", "RadioGroupTempAgua=0"},
                    "RGTipoTuberias Editr0 SBRadio PanelExterior RadioGroupTempAgua EditLongitud",
                    "ImageTuberia",
                    ""},
        SummaryCase{"PipeInAirThickness",
                    {"SpeedButton4", "RGTipoTuberias=0", "RadioGroupCalcular=1"},
                    "RGTipoTuberias Editr0 SBRadio PanelExterior PanelCondicion",
                    "ImageTuberia",
                    "RadioGroupCondicionT"},
        SummaryCase{"BuriedPipeHeatFlow",
                    {"SpeedButton4", "RGTipoTuberias=2", "RadioGroupCalcular=0", "RadioGroupTempAgua=0"},
                    "RGTipoTuberias Editr0 SBRadio PanelTerreno RadioGroupTempAgua EditLongitud",
                    "ImageTuberiaEnterrada",
                    ""},
        SummaryCase{"BuriedPipeInBoxThickness",
                    {"SpeedButton4", "RGTipoTuberias=3", "RadioGroupCalcular=1"},
                    "RGTipoTuberias Editr0 SBRadio PanelTerreno PanelCondicion SpeedButton26 ComboBoxCaja",
                    "ImageTuberiaEnterradaCaja",
                    "RadioGroupCondicionTE"},
        SummaryCase{
            "SphereHeatFlow", {"SpeedButton5", "RadioGroupCalcular=0"}, "Editr0 PanelExterior", "ImageEsfera", ""},
        SummaryCase{"SphereThickness",
                    {"SpeedButton5", "RadioGroupCalcular=1"},
                    "Editr0 PanelExterior PanelCondicion",
                    "ImageEsfera",
                    "RadioGroupCondicionE"},
        SummaryCase{"Duct",
                    {"SpeedButton23", "RGTipoOtros=0"},
                    "RGTipoOtros PanelEspecial PanelExterior RadioGroupTempAire",
                    "ImageConducto",
                    ""},
        SummaryCase{"DuctAirEstimateThickness",
                    {"SpeedButton23", "RGTipoOtros=0", "RadioGroupCalcular=1", "RadioGroupTempAire=0"},
                    "RGTipoOtros PanelEspecial PanelExterior PanelCondicion RadioGroupTempAire EditLongitud",
                    "ImageConducto",
                    "RadioGroupConductos"},
        SummaryCase{"VerticalTank",
                    {"SpeedButton23", "RGTipoOtros=1"},
                    "RGTipoOtros PanelEspecial Editr0 PanelExterior EditLongitud",
                    "ImageDepositoV",
                    ""},
        SummaryCase{"HorizontalTankThickness",
                    {"SpeedButton23", "RGTipoOtros=2", "RadioGroupCalcular=1"},
                    "RGTipoOtros PanelEspecial Editr0 PanelExterior EditLongitud",
                    "ImageDepositoH",
                    ""}),
    [](const auto& info) { return std::string(info.param.name); });

// The fields of every design condition (insulation thickness target), row by
// row of the kind's list, and the unit of the economic condition's cost points
// (a price per m2 of insulation for every kind).
struct ConditionCase {
  const char* name;
  std::vector<const char*> steps;
  const char* list;
  std::vector<const char*> fieldsPerRow;
  const char* costUnit;
};

const char* const kConditionFields =
    "EditCondicionQ EditCondicionPor EditCondicionRT GroupBoxEco EditCondicionTe EditFiE EditCondicionTi EditTf "
    "EditLong EditCondicionTCong EditCondicionPorCong EditFiI";

class ConditionFields : public WindowTest, public ::testing::WithParamInterface<ConditionCase> {};

TEST_P(ConditionFields, ShowTheTargetValueOfEachCondition) {
  Do(GetParam().steps);
  int row = 0;
  for (const char* fields : GetParam().fieldsPerRow) {
    form().UserSelect(GetParam().list, row++);
    EXPECT_EQ(Shown(kConditionFields), fields) << "row " << row - 1;
  }
  form().UserSelect(GetParam().list, 3);
  EXPECT_EQ(form().Text("Label29"), QString::fromLatin1(GetParam().costUnit));
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, ConditionFields,
    ::testing::Values(ConditionCase{"Plate",
                                    {},
                                    "RadioGroupCondicionP",
                                    {"EditCondicionQ", "EditCondicionPor", "EditCondicionRT", "GroupBoxEco",
                                     "EditCondicionTe", "EditFiE", "EditCondicionTi", "EditFiI"},
                                    "euros/m2"},
                      ConditionCase{
                          "PipeInAir",
                          {"SpeedButton4", "RGTipoTuberias=1"},
                          "RadioGroupCondicionT",
                          {"EditCondicionQ", "EditCondicionPor", "EditCondicionRT", "GroupBoxEco", "EditCondicionTe",
                           "EditFiE", "EditTf EditLong", "EditCondicionTCong EditCondicionPorCong"},
                          "euros/m2"},
                      ConditionCase{"BuriedPipe",
                                    {"SpeedButton4", "RGTipoTuberias=3"},
                                    "RadioGroupCondicionTE",
                                    {"EditCondicionQ", "EditCondicionPor", "EditCondicionRT", "GroupBoxEco"},
                                    "euros/m2"},
                      ConditionCase{"Sphere",
                                    {"SpeedButton5"},
                                    "RadioGroupCondicionE",
                                    {"EditCondicionQ", "EditCondicionPor", "EditCondicionRT", "GroupBoxEco",
                                     "EditCondicionTe", "EditFiE"},
                                    "euros/m2"}),
    [](const auto& info) { return std::string(info.param.name); });

using GeometryLayout = WindowTest;

// The resistance column is captioned in the unit its values have: a tank's wall
// is counted per metre like a pipe's, a duct's per m2 like a plate's.
TEST_F(GeometryLayout, ResistanceColumnTakesTheUnitOfTheElement) {
  const std::vector<std::pair<std::vector<const char*>, const char*>> steps = {
      {{"SpeedButton2"}, "(m2ºC/W)"},  {{"SpeedButton4"}, "(mºC/W)"},
      {{"SpeedButton5"}, "(ºC/W)"},    {{"SpeedButton23", "RGTipoOtros=1"}, "(mºC/W)"},
      {{"RGTipoOtros=0"}, "(m2ºC/W)"}, {{"RGTipoOtros=2"}, "(mºC/W)"},
  };
  for (const auto& [clicks, unit] : steps) {
    Do(clicks);
    EXPECT_TRUE(form().Text("LabelResisT").endsWith(QString::fromUtf8(unit)))
        << clicks.back() << ": " << form().Text("LabelResisT").toStdString();
  }
}

// A resistance target needs the temperatures only for a calculated coefficient.
TEST_F(GeometryLayout, ResistanceConditionHidesUnneededTemperatures) {
  Do({"RadioGroupCondicionP=2"});
  EXPECT_EQ(Shown("EditTi EditTe"), "");
  Do({"RGhe=2", "RadioGroupCondicionP=1", "RadioGroupCondicionP=2"});
  EXPECT_EQ(Shown("EditTi EditTe"), "EditTi EditTe");
  Do({"SpeedButton5", "RadioGroupCondicionE=2"});  // a sphere never needs them
  EXPECT_EQ(Shown("EditTi EditTe"), "");
  Do({"SpeedButton4", "RGTipoTuberias=2", "RadioGroupCondicionTE=2"});
  EXPECT_EQ(Shown("EditTi EditTsuelo SpeedButton26"), "");
}

TEST_F(GeometryLayout, SphereAndTankClampCoefficientModes) {
  Do({"RGhi=2", "RGhe=2", "SpeedButton5"});
  EXPECT_EQ(form().Index("RGhi"), 1);
  EXPECT_EQ(form().Index("RGhe"), 0);
  EXPECT_EQ(form().At("RGhi").items.size(), 2);
  EXPECT_EQ(form().Text("LabelResisT"), QStringLiteral("Resistencia     térmica        (ºC/W)"));
  Do({"SpeedButton2"});  // the clamped row stays when the rows come back
  EXPECT_EQ(form().At("RGhi").items.size(), 3);
  EXPECT_EQ(form().Index("RGhi"), 1);

  Do({"RGhi=2", "RGhe=2", "SpeedButton23", "RGTipoOtros=2"});
  EXPECT_EQ(form().Index("RGhi"), 1);
  EXPECT_EQ(form().Index("RGhe"), 2);
  EXPECT_TRUE(form().Visible("RGAmbientehe"));
  Do({"SpeedButton4"});
  EXPECT_EQ(form().At("RGhi").items.value(2), QStringLiteral("Calcular (agua)"));
  EXPECT_EQ(form().At("RGhe").items.value(2), QStringLiteral("Calcular (aire)"));
}

TEST_F(GeometryLayout, BuriedPipeNeglectsExteriorCoefficientForGood) {
  Do({"SpeedButton4", "RGTipoTuberias=3"});
  EXPECT_EQ(form().Index("RGhe"), 1);
  EXPECT_EQ(form().Text("LabelTituloExt"), QStringLiteral("Terreno"));
  Do({"RGTipoTuberias=0"});
  EXPECT_EQ(form().Index("RGhe"), 1);
  EXPECT_EQ(form().Text("LabelTituloExt"), QStringLiteral("Exterior"));
}

TEST_F(GeometryLayout, FinalWaterTemperatureIsProposedButNotOverAnOpenedOne) {
  Do({"SpeedButton4", "RadioGroupCondicionT=6"});
  EXPECT_EQ(form().Text("EditTf"), QStringLiteral("24,99"));

  // A project read from a file keeps its value through the layouts that
  // close the opening.
  app.projectLoading = true;
  form().SetText("EditTi", "40");
  form().SetText("EditTf", "30");
  app.projectLoading = false;
  ApplyGeometryLayout(app);
  form().SelectRow("RGhi", 1);
  ApplyGeometryLayout(app);
  ClearResults(app);
  app.projectLoading.EndOpening();
  EXPECT_EQ(form().Text("EditTf"), QStringLiteral("30"));

  Do({"ComboBox1=1"});  // the user's next layout proposes again
  EXPECT_EQ(form().Text("EditTf"), QStringLiteral("39,99"));
  form().SetText("EditTi", "abc");
  Do({"ComboBox1=0"});
  EXPECT_EQ(form().Text("EditTf"), QStringLiteral("39,99"));
}

TEST_F(GeometryLayout, TheFinalWaterTemperatureConditionShowsTheWaterVelocity) {
  Do({"SpeedButton4", "RadioGroupCondicionT=5"});
  EXPECT_EQ(Shown("Editvelhi Labelvelhi"), "");
  Do({"RadioGroupCondicionT=6"});
  EXPECT_EQ(Shown("Editvelhi Labelvelhi"), "Editvelhi Labelvelhi");
  Do({"RadioGroupCondicionT=7"});
  EXPECT_EQ(Shown("Editvelhi Labelvelhi"), "");
  // Buried, the pipe has no such condition.
  Do({"RadioGroupCondicionT=6", "RGTipoTuberias=2"});
  EXPECT_EQ(Shown("Editvelhi Labelvelhi"), "");
}

TEST_F(GeometryLayout, CalculatedCoefficientsShowTheirData) {
  Do({"RGhi=2", "RGhe=2"});
  EXPECT_TRUE(form().IsComputed("EditCoefInt") && form().IsComputed("EditCoefext"));
  EXPECT_EQ(Shown("Editemisionhi EditAlthi Editvelhi EditAnchura RGAmbientehe Editvelhe"),
            "Editemisionhi EditAlthi RGAmbientehe");
  EXPECT_EQ(form().Text("LabelAlthi"), QStringLiteral("  Altura                m"));
  Do({"RGTipoPared=1", "RGAmbientehe=1"});
  EXPECT_EQ(form().Text("LabelAlthi"), QStringLiteral("Anchura              m"));
  EXPECT_EQ(form().Text("LabelAlthe"), QStringLiteral("Longitud              m"));
  EXPECT_TRUE(form().Visible("Editvelhe"));

  Do({"SpeedButton23"});  // a duct: its height and width; outdoors wind
  EXPECT_EQ(Shown("EditAlthi EditAnchura RGAmbientehe Editvelhe"), "EditAlthi EditAnchura Editvelhe");
  EXPECT_EQ(form().Text("LabelAnchura"), QStringLiteral("  Anchura                m"));

  Do({"SpeedButton4", "RGTipoTuberias=2", "RadioGroupTerreno=1"});
  EXPECT_TRUE(form().IsComputed("EditkTerreno"));
  EXPECT_EQ(Shown("EditDensidad EditHumedad EditCoefext"), "EditDensidad EditHumedad");
}

TEST_F(GeometryLayout, ADuctOffersItsConditionsAndATankNoThickness) {
  Do({"SpeedButton23", "RadioGroupCalcular=1"});
  EXPECT_EQ(Shown("RadioGroupConductos EditCondicionQ EditCondicionPor EditCondicionRT"),
            "RadioGroupConductos EditCondicionQ");
  Do({"RadioGroupConductos=2"});
  EXPECT_EQ(Shown("EditCondicionQ EditCondicionPor EditCondicionRT"), "EditCondicionRT");
  // Rows the engine cannot meet for a duct cannot be chosen.
  Do({"RadioGroupConductos=3"});
  EXPECT_EQ(form().Index("RadioGroupConductos"), 2);
  EXPECT_FALSE(form().ItemEnabled("RadioGroupConductos", 4));
  EXPECT_FALSE(form().At("RadioGroupConductos").itemHints.value(4).isEmpty());

  // A tank goes back to the heat flow, and its thickness cannot be chosen.
  Do({"RGTipoOtros=1"});
  EXPECT_EQ(form().Index("RadioGroupCalcular"), 0);
  EXPECT_FALSE(form().ItemEnabled("RadioGroupCalcular", 1));
  Do({"RadioGroupCalcular=1"});
  EXPECT_EQ(form().Index("RadioGroupCalcular"), 0);
  EXPECT_EQ(Shown(kConditionLists), "");
  Do({"RGTipoOtros=0"});
  EXPECT_TRUE(form().ItemEnabled("RadioGroupCalcular", 1));
}

TEST_F(GeometryLayout, KindButtonsResetLayersAndRenderTheKind) {
  Do({"ComboBox1=2", "SpeedButton2"});  // the same kind again
  EXPECT_EQ(app.LayerCount(), 1);
  Do({"ComboBox1=2", "SpeedButton23"});
  EXPECT_EQ(app.LayerCount(), 1);
  EXPECT_EQ(form().Index("RadioGroupCalcular"), 0);
  EXPECT_TRUE(form().At("SpeedButton23").captionRed);
  EXPECT_FALSE(form().At("SpeedButton2").captionRed);
  Do({"RadioGroupCalcular=1"});  // a duct shows the conditions it can meet
  EXPECT_EQ(Shown(kConditionLists), "RadioGroupConductos");
  Do({"SpeedButton5"});
  EXPECT_FALSE(form().Visible("PanelEspecial"));
}

}  // namespace
