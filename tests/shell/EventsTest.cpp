#include "shell/WindowFixture.h"

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
  Do({"SpeedButton7"});
  EXPECT_TRUE(form().Visible("Chart1") && app.chart.visible);
  Do({"SpeedButton6"});
  EXPECT_FALSE(form().Visible("Chart1") || app.chart.visible);
}

// An option that decides which inputs a calculation reads shows them at once
// and drops the results of the previous choice.
TEST_F(Events, OptionListsLayTheWindowOut) {
  form().SetEnabled("SBImpresor", true);
  Do({"RadioGroupCondicionP=4"});
  EXPECT_TRUE(form().Visible("EditCondicionTe"));
  EXPECT_FALSE(form().Enabled("SBImpresor"));
  Do({"SpeedButton4", "RadioGroupCalcular=0", "RadioGroupTempAgua=0"});
  EXPECT_EQ(Shown("EditLongitud Editvelhi"), "EditLongitud Editvelhi");
  Do({"SpeedButton2", "RGTipoPared=2"});
  EXPECT_EQ(Shown("ImagePared ImageTecho"), "ImageTecho");
}

TEST_F(Events, CloseButtonsHideTheirPanels) {
  const char* const pairs[][2] = {{"SpeedButton20", "PMateriales"}, {"SpeedButton9", "PEleccionTub"},
                                  {"SpeedButton25", "PCoefEmision"}, {"SpeedButton27", "PanelTTerreno"},
                                  {"Image1", "Panel6"}};
  for (const auto& [button, panel] : pairs) {
    form().Show(panel);
    form().UserClick(button);
    EXPECT_FALSE(form().Visible(panel)) << button;
  }
  Do({"SBImpresor2"});
  EXPECT_TRUE(form().Visible("Panel6"));
  int closed = 0;
  app.onClose = [&closed] { ++closed; };
  Do({"SpeedButton3"});
  EXPECT_EQ(closed, 1);
}

TEST_F(Events, LeavingAFieldChecksIt) {
  form().UserType("EditTi", "abc");
  form().UserLeave("EditTi");
  EXPECT_EQ(form().Text("EditTi"), QString());
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, QStringLiteral("Se espera un nº real y no letras"));
}

}  // namespace
