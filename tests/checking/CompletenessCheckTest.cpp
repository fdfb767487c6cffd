#include "checking/CompletenessCheck.h"

#include "shell/Brenak.h"

#include <gtest/gtest.h>

namespace {

// The check reads visibility, states, marks and texts only, so each case builds
// the window state it needs: every field and panel hidden, then the case's own.
std::string Joined(const QStringList& texts) { return texts.join('\n').toStdString(); }

class CompletenessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const Control& c : app.form.Controls())
      if (c.type == ControlType::Edit || c.type == ControlType::Panel || c.type == ControlType::RadioButton)
        app.form.Hide(c.name);
    app.form.SelectRow("RadioGroupCalcular", 0);  // heat flow: no insulation layer needed
  }

  void ShowEmpty(const QString& name, FieldState state = FieldState::Entered) {
    app.form.Show(name);
    app.form.SetText(name, QString());
    app.form.SetState(name, state);
  }

  // Joined, so that a failure prints readable text.
  std::string Messages() const {
    QStringList texts;
    for (const Message& m : sink.shown) {
      EXPECT_EQ(m.caption, kAtencion);
      EXPECT_EQ(m.buttons, MessageButtons::OkCancel);
      texts << m.text;
    }
    return texts.join('\n').toStdString();
  }

  RecordingMessageSink sink;
  Brenak app{sink};
};

TEST_F(CompletenessTest, NothingShownNothingMissing) {
  EXPECT_TRUE(CheckInputsComplete(app));
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(CompletenessTest, ReportsEveryMissingInputInTableOrder) {
  app.form.SelectRow("RadioGroupCalcular", 1);
  app.form.Show("PanelExterior");
  app.form.Show("GroupBoxEco");
  ShowEmpty("EditCI2");
  ShowEmpty("EditTe");
  ShowEmpty("Edit4e");
  ShowEmpty("EditTi");
  ShowEmpty("Editrv6");
  ShowEmpty("EditProfundidad");
  app.form.Show("ENombre1");
  app.form.SetChecked("RBAislante1", false);
  EXPECT_FALSE(CheckInputsComplete(app));
  EXPECT_EQ(Messages(), Joined({"Falta especificar la temperatura interior",
                                     "Falta especificar el espesor de la cuarta capa",
                                     "Falta especificar la resistividad al vapor de la sexta capa",
                                     "Falta especificar la temperatura exterior",
                                     "Falta especificar el coste para el espesor 2",
                                     "Falta especificar la profundidad de la tubería en el terreno",
                                     "Falta especificar la capa de aislamiento"}));
}

TEST_F(CompletenessTest, ComputedFieldsAreNotNeeded) {
  ShowEmpty("EditCoefInt", FieldState::Computed);
  ShowEmpty("EditkTerreno", FieldState::Computed);
  // A layer described by its resistance needs the resistance, not the conductivity.
  ShowEmpty("Edit2k", FieldState::Computed);
  ShowEmpty("Edit2RT", FieldState::Entered);
  ShowEmpty("EditRTCaja", FieldState::Computed);
  EXPECT_FALSE(CheckInputsComplete(app));
  EXPECT_EQ(Messages(), Joined({QString::fromUtf8("Falta especificar la resistencia térmica de la segunda capa")}));
}

TEST_F(CompletenessTest, NamedPanelsMustBeShownToo) {
  // Own flag set, panel hidden: not missing for the fields whose check names the panel.
  ShowEmpty("EditTe");
  ShowEmpty("EditFiE");
  ShowEmpty("EditTsuelo");
  ShowEmpty("EditCondicionQ");
  ShowEmpty("EditCondicionTi");
  EXPECT_TRUE(CheckInputsComplete(app));

  // A field inside a hidden panel whose check names no panel is still needed.
  ShowEmpty("EditCoefext");
  EXPECT_FALSE(CheckInputsComplete(app));
  EXPECT_EQ(Messages(), Joined({QString::fromUtf8("Falta especificar el coeficiente de convección exterior")}));
}

TEST_F(CompletenessTest, EconomicDataFollowTheGroupOnly) {
  app.form.SetText("EditNa", QString());
  app.form.SetText("EditCET", QString());
  EXPECT_TRUE(CheckInputsComplete(app));
  app.form.Show("GroupBoxEco");
  EXPECT_FALSE(CheckInputsComplete(app));
  EXPECT_EQ(Messages(), Joined({QString::fromUtf8("Falta especificar los años de vida de la instalación"),
                                     QString::fromUtf8("Falta especificar el coste de la energía térmica")}));
}

TEST_F(CompletenessTest, SomeConditionValuesAreNeverChecked) {
  app.form.Show("PanelCondicion");
  for (const char* name : {"EditCondicionRT", "EditCondicionTCong", "EditCondicionPorCong", "EditTf", "EditLong",
                           "ENombre1", "EditReferencia"})
    ShowEmpty(name);
  EXPECT_TRUE(CheckInputsComplete(app));
  ShowEmpty("EditCondicionPor");
  EXPECT_FALSE(CheckInputsComplete(app));
  EXPECT_EQ(sink.shown.size(), 1u);
}

TEST_F(CompletenessTest, InsulationMarkCountsOnRowsInUseOnly) {
  app.form.SelectRow("RadioGroupCalcular", 1);
  app.form.Show("ENombre1");
  app.form.Show("ENombre2");
  app.form.SetChecked("RBAislante3", true);  // row 3 is not in use
  EXPECT_FALSE(CheckInputsComplete(app));
  EXPECT_EQ(Messages(), Joined({"Falta especificar la capa de aislamiento"}));

  sink.shown.clear();
  app.form.SetChecked("RBAislante2", true);
  EXPECT_TRUE(CheckInputsComplete(app));
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(CompletenessTest, ChangesNothing) {
  ShowEmpty("EditTi");
  ShowEmpty("Edit1e");
  const std::vector<Control> before = app.form.Controls();
  CheckInputsComplete(app);
  const std::vector<Control>& after = app.form.Controls();
  ASSERT_EQ(before.size(), after.size());
  for (std::size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(before[i].text, after[i].text) << before[i].name.toStdString();
    EXPECT_EQ(before[i].visible, after[i].visible) << before[i].name.toStdString();
    EXPECT_EQ(before[i].state, after[i].state) << before[i].name.toStdString();
  }
}

}  // namespace
