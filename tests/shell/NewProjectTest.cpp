#include "checking/CompletenessCheck.h"
#include "shell/WindowFixture.h"

namespace {

using NewProjectCommand = WindowTest;

TEST_F(NewProjectCommand, FromAThreeLayerPipe) {
  form().UserClick("SpeedButton4");
  form().UserSelect("RGTipoTuberias", 1);
  form().UserSelect("RadioGroupCondicionT", 3);
  form().UserSelect("RadioGroupCalcular", 0);
  form().UserSelect("ComboBox1", 2);
  const char* const rows[][4] = {{"ENombre1", "Edit1e", "Edit1k", "Acero"},
                                 {"ENombre2", "Edit2e", "Edit2k", "Lana"},
                                 {"ENombre3", "Edit3e", "Edit3k", "Aluminio"}};
  for (const auto& row : rows) {
    form().UserType(row[0], row[3]);
    form().UserType(row[1], "4");
    form().UserType(row[2], "40");
  }
  for (const char* name : {"EditTi", "EditTe", "EditCoefInt", "Editr0", "EditCondicionQ"}) form().UserType(name, "77");
  form().UserType("EditReferencia", "Obra 7");
  form().UserType("EditNa", "20");
  form().UserType("EditNh", "4000");
  form().SetEnabled("SpeedButton7", true);
  form().SetEnabled("SBImpresor", true);

  form().UserClick("SBNuevo");

  // The pipe and its placing stay, with one insulation layer.
  EXPECT_TRUE(app.IsPipe());
  EXPECT_EQ(form().Index("RGTipoTuberias"), 1);
  EXPECT_EQ(form().Index("RadioGroupCondicionT"), 3);
  EXPECT_TRUE(app.ThicknessTarget());
  EXPECT_EQ(app.LayerCount(), 1);
  EXPECT_EQ(form().Text("ENombre1"), QStringLiteral("Aislante 1"));
  EXPECT_EQ(form().Text("Edit1k"), QStringLiteral("0,04"));
  EXPECT_TRUE(form().Checked("RBAislante1"));
  EXPECT_TRUE(form().IsComputed("Edit1e"));
  EXPECT_EQ(form().Text("Edit1e"), QString());

  for (const char* name : {"EditTi", "EditTe", "EditCoefInt", "Editr0"})
    EXPECT_NE(form().Text(name), QStringLiteral("77")) << name;
  EXPECT_EQ(form().Text("EditCondicionQ"), QStringLiteral("77"));
  EXPECT_EQ(form().Text("EditReferencia"), QStringLiteral("Obra 7"));
  EXPECT_EQ(form().Text("EditNa") + form().Text("EditNh"), QStringLiteral("204000"));

  // Rows no longer in use lose their values but keep their names.
  EXPECT_EQ(form().Text("Edit2e") + form().Text("Edit2k") + form().Text("Edit3k"), QString());
  EXPECT_EQ(form().Text("ENombre3"), QStringLiteral("Aluminio"));
  EXPECT_FALSE(form().Enabled("SpeedButton7") || form().Enabled("SBImpresor"));
}

TEST_F(NewProjectCommand, CalculatedCoefficientComesBackEmpty) {
  form().UserSelect("RGhi", 2);
  form().UserClick("SBNuevo");
  EXPECT_EQ(form().Index("RGhi"), 0);
  EXPECT_TRUE(form().IsEntered("EditCoefInt") && form().Visible("EditCoefInt"));
  EXPECT_EQ(form().Text("EditCoefInt"), QString());
  EXPECT_EQ(form().Text("EditCoefext"), QStringLiteral("16"));
  EXPECT_FALSE(CheckInputsComplete(app));
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text, QStringLiteral("Falta especificar el coeficiente de convección interior"));
}

}  // namespace
