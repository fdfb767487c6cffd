// SPDX-License-Identifier: GPL-3.0-or-later
// What the user typed stays through the window's changes of layout: opening a
// project over a case of another kind, switching the element kind or the
// number of layers, and the target there and back.
#include "app/ProjectCommands.h"
#include "app/WindowFixture.h"
#include "checking/CompletenessCheck.h"

#include <QTemporaryDir>

namespace {

class KeptInputs : public WindowTest {
 protected:
  void Type(const QString& field, const QString& text) {
    form().UserClick(field);
    form().UserType(field, text);
    form().UserLeave(field);
  }
  // The completeness check's messages, none when the case can be calculated.
  QStringList Missing() {
    sink.shown.clear();
    CheckInputsComplete(app);
    QStringList texts;
    for (const Message& m : sink.shown) texts << m.text;
    return texts;
  }
  bool MissingInsulationLayer() {
    sink.shown.clear();
    CheckInputsComplete(app);
    for (const Message& m : sink.shown)
      if (m.id == MessageId::MissingInsulationLayer) return true;
    return false;
  }
  QTemporaryDir dir;
};

TEST_F(KeptInputs, AnImposedCoefficientOfAFileSurvivesACalculatedOneOnTheWindow) {
  // A wall with both coefficients imposed, saved.
  Type("EditCoefInt", "9,00");
  Type("EditCoefext", "16,00");
  const QString wall = dir.filePath("muro.txt");
  ASSERT_TRUE(SaveProjectFile(app, wall));

  // Opened from a pipe whose coefficients are both calculated, and from such a wall.
  for (const char* before : {"SpeedButton4", "SpeedButton2"}) {
    Do({"SBNuevo", before, "RGhi=2", "RGhe=2"});
    ASSERT_TRUE(OpenProjectFile(app, wall)) << before;
    EXPECT_EQ(form().Text("EditCoefext"), QStringLiteral("16,00")) << before;
    EXPECT_EQ(form().Text("EditCoefInt"), QStringLiteral("9,00")) << before;
    EXPECT_TRUE(form().IsEntered("EditCoefext") && form().IsEntered("EditCoefInt")) << before;
    EXPECT_EQ(Missing(), QStringList()) << before;
  }
}

TEST_F(KeptInputs, LayerRowsOutOfUseKeepTheirValues) {
  Do({"ComboBox1=2"});
  Type("Edit2e", "12");
  Type("Edit2k", "0,5");
  Type("Edit3e", "30");
  Do({"Edit3RT"});
  Type("Edit3RT", "0,25");

  // Another kind takes the case to one layer, and back; then fewer layers.
  for (const std::vector<const char*>& away :
       {std::vector<const char*>{"SpeedButton4", "SpeedButton2"}, {"ComboBox1=1"}, {"ComboBox1=0"}}) {
    Do(away);
    Do({"ComboBox1=2"});
    EXPECT_EQ(form().Text("Edit2e") + " " + form().Text("Edit2k"), QStringLiteral("12 0,5")) << away.front();
    EXPECT_EQ(form().Text("Edit3e") + " " + form().Text("Edit3RT"), QStringLiteral("30 0,25")) << away.front();
    // Row 3 is still given by its resistance.
    EXPECT_TRUE(form().IsEntered("Edit3RT") && form().IsComputed("Edit3k")) << away.front();
  }
}

TEST_F(KeptInputs, TheInsulationMarkComesBackWithTheThicknessTarget) {
  Do({"SpeedButton4", "ComboBox1=1", "RBAislante2"});
  Type("Edit1e", "3");
  Type("Edit1k", "40");
  Type("Edit2k", "0,04");
  Do({"RadioGroupCalcular=0"});
  EXPECT_FALSE(form().Checked("RBAislante2") || form().Visible("RBAislante2"));
  EXPECT_TRUE(form().IsEntered("Edit2e")) << "the heat flow needs every thickness";

  Do({"RadioGroupCalcular=1"});
  EXPECT_TRUE(form().Checked("RBAislante2"));
  EXPECT_FALSE(form().Checked("RBAislante1"));
  EXPECT_TRUE(form().IsComputed("Edit2e") && form().IsComputed("Edit2RT") && form().At("Edit2RT").readOnly);
  EXPECT_TRUE(form().IsEntered("Edit1e"));
  EXPECT_FALSE(MissingInsulationLayer());

  // A project opened in between brings its own marks; the held one is dropped.
  Do({"RadioGroupCalcular=0"});
  const QString heatFlow = dir.filePath("flujo.txt");
  ASSERT_TRUE(SaveProjectFile(app, heatFlow));
  Do({"RadioGroupCalcular=1", "RBAislante1", "RadioGroupCalcular=0"});
  ASSERT_TRUE(OpenProjectFile(app, heatFlow));
  Do({"RadioGroupCalcular=1"});
  for (int n = 1; n <= 6; ++n) {
    EXPECT_FALSE(form().Checked("RBAislante" + QString::number(n))) << n;
  }
}

}  // namespace
