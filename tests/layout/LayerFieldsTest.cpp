#include "layout/ClearResults.h"
#include "shell/WindowFixture.h"

namespace {

using LayerFields = WindowTest;

TEST_F(LayerFields, MovingTheInsulationMarkMovesTheComputedThickness) {
  form().UserSelect("ComboBox1", 2);
  form().UserCheck("RBAislante2");
  EXPECT_TRUE(form().IsEntered("Edit1e"));
  EXPECT_FALSE(form().ReadOnly("Edit1RT"));
  EXPECT_TRUE(form().IsComputed("Edit2e"));
  EXPECT_TRUE(form().IsComputed("Edit2RT"));
  EXPECT_TRUE(form().ReadOnly("Edit2RT"));
  EXPECT_TRUE(form().IsEntered("Edit2k"));

  form().UserCheck("RBAislante3");
  EXPECT_TRUE(form().IsEntered("Edit2e"));
  EXPECT_FALSE(form().ReadOnly("Edit2RT"));
  EXPECT_TRUE(form().IsComputed("Edit3e"));
  EXPECT_TRUE(form().ReadOnly("Edit3RT"));

  // The insulation layer's resistance is never an input.
  form().UserClick("Edit3RT");
  EXPECT_TRUE(form().IsComputed("Edit3RT"));
  EXPECT_TRUE(form().IsEntered("Edit3k"));
}

TEST_F(LayerFields, HeatFlowTargetDropsTheMark) {
  form().UserSelect("ComboBox1", 1);
  form().UserCheck("RBAislante2");
  form().UserSelect("RadioGroupCalcular", 0);
  EXPECT_EQ(ShownOf({"RBAislante1", "RBAislante2"}), QStringList{});
  EXPECT_TRUE(form().IsEntered("Edit2e"));
  EXPECT_FALSE(form().ReadOnly("Edit2RT"));

  form().UserSelect("RadioGroupCalcular", 1);
  EXPECT_EQ(ShownOf({"RBAislante1", "RBAislante2", "RBAislante3"}), QStringList({"RBAislante1", "RBAislante2"}));
  EXPECT_FALSE(form().Checked("RBAislante1") || form().Checked("RBAislante2"));
}

TEST_F(LayerFields, ConductivityAndResistanceExcludeEachOther) {
  form().UserSelect("ComboBox1", 1);
  form().UserType("Edit2k", "0,5");
  form().UserClick("Edit2RT");
  EXPECT_TRUE(form().IsEntered("Edit2RT"));
  EXPECT_TRUE(form().IsComputed("Edit2k"));
  EXPECT_EQ(form().Text("Edit2k"), QString());  // a computed value is a stale result

  form().UserType("Edit2RT", "2");
  form().UserClick("Edit2k");
  EXPECT_TRUE(form().IsEntered("Edit2k"));
  EXPECT_EQ(form().Text("Edit2RT"), QString());

  // While a project is being opened the clicks change nothing.
  app.projectLoading = true;
  form().UserClick("Edit2RT");
  EXPECT_TRUE(form().IsEntered("Edit2k"));
  app.projectLoading = false;
}

TEST_F(LayerFields, FewerLayersEmptyTheRowsLeftOut) {
  form().UserSelect("ComboBox1", 2);
  for (const char* name : {"Edit3e", "Edit3k", "Edit3RT", "Editrv3"}) form().UserType(name, "7");
  form().UserType("ENombre3", "Ladrillo");
  form().UserSelect("ComboBox1", 1);
  EXPECT_EQ(ShownOf({"ENombre3", "Edit3e", "SpeedButton13", "LT3"}), QStringList{});
  EXPECT_EQ(form().Text("Edit3e") + form().Text("Edit3k") + form().Text("Edit3RT"), QString());
  EXPECT_EQ(form().Text("ENombre3"), QStringLiteral("Ladrillo"));
  EXPECT_EQ(form().Text("Editrv3"), QStringLiteral("7"));
}

TEST_F(LayerFields, BoxFilling) {
  form().UserClick("SpeedButton4");
  form().UserSelect("RGTipoTuberias", 3);
  form().UserSelect("ComboBoxCaja", 1);
  EXPECT_TRUE(form().IsComputed("EditkCaja"));
  EXPECT_EQ(form().Text("EditkCaja") + form().Text("EditRTCaja"), QString());
  EXPECT_EQ(form().Text("EditeCaja"), QStringLiteral("350"));

  form().UserSelect("ComboBoxCaja", 0);
  EXPECT_TRUE(form().IsEntered("EditkCaja"));
  form().UserType("EditRTCaja", "0,3");
  form().UserClick("EditRTCaja");
  EXPECT_TRUE(form().IsEntered("EditRTCaja"));
  EXPECT_TRUE(form().IsComputed("EditkCaja"));
  EXPECT_EQ(form().Text("EditRTCaja"), QStringLiteral("0,3"));
  form().UserSelect("ComboBox1", 1);  // a box given by its resistance stays so
  EXPECT_TRUE(form().IsComputed("EditkCaja"));
  EXPECT_TRUE(form().IsEntered("EditRTCaja"));
}

TEST_F(LayerFields, ClickIntoAnInputEmptiesTheResults) {
  form().SetText("Edit1e", "33,06");
  form().SetText("Edit1RT", "0,826");
  form().SetText("EditCoefInt", "9");
  for (const char* name : {"Edit0RT", "LT0", "LT1", "LTR1", "LTCaja", "LabelQ", "LabelEsp", "LabelRT", "Edithci"})
    form().SetText(name, "x");
  form().SetEnabled("SpeedButton7", true);
  form().SetEnabled("SBImpresor", true);
  app.chart.AddPoint(0, 0, 25);
  form().Show({"Chart1", "Label10"});
  form().Show("PanelEconomico");

  form().UserClick("EditTi");
  for (const char* name :
       {"Edit1e", "Edit1RT", "Edit0RT", "LT0", "LT1", "LTR1", "LTCaja", "LabelQ", "LabelEsp", "LabelRT", "Edithci"})
    EXPECT_EQ(form().Text(name), QString()) << name;
  EXPECT_EQ(form().Text("EditCoefInt"), QStringLiteral("9"));  // entered and shown
  EXPECT_EQ(form().Text("Edit1k"), QStringLiteral("0,04"));
  EXPECT_FALSE(form().Enabled("SpeedButton7") || form().Enabled("SBImpresor"));
  EXPECT_EQ(ShownOf({"Chart1", "Label10", "PanelEconomico"}), QStringList{"PanelEconomico"});
  EXPECT_TRUE(app.chart.series[0].isEmpty());

  // Not while a project is being opened.
  form().SetText("LabelQ", "x");
  app.projectLoading = true;
  ClearResults(app);
  EXPECT_EQ(form().Text("LabelQ"), QStringLiteral("x"));
  app.projectLoading = false;
}

}  // namespace
