#include "checking/CompletenessCheck.h"

#include "app/Brenak.h"
#include "app/StartUp.h"

#include <gtest/gtest.h>

namespace {

std::string Joined(const QStringList& texts) { return texts.join('\n').toStdString(); }

std::string Shown(const RecordingMessageSink& sink) {
  QStringList texts;
  for (const Message& m : sink.shown) {
    EXPECT_EQ(m.caption, kAtencion);
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
    texts << m.text;
  }
  return Joined(texts);
}

// The check reads visibility, states, marks and texts only, so each case builds
// the window state it needs: every field and panel hidden, then the case's own.
class CompletenessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const Control& c : app.form.Controls())
      if (c.type == ControlType::Edit || c.type == ControlType::Panel) app.form.Hide(c.name);
    app.form.SelectRow("RadioGroupCalcular", 0);  // heat flow: no insulation layer needed
  }

  void ShowEmpty(const QString& name, FieldState state = FieldState::Entered) {
    app.form.Show(name);
    app.form.SetText(name, QString());
    app.form.SetState(name, state);
  }

  RecordingMessageSink sink;
  Brenak app{sink};
};

TEST_F(CompletenessTest, ReportsEveryMissingInputInTableOrder) {
  app.form.SelectRow("RadioGroupCalcular", 1);
  app.form.Show("PanelExterior");
  app.form.Show("GroupBoxEco");
  for (const char* name : {"EditCI2", "EditTe", "Edit4e", "EditTi", "Editrv6", "EditProfundidad"}) ShowEmpty(name);
  app.form.Show("ENombre1");
  app.form.SetChecked("RBAislante1", false);
  EXPECT_FALSE(CheckInputsComplete(app));
  EXPECT_EQ(Shown(sink), Joined({"Falta especificar la temperatura interior",
                                 "Falta especificar el espesor de la cuarta capa",
                                 "Falta especificar la resistividad al vapor de la sexta capa",
                                 "Falta especificar la temperatura exterior",
                                 "Falta especificar el coste para el espesor 2",
                                 "Falta especificar la profundidad de la tubería en el terreno",
                                 "Falta especificar la capa de aislamiento"}));
  // The user starts on the first input missing.
  EXPECT_EQ(app.form.FocusRequest(), QStringLiteral("EditTi"));
}

TEST_F(CompletenessTest, ComputedFieldsAndUncheckedValuesAreNotNeeded) {
  ShowEmpty("EditCoefInt", FieldState::Computed);
  ShowEmpty("EditkTerreno", FieldState::Computed);
  ShowEmpty("EditRTCaja", FieldState::Computed);
  app.form.Show("PanelCondicion");
  for (const char* name : {"EditCondicionRT", "EditCondicionTCong", "EditCondicionPorCong", "EditTf", "EditLong"})
    ShowEmpty(name);
  // A layer described by its resistance needs the resistance, not the conductivity.
  ShowEmpty("Edit2k", FieldState::Computed);
  ShowEmpty("Edit2RT", FieldState::Entered);
  EXPECT_FALSE(CheckInputsComplete(app));
  EXPECT_EQ(Shown(sink), "Falta especificar la resistencia térmica de la segunda capa");
}

TEST_F(CompletenessTest, PanelsCountOnlyWhereNamed) {
  // Own flag set, named panel hidden: not missing.
  for (const char* name : {"EditTe", "EditFiE", "EditTsuelo", "EditCondicionQ", "EditCondicionTi"}) ShowEmpty(name);
  // Economic data follow their group, whatever their own flag.
  app.form.SetText("EditNa", QString());
  EXPECT_TRUE(CheckInputsComplete(app));
  EXPECT_TRUE(app.form.FocusRequest().isEmpty());

  // A field in a hidden panel that its check does not name is still needed.
  ShowEmpty("EditCoefext");
  app.form.Show("GroupBoxEco");
  EXPECT_FALSE(CheckInputsComplete(app));
  EXPECT_EQ(Shown(sink), Joined({"Falta especificar el coeficiente de convección exterior",
                                 "Falta especificar los años de vida de la instalación"}));
}

TEST_F(CompletenessTest, InsulationMarkCountsOnRowsInUseOnly) {
  app.form.SelectRow("RadioGroupCalcular", 1);
  app.form.Show("ENombre1");
  app.form.Show("ENombre2");
  app.form.SetChecked("RBAislante3", true);  // row 3 is not in use
  EXPECT_FALSE(CheckInputsComplete(app));
  EXPECT_EQ(Shown(sink), "Falta especificar la capa de aislamiento");
  EXPECT_EQ(app.form.FocusRequest(), QStringLiteral("RBAislante1"));

  sink.shown.clear();
  app.form.SetChecked("RBAislante2", true);
  EXPECT_TRUE(CheckInputsComplete(app));
  EXPECT_TRUE(sink.shown.empty());
}

// The same check on the window as the layout leaves it.
class CompletenessOnWindow : public ::testing::Test {
 protected:
  void SetUp() override { CreateMainWindow(app, QStringLiteral("/programa")); }
  RecordingMessageSink sink;
  Brenak app{sink};
};

TEST_F(CompletenessOnWindow, StartStatePassesAndHeatFlowNeedsTheThickness) {
  EXPECT_TRUE(CheckInputsComplete(app));
  EXPECT_EQ(Shown(sink), "");
  app.form.UserSelect("RadioGroupCalcular", 0);
  EXPECT_FALSE(CheckInputsComplete(app));
  EXPECT_EQ(Shown(sink), "Falta especificar el espesor de la primera capa");
}

TEST_F(CompletenessOnWindow, EconomicConditionNeedsItsCosts) {
  app.form.UserSelect("RadioGroupCondicionP", 3);
  app.form.SetText("EditCI2", QString());
  EXPECT_FALSE(CheckInputsComplete(app));
  EXPECT_EQ(Shown(sink), "Falta especificar el coste para el espesor 2");
}

TEST_F(CompletenessOnWindow, BuriedPipeAsksForTheSoilNotTheExterior) {
  app.form.UserClick("SpeedButton4");
  app.form.UserSelect("RGTipoTuberias", 3);
  for (const char* name : {"EditTe", "EditCoefext", "EditTsuelo", "EditeCaja", "EditProfundidad"})
    app.form.SetText(name, QString());
  EXPECT_FALSE(CheckInputsComplete(app));
  EXPECT_EQ(Shown(sink), Joined({"Falta especificar la dimensión de la caja",
                                 "Falta especificar la temperatura del suelo",
                                 "Falta especificar la profundidad de la tubería en el terreno"}));
  EXPECT_EQ(app.form.FocusRequest(), QStringLiteral("EditeCaja"));
}

}  // namespace
