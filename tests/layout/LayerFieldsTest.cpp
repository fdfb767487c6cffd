// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowFixture.h"
#include "checking/CompletenessCheck.h"
#include "layout/ClearResults.h"

namespace {

using LayerFields = WindowTest;

TEST_F(LayerFields, MovingTheInsulationMarkMovesTheComputedThickness) {
  Do({"ComboBox1=2", "RBAislante2"});
  EXPECT_TRUE(form().IsEntered("Edit1e"));
  EXPECT_FALSE(form().ReadOnly("Edit1RT"));
  EXPECT_TRUE(form().IsComputed("Edit2e") && form().IsComputed("Edit2RT") && form().ReadOnly("Edit2RT"));
  EXPECT_TRUE(form().IsEntered("Edit2k"));

  Do({"RBAislante3"});
  EXPECT_TRUE(form().IsEntered("Edit2e"));
  EXPECT_FALSE(form().ReadOnly("Edit2RT"));
  EXPECT_TRUE(form().IsComputed("Edit3e") && form().ReadOnly("Edit3RT"));
  Do({"Edit3RT"});  // the insulation layer's resistance is never an input
  EXPECT_TRUE(form().IsComputed("Edit3RT") && form().IsEntered("Edit3k"));

  Do({"RadioGroupCalcular=0"});  // the heat flow needs every thickness, and no mark
  EXPECT_EQ(Shown("RBAislante1 RBAislante3 RBAislante4"), "");
  EXPECT_FALSE(form().Checked("RBAislante3"));
  EXPECT_TRUE(form().IsEntered("Edit3e"));
  Do({"RadioGroupCalcular=1"});  // the mark comes back with the thickness target
  EXPECT_EQ(Shown("RBAislante1 RBAislante3 RBAislante4"), "RBAislante1 RBAislante3");
  EXPECT_TRUE(form().Checked("RBAislante3") && !form().Checked("RBAislante1"));
  EXPECT_TRUE(form().IsComputed("Edit3e") && form().ReadOnly("Edit3RT"));
}

// A mark left on a row taken out of use (here by a kind button, which resets
// the layer count) must not leave that row's thickness computed once the mark
// moves: the row would come back with an empty thickness nobody asks for.
TEST_F(LayerFields, RowBackInUseAfterTheMarkMovedNeedsItsThickness) {
  Do({"ComboBox1=1", "RBAislante2", "SpeedButton2", "RBAislante1", "ComboBox1=1"});
  EXPECT_TRUE(form().IsEntered("Edit2e"));
  form().UserType("Edit2k", "0,5");
  EXPECT_FALSE(CheckInputsComplete(app));
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text, QStringLiteral("Falta especificar el espesor de la segunda capa"));
}

TEST_F(LayerFields, ConductivityAndResistanceExcludeEachOther) {
  Do({"ComboBox1=1"});
  form().UserType("Edit2k", "0,5");
  Do({"Edit2RT"});
  EXPECT_TRUE(form().IsEntered("Edit2RT") && form().IsComputed("Edit2k"));
  EXPECT_EQ(form().Text("Edit2k"), QString());  // now a stale result
  form().UserType("Edit2RT", "2");
  Do({"Edit2k"});
  EXPECT_TRUE(form().IsEntered("Edit2k"));
  EXPECT_EQ(form().Text("Edit2RT"), QString());

  app.projectLoading = true;  // no reaction while a project is being opened
  Do({"Edit2RT"});
  EXPECT_TRUE(form().IsEntered("Edit2k"));
}

// A row taken out of use keeps what the user gave it; only its computed
// value goes, as any result does.
TEST_F(LayerFields, FewerLayersKeepTheRowsLeftOut) {
  Do({"ComboBox1=2"});
  for (const char* name : {"Edit3e", "Edit3k", "Edit3RT", "Editrv3"}) form().UserType(name, "7");
  ASSERT_TRUE(form().IsComputed("Edit3RT"));
  Do({"ComboBox1=1"});
  EXPECT_EQ(Shown("ENombre3 Edit3e SpeedButton13 LT3"), "");
  EXPECT_EQ(form().Text("Edit3e") + "|" + form().Text("Edit3k") + "|" + form().Text("Edit3RT"), QStringLiteral("7|7|"));
  EXPECT_EQ(form().Text("ENombre3") + form().Text("Editrv3"), QStringLiteral("Capa 37"));
}

TEST_F(LayerFields, BoxFilling) {
  Do({"SpeedButton4", "RGTipoTuberias=3", "ComboBoxCaja=1"});
  EXPECT_TRUE(form().IsComputed("EditkCaja"));
  EXPECT_EQ(form().Text("EditkCaja") + form().Text("EditRTCaja"), QString());
  EXPECT_EQ(form().Text("EditeCaja"), QStringLiteral("350"));

  Do({"ComboBoxCaja=0"});
  EXPECT_TRUE(form().IsEntered("EditkCaja"));
  form().UserType("EditRTCaja", "0,3");
  Do({"EditRTCaja", "ComboBox1=1"});  // a box given by its resistance stays so
  EXPECT_TRUE(form().IsEntered("EditRTCaja") && form().IsComputed("EditkCaja"));
  EXPECT_EQ(form().Text("EditRTCaja"), QStringLiteral("0,3"));
}

TEST_F(LayerFields, ClickIntoAnInputEmptiesTheResults) {
  for (const char* name : {"Edit1e", "Edit1RT", "Edit0RT", "LT1", "LTR1", "LTCaja", "LabelQ", "LabelEsp", "Edithci"})
    form().SetText(name, "1");
  form().SetEnabled("SBImpresor", true);
  app.chart.AddPoint(0, 0, 25);
  form().Show({"Chart1", "Label10", "PanelEconomico"});

  Do({"EditTi"});
  for (const char* name : {"Edit1e", "Edit1RT", "Edit0RT", "LT1", "LTR1", "LTCaja", "LabelQ", "LabelEsp", "Edithci"}) {
    EXPECT_EQ(form().Text(name), QString()) << name;
  }
  EXPECT_EQ(form().Text("Edit1k") + form().Text("EditCoefInt"), QStringLiteral("0,049"));  // entered, shown
  EXPECT_FALSE(form().Enabled("SBImpresor"));
  // The economic figures go with the results they belong to.
  EXPECT_EQ(Shown("Chart1 Label10 PanelEconomico"), "");
  EXPECT_TRUE(app.chart.series[0].isEmpty());

  form().SetText("LabelQ", "1");
  app.projectLoading = true;
  ClearResults(app);
  EXPECT_EQ(form().Text("LabelQ"), QStringLiteral("1"));
}

}  // namespace
