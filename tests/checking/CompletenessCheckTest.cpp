// SPDX-License-Identifier: GPL-3.0-or-later
#include "checking/CompletenessCheck.h"

#include "checking/CaseCheck.h"
#include "form/WindowCase.h"

#include "app/Brenak.h"
#include "app/StartUp.h"

#include "EnglishInterface.h"

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

// The checks of a case built in code, with no window: the start case on the
// window as a value, then the changes each test needs.
class CaseCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RecordingMessageSink sink;
    Brenak app{sink};
    CreateMainWindow(app, QStringLiteral("/programa"));
    start = CaseFromWindow(app);
  }

  static std::string Missing(const Case& c, QString* first = nullptr) {
    QStringList texts;
    const std::vector<CaseProblem> problems = MissingInputs(c);
    for (const CaseProblem& p : problems) {
      EXPECT_EQ(p.kind, CaseProblem::Kind::Missing);
      for (const Message& m : p.boxes) {
        EXPECT_EQ(m.caption, AttentionCaption());
        texts << m.text;
      }
    }
    if (first) *first = problems.empty() ? QString() : problems.front().control;
    return Joined(texts);
  }

  Case start;
};

TEST_F(CaseCheckTest, ReportsEveryMissingInputInTableOrder) {
  Case c = start;                                  // a plate, thickness for a heat flow, layer 1 marked
  c.conditionRows[int(ConditionList::Plate)] = 3;  // the economic thickness
  c.layerCount = 4;
  c.layers[0].insulation = false;
  for (QString* text : {&c.cost2, &c.exteriorTemperature, &c.layers[3].thickness, &c.interiorTemperature})
    text->clear();
  QString first;
  EXPECT_EQ(
      Missing(c, &first),
      Joined({"Falta especificar la temperatura interior", "Falta especificar el espesor de la segunda capa",
              "Falta especificar la conductividad de la segunda capa",
              "Falta especificar el espesor de la tercera capa",
              "Falta especificar la conductividad de la tercera capa", "Falta especificar el espesor de la cuarta capa",
              "Falta especificar la conductividad de la cuarta capa", "Falta especificar la temperatura exterior",
              "Falta especificar el coste para el espesor 2", "Falta especificar la capa de aislamiento"}));
  // The user starts on the first input missing.
  EXPECT_EQ(first, QStringLiteral("EditTi"));
  EXPECT_EQ(CheckCase(c).size(), 10u);
}

TEST_F(CaseCheckTest, WorkedOutFieldsAndUnusedValuesAreNotNeeded) {
  Case c = start;
  c.target = 0;
  c.layers[0].thickness = QStringLiteral("50");
  c.interiorMode = 2;  // calculated: no coefficient of the user's
  c.interiorCoefficient.clear();
  c.wantedHeatFlow.clear();    // no condition in a heat flow
  c.exteriorHumidity.clear();  // no condensation study
  c.layerCount = 2;
  // A layer given by its resistance needs the resistance, not the conductivity.
  c.layers[1].thickness = QStringLiteral("10");
  c.layers[1].conductivity.clear();
  c.layers[1].conductivityGiven = false;
  c.layers[1].resistanceGiven = true;
  c.layers[1].resistance.clear();
  EXPECT_EQ(Missing(c), "Falta especificar la resistencia térmica de la segunda capa");
  c.layers[1].resistance = QStringLiteral("0.2");
  EXPECT_EQ(Missing(c), "");
  EXPECT_TRUE(CheckCase(c).empty());
}

TEST_F(CaseCheckTest, ABuriedPipeAsksForTheSoilNotTheExterior) {
  Case c = start;
  c.kind = GeometryKind::Pipe;
  c.pipePlacing = 3;
  c.conditionRows[int(ConditionList::BuriedPipe)] = 0;
  for (QString* text :
       {&c.exteriorTemperature, &c.exteriorCoefficient, &c.soilTemperature, &c.boxSize, &c.depth, &c.boxResistance})
    text->clear();
  QString first;
  EXPECT_EQ(Missing(c, &first),
            Joined({"Falta especificar la dimensión de la caja", "Falta especificar la temperatura del suelo",
                    "Falta especificar la profundidad de la tubería en el terreno"}));
  EXPECT_EQ(first, QStringLiteral("EditeCaja"));
  // A soil conductivity worked out from the density is not the user's.
  c.boxSize = c.soilTemperature = c.depth = QStringLiteral("1");
  c.soilMode = 1;
  c.soilConductivity.clear();
  EXPECT_EQ(Missing(c), "");
}

TEST_F(CaseCheckTest, InsulationMarkCountsOnRowsInUseOnly) {
  Case c = start;
  c.layerCount = 2;
  c.layers[1].conductivity = QStringLiteral("0.5");
  c.layers[1].thickness = QStringLiteral("10");
  c.layers[0].insulation = false;
  c.layers[0].thickness = QStringLiteral("40");
  c.layers[0].thicknessSolved = false;
  c.layers[2].insulation = true;  // row 3 is not in use
  QString first;
  EXPECT_EQ(Missing(c, &first), "Falta especificar la capa de aislamiento");
  EXPECT_EQ(first, QStringLiteral("RBAislante1"));
  c.layers[2].insulation = false;
  c.layers[1].insulation = true;
  EXPECT_EQ(Missing(c), "");
}

TEST_F(CaseCheckTest, TheFirstRefusedValueIsNamedInItsBoxes) {
  Case c = start;
  c.interiorTemperature = QStringLiteral("900");
  c.exteriorTemperature = QStringLiteral("-500");
  const std::vector<CaseProblem> problems = CheckCase(c);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].kind, CaseProblem::Kind::Refused);
  EXPECT_EQ(problems[0].control, QStringLiteral("EditTi"));
  ASSERT_FALSE(problems[0].boxes.empty());
  EXPECT_TRUE(problems[0].boxes[0].text.startsWith(QStringLiteral("Temperatura interior (ºC)\n")))
      << problems[0].boxes[0].text.toStdString();
  // A value the program works out is not checked.
  c.interiorTemperature = QStringLiteral("25");
  c.exteriorTemperature = QStringLiteral("10");
  c.layers[0].resistance = QStringLiteral("-1");
  EXPECT_TRUE(CheckCase(c).empty());
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
  EXPECT_EQ(Shown(sink),
            Joined({"Falta especificar la dimensión de la caja", "Falta especificar la temperatura del suelo",
                    "Falta especificar la profundidad de la tubería en el terreno"}));
  EXPECT_EQ(app.form.FocusRequest(), QStringLiteral("EditeCaja"));
}

}  // namespace

// The messages follow the language in force each time they are told, not the
// one in force the first time: English first, then Spanish again.
TEST_F(CaseCheckTest, MissingInputsSpeakTheLanguageInForce) {
  Case c = start;
  c.interiorTemperature.clear();
  c.layers[0].conductivity.clear();
  {
    EnglishInterface english;
    EXPECT_EQ(Missing(c),
              Joined({"The inside temperature is missing", "The conductivity of the first layer is missing"}));
  }
  EXPECT_EQ(Missing(c), Joined({"Falta especificar la temperatura interior",
                                "Falta especificar la conductividad de la primera capa"}));
}
