// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowFixture.h"
#include "checking/CompletenessCheck.h"

namespace {

using NewProjectCommand = WindowTest;

TEST_F(NewProjectCommand, FromAThreeLayerPipe) {
  Do({"SpeedButton4", "RGTipoTuberias=1", "RadioGroupCondicionT=3", "RadioGroupCalcular=0", "ComboBox1=2"});
  for (const char* name : {"Edit1e", "Edit2e", "Edit3e", "Edit1k", "Edit2k", "Edit3k", "EditTi", "EditCoefInt",
                           "EditCondicionQ", "EditNa", "ENombre1", "ENombre3", "EditReferencia"})
    form().UserType(name, "77");
  form().SetEnabled("SBImpresor", true);

  Do({"SBNuevo"});
  // The pipe and its placing stay, with one insulation layer.
  EXPECT_TRUE(app.IsPipe());
  EXPECT_EQ(form().Index("RGTipoTuberias") * 10 + form().Index("RadioGroupCondicionT"), 13);
  EXPECT_TRUE(app.ThicknessTarget());
  EXPECT_EQ(app.LayerCount(), 1);
  EXPECT_EQ(form().Text("ENombre1") + " " + form().Text("Edit1k"), QStringLiteral("Aislante 1 0,04"));
  EXPECT_TRUE(form().Checked("RBAislante1") && form().IsComputed("Edit1e"));
  EXPECT_EQ(form().Text("Edit1e"), QString());
  EXPECT_EQ(form().Text("EditTi") + " " + form().Text("EditCoefInt"), QStringLiteral("25 9"));
  // Kept: the condition value, the economic life, the names of unused rows.
  for (const char* name : {"EditCondicionQ", "EditNa", "ENombre3"}) {
    EXPECT_EQ(form().Text(name), QStringLiteral("77")) << name;
  }
  // The previous case's layers and reference do not come with the new one.
  EXPECT_EQ(form().Text("Edit2e") + form().Text("Edit2k") + form().Text("Edit3k"), QString());
  EXPECT_EQ(form().Text("EditReferencia"), QStringLiteral("Sin especificar"));
  EXPECT_FALSE(form().Enabled("SBImpresor"));
}

TEST_F(NewProjectCommand, CalculatedCoefficientComesBackEmpty) {
  Do({"RGhi=2", "SBNuevo"});
  EXPECT_EQ(form().Index("RGhi"), 0);
  EXPECT_TRUE(form().IsEntered("EditCoefInt") && form().Visible("EditCoefInt"));
  EXPECT_EQ(form().Text("EditCoefInt") + "/" + form().Text("EditCoefext"), QStringLiteral("/16"));
  EXPECT_FALSE(CheckInputsComplete(app));
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text, QStringLiteral("Falta especificar el coeficiente de convección interior"));
}

}  // namespace
