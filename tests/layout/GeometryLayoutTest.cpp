#include "layout/ClearResults.h"
#include "layout/GeometryLayout.h"
#include "shell/WindowFixture.h"

namespace {

// Case by case: which of the main controls, which picture and which condition
// list the window shows.
struct SummaryCase {
  const char* name;
  const char* kindButton;
  const char* variantList;  // nullptr: the kind has no variant
  int variant;
  int target;               // 0 heat flow, 1 insulation thickness
  const char* optionList;   // condensation study or final temperature estimate
  int option;
  const char* picture;
  const char* conditionList;  // empty: none
  QStringList shown;          // among kSummaryControls
};

const std::initializer_list<const char*> kSummaryControls = {
    "RGTipoPared", "RGTipoTuberias", "RGTipoOtros", "PanelEspecial", "Editr0", "LabelDiaInt", "SBRadio",
    "PanelExterior", "PanelTerreno", "RadioGroupCondensacion", "LabelDistTr", "Editrv1", "PanelCondicion",
    "SpeedButton26", "RadioGroupTempAgua", "RadioGroupTempAire", "EditLongitud", "LabelLongitud", "ComboBoxCaja",
    "EditeCaja"};
const std::initializer_list<const char*> kPictures = {
    "ImagePared", "ImageSuelo", "ImageTecho", "ImageTuberia", "ImageTuberiaEnterrada", "ImageTuberiaEnterradaCaja",
    "ImageEsfera", "ImageConducto", "ImageDepositoV", "ImageDepositoH"};
const std::initializer_list<const char*> kConditionLists = {"RadioGroupCondicionP", "RadioGroupCondicionT",
                                                            "RadioGroupCondicionTE", "RadioGroupCondicionE",
                                                            "RadioGroupConductos", "RadioGroupDepositos"};

class LayoutSummary : public WindowTest, public ::testing::WithParamInterface<SummaryCase> {
 protected:
  void Apply(const SummaryCase& c) {
    form().UserClick(c.kindButton);
    if (c.variantList) form().UserSelect(c.variantList, c.variant);
    form().UserSelect("RadioGroupCalcular", c.target);
    if (c.optionList) form().UserSelect(c.optionList, c.option);
  }
  void Check(const SummaryCase& c) {
    EXPECT_EQ(ShownOf(kSummaryControls), c.shown);
    EXPECT_EQ(ShownOf(kPictures), QStringList{c.picture});
    EXPECT_EQ(ShownOf(kConditionLists).join(","), QString::fromLatin1(c.conditionList));
  }
};

TEST_P(LayoutSummary, FromStart) {
  Apply(GetParam());
  Check(GetParam());
}

// Nothing of an earlier case may stay on the window.
TEST_P(LayoutSummary, AfterABuriedPipeInABox) {
  Apply({"", "SpeedButton4", "RGTipoTuberias", 3, 1, "RadioGroupCondicionTE", 3, "", "", {}});
  Apply(GetParam());
  Check(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LayoutSummary,
    ::testing::Values(
        SummaryCase{"PlateHeatFlow", "SpeedButton2", nullptr, 0, 0, "RadioGroupCondensacion", 1, "ImagePared", "",
                    {"RGTipoPared", "PanelExterior", "RadioGroupCondensacion"}},
        SummaryCase{"PlateCondensationStudy", "SpeedButton2", "RGTipoPared", 2, 0, "RadioGroupCondensacion", 0,
                    "ImageTecho", "",
                    {"RGTipoPared", "PanelExterior", "RadioGroupCondensacion", "LabelDistTr", "Editrv1"}},
        SummaryCase{"PlateThickness", "SpeedButton2", "RGTipoPared", 1, 1, nullptr, 0, "ImageSuelo",
                    "RadioGroupCondicionP", {"RGTipoPared", "PanelExterior", "PanelCondicion"}},
        SummaryCase{"PipeInAirHeatFlow", "SpeedButton4", "RGTipoTuberias", 1, 0, "RadioGroupTempAgua", 1,
                    "ImageTuberia", "",
                    {"RGTipoTuberias", "Editr0", "LabelDiaInt", "SBRadio", "PanelExterior", "RadioGroupTempAgua"}},
        SummaryCase{"PipeInAirWaterEstimate", "SpeedButton4", "RGTipoTuberias", 0, 0, "RadioGroupTempAgua", 0,
                    "ImageTuberia", "",
                    {"RGTipoTuberias", "Editr0", "LabelDiaInt", "SBRadio", "PanelExterior", "RadioGroupTempAgua",
                     "EditLongitud", "LabelLongitud"}},
        SummaryCase{"PipeInAirThickness", "SpeedButton4", "RGTipoTuberias", 0, 1, nullptr, 0, "ImageTuberia",
                    "RadioGroupCondicionT",
                    {"RGTipoTuberias", "Editr0", "LabelDiaInt", "SBRadio", "PanelExterior", "PanelCondicion"}},
        SummaryCase{"BuriedPipeHeatFlow", "SpeedButton4", "RGTipoTuberias", 2, 0, "RadioGroupTempAgua", 0,
                    "ImageTuberiaEnterrada", "",
                    {"RGTipoTuberias", "Editr0", "LabelDiaInt", "SBRadio", "PanelTerreno", "RadioGroupTempAgua",
                     "EditLongitud", "LabelLongitud"}},
        SummaryCase{"BuriedPipeInBoxThickness", "SpeedButton4", "RGTipoTuberias", 3, 1, nullptr, 0,
                    "ImageTuberiaEnterradaCaja", "RadioGroupCondicionTE",
                    {"RGTipoTuberias", "Editr0", "LabelDiaInt", "SBRadio", "PanelTerreno", "PanelCondicion",
                     "SpeedButton26", "ComboBoxCaja", "EditeCaja"}},
        SummaryCase{"SphereHeatFlow", "SpeedButton5", nullptr, 0, 0, nullptr, 0, "ImageEsfera", "",
                    {"Editr0", "LabelDiaInt", "PanelExterior"}},
        SummaryCase{"SphereThickness", "SpeedButton5", nullptr, 0, 1, nullptr, 0, "ImageEsfera",
                    "RadioGroupCondicionE", {"Editr0", "LabelDiaInt", "PanelExterior", "PanelCondicion"}},
        SummaryCase{"Duct", "SpeedButton23", "RGTipoOtros", 0, 0, "RadioGroupTempAire", 1, "ImageConducto", "",
                    {"RGTipoOtros", "PanelEspecial", "PanelExterior", "RadioGroupTempAire"}},
        SummaryCase{"DuctAirEstimateThickness", "SpeedButton23", "RGTipoOtros", 0, 1, "RadioGroupTempAire", 0,
                    "ImageConducto", "",
                    {"RGTipoOtros", "PanelEspecial", "PanelExterior", "RadioGroupTempAire", "EditLongitud",
                     "LabelLongitud"}},
        SummaryCase{"VerticalTank", "SpeedButton23", "RGTipoOtros", 1, 0, nullptr, 0, "ImageDepositoV", "",
                    {"RGTipoOtros", "PanelEspecial", "Editr0", "LabelDiaInt", "PanelExterior", "EditLongitud",
                     "LabelLongitud"}},
        SummaryCase{"HorizontalTankThickness", "SpeedButton23", "RGTipoOtros", 2, 1, nullptr, 0, "ImageDepositoH", "",
                    {"RGTipoOtros", "PanelEspecial", "Editr0", "LabelDiaInt", "PanelExterior", "EditLongitud",
                     "LabelLongitud"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The fields of each design condition (insulation thickness target).
struct ConditionCase {
  const char* kindButton;
  int placing;
  const char* list;
  int condition;
  QStringList shown;      // among kConditionFields
  const char* costUnit;   // caption of Label29 for the economic condition
};

const std::initializer_list<const char*> kConditionFields = {
    "EditCondicionQ", "EditCondicionPor", "EditCondicionRT", "EditCondicionTe", "EditCondicionTi", "EditCondicionTCong",
    "EditCondicionPorCong", "EditTf", "EditLong", "GroupBoxEco", "EditFiE", "EditFiI"};

class ConditionFields : public WindowTest, public ::testing::WithParamInterface<ConditionCase> {};

TEST_P(ConditionFields, ShowTheTargetValueOfTheCondition) {
  const ConditionCase& c = GetParam();
  form().UserClick(c.kindButton);
  form().UserSelect("RGTipoTuberias", c.placing);
  form().UserSelect(c.list, c.condition);
  EXPECT_EQ(ShownOf(kConditionFields), c.shown);
  if (c.costUnit) EXPECT_EQ(form().Text("Label29"), QString::fromUtf8(c.costUnit));
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, ConditionFields,
    ::testing::Values(ConditionCase{"SpeedButton2", 0, "RadioGroupCondicionP", 0, {"EditCondicionQ"}, nullptr},
                      ConditionCase{"SpeedButton2", 0, "RadioGroupCondicionP", 1, {"EditCondicionPor"}, nullptr},
                      ConditionCase{"SpeedButton2", 0, "RadioGroupCondicionP", 2, {"EditCondicionRT"}, nullptr},
                      ConditionCase{"SpeedButton2", 0, "RadioGroupCondicionP", 3, {"GroupBoxEco"}, "euros/m2"},
                      ConditionCase{"SpeedButton2", 0, "RadioGroupCondicionP", 4, {"EditCondicionTe"}, nullptr},
                      ConditionCase{"SpeedButton2", 0, "RadioGroupCondicionP", 5, {"EditFiE"}, nullptr},
                      ConditionCase{"SpeedButton2", 0, "RadioGroupCondicionP", 6, {"EditCondicionTi"}, nullptr},
                      ConditionCase{"SpeedButton2", 0, "RadioGroupCondicionP", 7, {"EditFiI"}, nullptr},
                      ConditionCase{"SpeedButton4", 1, "RadioGroupCondicionT", 0, {"EditCondicionQ"}, nullptr},
                      ConditionCase{"SpeedButton4", 1, "RadioGroupCondicionT", 1, {"EditCondicionPor"}, nullptr},
                      ConditionCase{"SpeedButton4", 1, "RadioGroupCondicionT", 2, {"EditCondicionRT"}, nullptr},
                      ConditionCase{"SpeedButton4", 1, "RadioGroupCondicionT", 3, {"GroupBoxEco"}, "euros/m"},
                      ConditionCase{"SpeedButton4", 1, "RadioGroupCondicionT", 4, {"EditCondicionTe"}, nullptr},
                      ConditionCase{"SpeedButton4", 1, "RadioGroupCondicionT", 5, {"EditFiE"}, nullptr},
                      ConditionCase{"SpeedButton4", 1, "RadioGroupCondicionT", 6, {"EditTf", "EditLong"}, nullptr},
                      ConditionCase{"SpeedButton4", 1, "RadioGroupCondicionT", 7,
                                    {"EditCondicionTCong", "EditCondicionPorCong"}, nullptr},
                      ConditionCase{"SpeedButton4", 2, "RadioGroupCondicionTE", 0, {"EditCondicionQ"}, nullptr},
                      ConditionCase{"SpeedButton4", 2, "RadioGroupCondicionTE", 1, {"EditCondicionPor"}, nullptr},
                      ConditionCase{"SpeedButton4", 3, "RadioGroupCondicionTE", 2, {"EditCondicionRT"}, nullptr},
                      ConditionCase{"SpeedButton4", 3, "RadioGroupCondicionTE", 3, {"GroupBoxEco"}, "euros/m"},
                      ConditionCase{"SpeedButton5", 0, "RadioGroupCondicionE", 0, {"EditCondicionQ"}, nullptr},
                      ConditionCase{"SpeedButton5", 0, "RadioGroupCondicionE", 1, {"EditCondicionPor"}, nullptr},
                      ConditionCase{"SpeedButton5", 0, "RadioGroupCondicionE", 2, {"EditCondicionRT"}, nullptr},
                      ConditionCase{"SpeedButton5", 0, "RadioGroupCondicionE", 3, {"GroupBoxEco"}, "euros"},
                      ConditionCase{"SpeedButton5", 0, "RadioGroupCondicionE", 4, {"EditCondicionTe"}, nullptr},
                      ConditionCase{"SpeedButton5", 0, "RadioGroupCondicionE", 5, {"EditFiE"}, nullptr}));

using GeometryLayout = WindowTest;

// A resistance target needs the temperatures only for a calculated coefficient.
TEST_F(GeometryLayout, ResistanceConditionHidesUnneededTemperatures) {
  form().UserSelect("RadioGroupCondicionP", 2);
  EXPECT_EQ(ShownOf({"EditTi", "EditTe"}), QStringList{});
  form().UserSelect("RGhe", 2);
  form().UserSelect("RadioGroupCondicionP", 1);
  form().UserSelect("RadioGroupCondicionP", 2);
  EXPECT_EQ(ShownOf({"EditTi", "EditTe"}), QStringList({"EditTi", "EditTe"}));

  form().UserClick("SpeedButton5");  // a sphere never needs them
  form().UserSelect("RadioGroupCondicionE", 2);
  EXPECT_EQ(ShownOf({"EditTi", "EditTe"}), QStringList{});

  form().UserClick("SpeedButton4");
  form().UserSelect("RGTipoTuberias", 2);
  form().UserSelect("RadioGroupCondicionTE", 2);
  EXPECT_EQ(ShownOf({"EditTi", "EditTsuelo", "SpeedButton26"}), QStringList{});
}

TEST_F(GeometryLayout, SphereAndTankClampCoefficientModes) {
  form().UserSelect("RGhi", 2);
  form().UserSelect("RGhe", 2);
  form().UserClick("SpeedButton5");
  EXPECT_EQ(form().Index("RGhi"), 1);
  EXPECT_EQ(form().Index("RGhe"), 0);
  EXPECT_EQ(form().At("RGhi").items.size(), 2);
  EXPECT_EQ(form().Text("LabelResisT"), QStringLiteral("Resistencia     térmica        (ºC/W)"));

  form().UserClick("SpeedButton2");  // the clamped rows stay when the rows come back
  EXPECT_EQ(form().At("RGhi").items.size(), 3);
  EXPECT_EQ(form().Index("RGhi"), 1);

  form().UserSelect("RGhi", 2);
  form().UserSelect("RGhe", 2);
  form().UserClick("SpeedButton23");
  form().UserSelect("RGTipoOtros", 2);
  EXPECT_EQ(form().Index("RGhi"), 1);
  EXPECT_EQ(form().Index("RGhe"), 2);
  EXPECT_TRUE(form().Visible("RGAmbientehe"));

  form().UserClick("SpeedButton4");
  EXPECT_EQ(form().At("RGhi").items.value(2), QStringLiteral("Calcular (agua)"));
  EXPECT_EQ(form().At("RGhe").items.value(2), QStringLiteral("Calcular (aire)"));
}

TEST_F(GeometryLayout, BuriedPipeNeglectsExteriorCoefficientForGood) {
  form().UserClick("SpeedButton4");
  form().UserSelect("RGTipoTuberias", 3);
  EXPECT_EQ(form().Index("RGhe"), 1);
  EXPECT_EQ(form().Text("LabelTituloExt"), QStringLiteral("Terreno"));
  form().UserSelect("RGTipoTuberias", 0);
  EXPECT_EQ(form().Index("RGhe"), 1);
  EXPECT_FALSE(form().Visible("PCoefExt"));
  EXPECT_EQ(form().Text("LabelTituloExt"), QStringLiteral("Exterior"));
}

TEST_F(GeometryLayout, FinalWaterTemperatureIsProposedButNotOverAnOpenedOne) {
  form().UserClick("SpeedButton4");
  form().UserSelect("RadioGroupCondicionT", 6);
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
  EXPECT_EQ(form().Text("EditTf"), QStringLiteral("30"));

  form().UserSelect("ComboBox1", 1);  // the user's next layout proposes again
  EXPECT_EQ(form().Text("EditTf"), QStringLiteral("39,99"));
  form().SetText("EditTi", "abc");
  form().UserSelect("ComboBox1", 0);
  EXPECT_EQ(form().Text("EditTf"), QStringLiteral("39,99"));
}

TEST_F(GeometryLayout, CalculatedCoefficientsShowTheirData) {
  form().UserSelect("RGhi", 2);
  EXPECT_TRUE(form().IsComputed("EditCoefInt"));
  EXPECT_EQ(ShownOf({"Editemisionhi", "SpeedButton21", "EditAlthi", "Editvelhi", "EditAnchura"}),
            QStringList({"Editemisionhi", "SpeedButton21", "EditAlthi"}));
  EXPECT_EQ(form().Text("LabelAlthi"), QStringLiteral("  Altura                m"));
  form().UserSelect("RGTipoPared", 1);
  EXPECT_EQ(form().Text("LabelAlthi"), QStringLiteral("Anchura              m"));

  form().UserSelect("RGhe", 2);
  EXPECT_EQ(form().Text("LabelAlthe"), QStringLiteral("Anchura              m"));
  form().UserSelect("RGAmbientehe", 1);
  EXPECT_EQ(form().Text("LabelAlthe"), QStringLiteral("Longitud              m"));
  EXPECT_TRUE(form().Visible("Editvelhe"));

  form().UserClick("SpeedButton23");  // a duct: its height and width, outdoors wind
  EXPECT_EQ(ShownOf({"EditAlthi", "EditAnchura", "RGAmbientehe", "Editvelhe"}),
            QStringList({"EditAlthi", "EditAnchura", "Editvelhe"}));
  EXPECT_EQ(form().Text("LabelAnchura"), QStringLiteral("  Anchura                m"));
  form().UserClick("SpeedButton2");
  EXPECT_EQ(form().Text("LabelAnchura"), QStringLiteral(" Anchura                m"));

  form().UserClick("SpeedButton4");  // a pipe keeps its panel for the velocity
  form().UserSelect("RGhi", 1);
  EXPECT_TRUE(form().Visible("PCoefInt"));
  form().UserSelect("RGTipoTuberias", 2);
  form().UserSelect("RadioGroupTerreno", 1);
  EXPECT_TRUE(form().IsComputed("EditkTerreno"));
  EXPECT_EQ(ShownOf({"EditDensidad", "EditHumedad", "EditCoefext"}), QStringList({"EditDensidad", "EditHumedad"}));
}

TEST_F(GeometryLayout, KindButtonsResetLayersAndRenderTheKind) {
  form().UserSelect("ComboBox1", 2);
  form().UserClick("SpeedButton2");  // the same kind again
  EXPECT_EQ(app.LayerCount(), 1);

  form().UserSelect("ComboBox1", 2);
  form().UserClick("SpeedButton23");
  EXPECT_EQ(app.LayerCount(), 1);
  EXPECT_EQ(form().Index("RadioGroupCalcular"), 0);
  EXPECT_TRUE(form().At("SpeedButton23").captionRed);
  EXPECT_FALSE(form().At("SpeedButton2").captionRed);
  form().UserSelect("RadioGroupCalcular", 1);  // no condition list for a special element
  EXPECT_EQ(ShownOf(kConditionLists), QStringList{});
  EXPECT_TRUE(form().Visible("RBAislante1"));
  form().UserClick("SpeedButton5");
  EXPECT_FALSE(form().Visible("PanelEspecial"));
}

}  // namespace
