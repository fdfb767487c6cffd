// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowFixture.h"

namespace {

using Events = WindowTest;

TEST_F(Events, CalculateEnablesChartAndReportOnlyWhenComplete) {
  form().UserType("EditTi", "");
  Do({"SpeedButton1"});
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text, QStringLiteral("Falta especificar la temperatura interior"));
  EXPECT_FALSE(form().Enabled("SpeedButton7"));

  form().UserType("EditTi", "25");
  Do({"SpeedButton1"});
  EXPECT_EQ(sink.shown.size(), 1u);
  EXPECT_TRUE(form().Enabled("SpeedButton7") && form().Enabled("SBImpresor"));
  EXPECT_FALSE(form().Text("Edit1e").isEmpty());
}

// An option that decides which inputs a calculation reads shows them at once
// and drops the results of the previous choice.
TEST_F(Events, OptionListsLayTheWindowOut) {
  Do({"SpeedButton4", "RadioGroupCalcular=0"});
  form().SetEnabled("SBImpresor", true);
  Do({"RadioGroupTempAgua=0"});
  EXPECT_FALSE(form().Enabled("SBImpresor"));
  EXPECT_EQ(Shown("EditLongitud Editvelhi"), "EditLongitud Editvelhi");
  Do({"SpeedButton2", "RGTipoPared=2"});
  EXPECT_EQ(Shown("ImagePared ImageTecho"), "ImageTecho");
}

TEST_F(Events, LeavingAFieldChecksIt) {
  form().UserType("EditTi", "abc");
  form().UserLeave("EditTi");
  // The wrong value stays, selected, with the focus, for the user to correct.
  EXPECT_EQ(form().Text("EditTi"), QStringLiteral("abc"));
  EXPECT_EQ(form().FocusRequest(), QStringLiteral("EditTi"));
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, QStringLiteral("Se espera un nº real y no letras"));
}

// Changing how a surface or the soil is treated, or where a pipe lies, leaves
// no result of the previous case on the window.
TEST_F(Events, ModeListsDropTheResultsOfThePreviousCase) {
  for (const char* change : {"RGhi=1", "RGhe=2", "RGAmbientehe=1", "RGTipoTuberias=1", "RadioGroupTerreno=1"}) {
    Do({"SpeedButton4", "RGTipoTuberias=0", "RGhi=0", "RGhe=0", "RGAmbientehe=0", "RadioGroupTerreno=0"});
    if (QString(change).startsWith("RadioGroupTerreno")) Do({"RGTipoTuberias=2"});
    form().UserType("EditCoefInt", "9");
    form().UserType("EditCoefext", "16");
    Do({"SpeedButton1"});
    ASSERT_FALSE(form().Text("LabelQ").isEmpty()) << change;
    Do({change});
    EXPECT_TRUE(form().Text("LabelQ").isEmpty()) << change;
    EXPECT_FALSE(form().Enabled("SBImpresor")) << change;
  }
}

// With a resistance condition the temperatures matter only to calculated
// coefficients: choosing to calculate one shows them at once.
TEST_F(Events, CalculatedCoefficientShowsTheTemperaturesOfAResistanceCondition) {
  Do({"RadioGroupCondicionP=2"});
  EXPECT_EQ(Shown("EditTi EditTe"), "");
  Do({"RGhi=2"});
  EXPECT_EQ(Shown("EditTi EditTe"), "EditTi EditTe");
}

}  // namespace
