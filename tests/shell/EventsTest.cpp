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
  EXPECT_EQ(form().Text("EditTi"), QString());
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, QStringLiteral("Se espera un nº real y no letras"));
}

}  // namespace
