// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the calculation, the fields, the chart and the files in the
// program's two languages: Spanish, the source, exactly as it was written, and
// English once its translation is in force, with the figures in their places.
#include "EnglishInterface.h"
#include "app/Brenak.h"
#include "checking/FieldDescription.h"
#include "engine/CalcOutcome.h"
#include "files/CaseFile.h"
#include "form/CaseFields.h"
#include "form/CaseNames.h"
#include "form/NumberFormat.h"
#include "results/ChartLabels.h"
#include "results/TemperatureChart.h"

#include <gtest/gtest.h>

namespace {

struct Window {
  RecordingMessageSink sink;
  Brenak app{sink};
};

using Producer = QString (*)(Window&);

struct TextCase {
  const char* name;
  Producer produce;
  const char* spanish;
  const char* english;
};
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

Case PipeInAir() {
  Case c;
  c.kind = GeometryKind::Pipe;
  c.target = 1;
  c.pipePlacing = 1;
  return c;
}

ChartModel PipeChart() {
  CalcInputs in;
  in.kind = GeometryKind::Pipe;
  ChartModel chart;
  FillTemperatureChart(chart, in, {QPointF(10, 80), QPointF(40, 20)});
  return chart;
}

// The figures of the limits are written with a point whatever the user's locale.
class BothLanguages : public ::testing::TestWithParam<TextCase> {
 protected:
  void SetUp() override { SetDecimalSeparator(QLatin1Char('.')); }
  void TearDown() override { ResetDecimalSeparator(); }
};

TEST_P(BothLanguages, SpanishIsTheSourceAndEnglishItsTranslation) {
  const TextCase& c = GetParam();
  {
    Window window;
    EXPECT_EQ(c.produce(window), QString::fromUtf8(c.spanish));
  }
  EnglishInterface english;
  Window window;
  EXPECT_EQ(c.produce(window), QString::fromUtf8(c.english));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BothLanguages,
    ::testing::Values(TextCase{"WholeNumberTooltip",
                               [](Window& w) {
                                 w.app.SetKind(GeometryKind::Plate);
                                 return FieldTooltip(w.app, "EditFiI");
                               },
                               "Humedad relativa interior (%), nº entero entre 1 y 100",
                               "Inside relative humidity (%), whole number between 1 and 100"},
                      TextCase{"LayerTooltipTakesItsRow",
                               [](Window& w) {
                                 w.app.SetKind(GeometryKind::Pipe);
                                 return FieldTooltip(w.app, "Edit3RT");
                               },
                               "Resistencia térmica de la capa 3 (mºC/W), entre 0.0001 y 10",
                               "Thermal resistance of layer 3 (mºC/W), between 0.0001 and 10"},
                      TextCase{"ComputedFieldTooltip", [](Window& w) { return FieldTooltip(w.app, "Edithci"); },
                               "Parte de convección del coeficiente interior, hci (W/m2ºC), calculado por el programa",
                               "Convective part of the inside coefficient, hci (W/m2ºC), calculated by the program"},
                      TextCase{"UnitInWords", [](Window& w) { return FieldCaption(w.app, "EditNa"); },
                               "Años de vida de la instalación (años)", "Service life of the installation (years)"},
                      TextCase{"FieldMeaningOfTheCaseTable",
                               [](Window&) { return FieldMeaningText(*FindCaseField("EditCondicionTCong")); },
                               "Tiempo hasta la congelación", "Time until freezing"},
                      TextCase{"ElementAndCondition",
                               [](Window&) {
                                 Case c = PipeInAir();
                                 c.conditionRows[static_cast<int>(ConditionList::PipeInAir)] = 6;
                                 return KindName(c.kind) + " / " + VariantName(c) + " / " + ConditionName(c);
                               },
                               "Tubería / Al aire horizontal / Temp. final agua",
                               "Pipe / In air, horizontal / Final water temp."},
                      TextCase{"ChartAxesAndTitle",
                               [](Window&) {
                                 const ChartModel chart = PipeChart();
                                 return chart.title.join('|') + "|" + chart.bottomAxis + "|" + chart.leftAxis;
                               },
                               "Temperatura en la tubería compuesta|Radio r (mm)|Temperatura Tr (ºC)",
                               "Temperature through the composite pipe|Radius r (mm)|Temperature Tr (ºC)"},
                      TextCase{"ChartLegend", [](Window&) { return ChartSeriesName(0) + "|" + ChartSeriesName(1); },
                               "Temperatura|Punto de rocío", "Temperature|Dew point"},
                      TextCase{"ProjectNotOpenedWithItsReason",
                               [](Window&) {
                                 const CaseReading reading = ReadCaseFile("/nonexistent/folder/obra.txt");
                                 return ProjectNotOpenedText("/nonexistent/folder/obra.txt", reading.error);
                               },
                               "No es posible abrir el proyecto \"obra.txt\": no se puede leer el archivo.",
                               "The project \"obra.txt\" cannot be opened: the file cannot be read."},
                      TextCase{"IncompleteProjectCountsItsRecords",
                               [](Window&) { return ReadCase(QByteArray("\"1\"\r\n\"2\"\r\n")).error; },
                               "el archivo está incompleto (2 de 98 datos)", "the file is incomplete (2 of 98 items)"}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

// A wall whose bare heat flux is already below the one asked for: the engine
// refuses the condition after the bare wall's line.
CalcOutcome RefusedWall() {
  CalcInputs in;
  in.layerCount = 2;
  in.layers[1].thickness = 100;
  in.layers[1].conductivity = 0.04f;
  in.layers[1].marked = true;
  in.layers[2].thickness = 200;
  in.layers[2].conductivity = 1.0f;
  in.thicknessTarget = true;
  in.condition = DesignCondition::HeatFlow;
  in.wantedHeatFlow = 1000;
  return Calculate(in);
}

TEST(EngineTexts, ARefusalSpeaksTheProgramsLanguageAndKeepsItsFigures) {
  const CalcOutcome spanish = RefusedWall();
  ASSERT_EQ(spanish.events.size(), 2u);
  const BareElementLine& line = spanish.events[0].line;
  const CalcMessage& warning = spanish.events[1].message;
  EXPECT_EQ(line.caption, "Flujo de calor máximo: ");
  EXPECT_EQ(warning.caption, "Atención");
  EXPECT_EQ(warning.text,
            "No es posible calcular un espesor de aislante, ya que sin aislamiento el flujo de calor ya es menor");

  EnglishInterface english;
  const CalcOutcome translated = RefusedWall();
  ASSERT_EQ(translated.events.size(), 2u);
  const BareElementLine& englishLine = translated.events[0].line;
  const CalcMessage& englishWarning = translated.events[1].message;
  EXPECT_EQ(englishLine.caption, "Maximum heat flow: ");
  EXPECT_EQ(englishWarning.caption, "Warning");
  EXPECT_EQ(englishWarning.text,
            "No insulation thickness can be calculated: without insulation the heat flux is already lower");
  // What tells the messages apart and the figures do not change with the language.
  EXPECT_EQ(englishWarning.id, warning.id);
  EXPECT_EQ(englishLine.value, line.value);
  EXPECT_EQ(englishLine.decimals, line.decimals);
  EXPECT_EQ(englishLine.unit, line.unit);
}

}  // namespace
