// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CliProcess.h"
#include "app/Commands.h"
#include "app/ProjectCommands.h"
#include "app/WindowFixture.h"
#include "report/ReportTestSupport.h"
#include "report/ReportWriter.h"

#include <gtest/gtest.h>

namespace {

const QDateTime kWhen(QDate(2024, 5, 1), QTime(10, 32));

class ReportWriterTest : public WindowTest {
 protected:
  QStringList Write() {
    RecordingReportDocument doc;
    NamedPictures pictures;
    WriteReport(WindowReport(app), doc, pictures, kWhen);
    tables = doc.tables;
    return doc.Lines();
  }
  // The lines from the one that is `first` up to, not including, the one that is `end`.
  static QStringList Between(const QStringList& lines, const QString& first, const QString& end) {
    const qsizetype from = lines.indexOf(first);
    const qsizetype to = lines.indexOf(end, from + 1);
    if (from < 0 || to < 0)
      return {QStringLiteral("<missing ") + first + QStringLiteral(" ... ") + end + QLatin1Char('>')};
    return lines.mid(from, to - from);
  }
  // The table whose first row starts with `firstCell`; an empty one when none does.
  ReportTable TableStartingWith(const QString& firstCell) const {
    for (const ReportTable& table : tables)
      if (!table.rows.empty() && !table.rows.front().isEmpty() && table.rows.front().front() == firstCell) return table;
    return {};
  }
  std::vector<ReportTable> tables;
};

// The whole report of the window as it starts, calculated: the results are
// those the window shows.
TEST_F(ReportWriterTest, StartWindowWithResults) {
  CommandCalculate(app);
  const QStringList expected = {
      "[Image4]",
      "| {| Referencia: | Sin especificar | | Proyecto: | sin guardar | | Fecha: | 01/05/2024 10:32 |} | [ImagePared] "
      "|",
      "",
      "{Bold 14}Cálculo del espesor de aislamiento",
      "{Normal 11}Imposición de una densidad superficial de flujo de calor de 15W/m2",
      "",
      "{Bold 12}Condiciones Interiores",
      "{Normal 10}\tTint = 25 ºC",
      "\tCoeficiente convección-radiación interno impuesto: hint = 9 W/m2ºC",
      "",
      "{Bold 12}Datos diferentes capas material",
      "{Normal 10}| Nombre | Espesor/(mm) | Conductividad/(W/mºC) | Resist.térmica/(m2ºC/W) |",
      "| Interior |  |  | 0,1111 |",
      "| Aislante 1 | 33,06 | 0,040 | 0,8264 |",
      "| Exterior |  |  | 0,0625 |",
      "",
      "{Bold 12}Condiciones Exteriores",
      "{Normal 10}\tText = 10 ºC",
      "\tCoeficiente convección-radiación externo impuesto: hext = 16 W/m2ºC",
      "",
      "{Bold 12}Resultados",
      "{Normal 10}\tEsp. aislamiento 33,06 mm",
      "\tCoef. global de transferencia de calor 1,000 W/m2ºC",
      "\tDensidad sup. flujo de calor 15,00 W/m2",
      "\tRITE IT 1.2.4.2.1: la tabla de espesores mínimos no se aplica a este elemento",
      "",
      "{Bold 12}Distribución de temperaturas",
      "{Normal 10}| [Chart1] | {| Cara | x/(mm) | T/(ºC) | | Interior | 0,00 | 23,33 | | Exterior | 33,06 | 10,94 |} |",
      "",
  };
  const QStringList lines = Write();
  ASSERT_EQ(lines.size(), expected.size()) << lines.join(QLatin1Char('\n')).toStdString();
  for (qsizetype i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(lines[i], expected[i]) << "line " << i;
  }
  for (const char* label : {"LabelEsp", "LabelRT", "LabelQ", "LabelRITE"}) {
    EXPECT_TRUE(lines.contains("\t" + form().Text(label)) || lines.contains("{Normal 10}\t" + form().Text(label)))
        << label;
  }
}

// The document's title among its properties names the case.
TEST_F(ReportWriterTest, DocumentTitleIsTheReference) {
  const std::pair<const char*, const char*> cases[] = {
      {"Fachada norte, bloque B", "Fachada norte, bloque B"}, {"", "Informe Brenak"}, {"   ", "Informe Brenak"}};
  for (const auto& [reference, title] : cases) {
    form().SetText("EditReferencia", reference);
    RecordingReportDocument doc;
    NamedPictures pictures;
    WriteReport(WindowReport(app), doc, pictures, kWhen);
    EXPECT_TRUE(doc.log.contains(QStringLiteral("title:") + title)) << reference;
  }
}

// A number the window holds with the other separator (as a project file of
// another locale stores it) is written with the user's; a text stays as it is.
TEST_F(ReportWriterTest, NumbersOfFieldsTakeTheUsersSeparator) {
  form().SelectRow("RGhi", 2);
  form().SetText("Editemisionhi", "0.85");
  form().SetText("EditAlthi", "2,5");
  form().SetText("EditTi", "22.5");
  form().SetText("EditReferencia", "Nave 2.1, muro 3,4");
  for (const QChar separator : {QLatin1Char(','), QLatin1Char('.')}) {
    SetDecimalSeparator(separator);
    const QString lines = Write().join('\n');
    const auto number = [&](const char* text) { return QString::fromLatin1(text).replace(',', separator); };
    EXPECT_TRUE(lines.contains("\t\tCoef. emisión = " + number("0,85") + "\n")) << lines.toStdString();
    EXPECT_TRUE(lines.contains("\t\tAltura = " + number("2,5") + " m\n"));
    EXPECT_TRUE(lines.contains("Tint = " + number("22,5") + " ºC"));
    EXPECT_TRUE(lines.contains("| Referencia: | Nave 2.1, muro 3,4 |")) << "a text, not a number";
  }
}

// Beside the chart, the temperatures of the faces the window shows, the dew
// points of a condensation study and where each face lies on the chart.
TEST_F(ReportWriterTest, ChartComesWithTheTemperaturesOfTheFaces) {
  ASSERT_TRUE(OpenProjectFile(app, QStringLiteral(BRENAK_CASES_DIR "/plate_condensation.txt")));
  const QStringList lines = Write();
  const ReportTable faces = TableStartingWith("Cara");
  ASSERT_EQ(faces.rows.size(), 5u) << "a heading and four faces of three layers";
  EXPECT_EQ(faces.rows[0], QStringList({"Cara", "x\n(mm)", "T\n(ºC)", "T. rocío\n(ºC)"}));
  EXPECT_EQ(faces.rows[1], QStringList({"Interior", "0,00", form().Text("LT0"), form().Text("LTR0")}));
  EXPECT_EQ(faces.rows[2], QStringList({form().Text("ENombre1") + " / " + form().Text("ENombre2"), "15,00",
                                        form().Text("LT1"), form().Text("LTR1")}));
  EXPECT_EQ(faces.rows[3][1], "55,00") << "15 + 40 mm";
  EXPECT_EQ(faces.rows[4], QStringList({"Exterior", "170,00", form().Text("LT3"), form().Text("LTR3")}));
  const qsizetype heading = lines.indexOf("{Bold 12}Distribución de temperaturas");
  ASSERT_GT(heading, 0);
  EXPECT_TRUE(lines[heading + 1].startsWith("{Normal 10}| [Chart1] | {| Cara |")) << lines[heading + 1].toStdString();

  // A buried pipe in its box: the radii, and the box's outer face last.
  ASSERT_TRUE(OpenProjectFile(app, QStringLiteral(BRENAK_CASES_DIR "/buried_box.txt")));
  Write();
  const ReportTable buried = TableStartingWith("Cara");
  ASSERT_EQ(buried.rows.size(), 4u);
  EXPECT_EQ(buried.rows[0], QStringList({"Cara", "r\n(mm)", "T\n(ºC)"}));
  EXPECT_EQ(buried.rows[1][1], "62,50") << "the interior radius";
  EXPECT_EQ(buried.rows[3][0], "Canalización");
  EXPECT_EQ(buried.rows[3][2], form().Text("LTCaja"));

  // Without a calculation the chart stands alone.
  app.lastOutcome.reset();
  const QStringList bare = Write();
  EXPECT_TRUE(TableStartingWith("Cara").rows.empty());
  EXPECT_EQ(bare.last(), "{Normal 10}[Chart1]");
}

TEST_F(ReportWriterTest, HeadingBlockNamesTheCaseItsFileAndTheDate) {
  form().SetText("EditReferencia", "Fachada norte, bloque B");
  app.projectPath = QStringLiteral("/proyectos/obra 12/fachada.txt");
  Write();
  const ReportTable heading = TableStartingWith("Referencia:");
  EXPECT_FALSE(heading.ruled);
  EXPECT_EQ(heading.rows, (std::vector<QStringList>{{"Referencia:", "Fachada norte, bloque B"},
                                                    {"Proyecto:", "fachada.txt"},
                                                    {"Fecha:", "01/05/2024 10:32"}}));
}

TEST_F(ReportWriterTest, HeatFlowTargetHasNoConditionLine) {
  form().SelectRow("RadioGroupCalcular", 0);
  const QStringList lines = Write();
  const qsizetype title = lines.indexOf("{Bold 14}Cálculo del flujo de calor");
  ASSERT_GT(title, 0);
  EXPECT_EQ(lines[title + 1], QStringLiteral("{Normal 11}"));
  EXPECT_EQ(lines[title + 2], QStringLiteral("{Bold 12}Condiciones Interiores"));
}

TEST_F(ReportWriterTest, CondensationStudyWritesHumiditiesAndVapourColumn) {
  form().SelectRow("RadioGroupCalcular", 0);
  form().SelectRow("RadioGroupCondensacion", 0);
  form().SetText("Editrv1", "30");
  const QStringList lines = Write();
  // The temperature and the humidity are columns of a table of their own.
  EXPECT_TRUE(lines.contains("{Normal 10}| Tint = 25 ºC | Hrint = 50 % |"));
  EXPECT_TRUE(lines.contains("{Normal 10}| Text = 10 ºC | Hrext = 60 % |"));
  EXPECT_FALSE(TableStartingWith("Tint = 25 ºC").ruled);
  const ReportTable layers = TableStartingWith("Nombre");
  ASSERT_EQ(layers.ColumnCount(), 5);
  EXPECT_EQ(layers.rows.front().last(), "Resistiv.vapor\n(MN s/gm)");
  EXPECT_TRUE(lines.contains("| Aislante 1 |  | 0,040 |  | 30,000 |"));
  EXPECT_TRUE(lines.contains("| Interior |  |  |  |  |")) << "a surface has no vapour resistivity";
}

TEST_F(ReportWriterTest, BuriedPipeWithoutBoxHasSoilInsteadOfExterior) {
  SelectElementKind(app, GeometryKind::Pipe);
  form().SelectRow("RGTipoTuberias", 2);
  form().SelectRow("RadioGroupTerreno", 1);
  CommandCalculate(app);
  ASSERT_TRUE(form().Enabled("SBImpresor"));
  const QStringList lines = Write();
  EXPECT_FALSE(lines.contains("{Bold 12}Condiciones Exteriores"));
  EXPECT_TRUE(lines.contains("\tDiámetro interior: 125 mm"));
  const QStringList soil = {
      "{Bold 12}Condiciones Suelo",
      "{Normal 10}\tTsuelo = 10 ºC",
      "\t\tDensidad terreno = 1400 kg/m3",
      "\t\tHumedad relativa terreno = 10 %",
      "\tConductividad terreno calculada: kterreno = " + form().Text("EditkTerreno") + " W/mºC",
      "\tProfundidad eje tubería: p = 1 m",
  };
  const qsizetype at = lines.indexOf(soil.front());
  ASSERT_GT(at, 1);
  EXPECT_TRUE(lines[at - 2].startsWith("| Terreno |  |  | ")) << "the soil closes the layer table";
  EXPECT_EQ(lines.mid(at, soil.size()), soil);
  EXPECT_FALSE(lines.join('\n').contains("Canalización"));
}

TEST_F(ReportWriterTest, BuriedPipeInBoxListsTheBoxBeforeTheSoil) {
  SelectElementKind(app, GeometryKind::Pipe);
  form().SelectRow("RGTipoTuberias", 3);
  form().SetText("EditRTCaja", "0,25");
  const QStringList lines = Write();
  const qsizetype box = lines.indexOf("| Canalización: Lado | 350,00 | 1,000 | 0,250 |");
  ASSERT_GE(box, 0) << lines.join('\n').toStdString();
  EXPECT_TRUE(lines[box + 1].startsWith("| Terreno |"));
  EXPECT_EQ(lines[box + 3], "{Bold 12}Condiciones Suelo");
  EXPECT_EQ(lines[box + 5], "\tConductividad terreno impuesta: kterreno = 1 W/mºC");
}

// The data a calculated coefficient was worked out from, and its parts as
// the window shows them.
TEST_F(ReportWriterTest, CalculatedCoefficientsListTheirData) {
  form().SelectRow("RGhi", 2);
  form().SelectRow("RGhe", 2);
  form().SelectRow("RGAmbientehe", 1);
  CommandCalculate(app);
  ASSERT_TRUE(app.lastOutcome);
  const QString interiorRegime = app.lastOutcome->engine.interiorLaminar ? "laminar" : "turbulenta";
  const QString exteriorRegime = app.lastOutcome->engine.exteriorLaminar ? "laminar" : "turbulenta";
  const QStringList lines = Write();
  EXPECT_EQ(Between(lines, "{Normal 10}\tTint = 25 ºC", ""),
            QStringList({"{Normal 10}\tTint = 25 ºC", "\t\tAltura = 3 m", "\t\tCoef. emisión = 0,9",
                         "\t\tCoef. convección " + interiorRegime + " = " + form().Text("Edithci") + " W/m2ºC",
                         "\t\tCoef. radiación = " + form().Text("Edithri") + " W/m2ºC",
                         "\tCoeficiente convección-radiación interior calculado: hint = " + form().Text("EditCoefInt") +
                             " W/m2ºC"}));
  EXPECT_EQ(
      Between(lines, "{Normal 10}\tText = 10 ºC", ""),
      QStringList({"{Normal 10}\tText = 10 ºC", "\t\tAltura = 3 m", "\t\tVelocidad = 3 m/s", "\t\tCoef. emisión = 0,9",
                   "\t\tCoef. convección " + exteriorRegime + " = " + form().Text("Edithce") + " W/m2ºC",
                   "\t\tCoef. radiación = " + form().Text("Edithre") + " W/m2ºC",
                   "\tCoeficiente convección exterior calculado (al ambiente exterior): hext = " +
                       form().Text("EditCoefext") + " W/m2ºC"}));
  EXPECT_FALSE(form().Text("Edithci").isEmpty());
  EXPECT_FALSE(form().Text("Edithre").isEmpty());
}

TEST_F(ReportWriterTest, NeglectedCoefficientsOfAPipe) {
  SelectElementKind(app, GeometryKind::Pipe);
  form().SelectRow("RGhi", 1);
  form().SelectRow("RGhe", 1);
  const QStringList lines = Write();
  EXPECT_TRUE(lines.contains("\tCoeficiente convección interno muy alto (resistencia térmica despreciable)"));
  EXPECT_TRUE(lines.contains("\tCoeficiente convección-radiación muy alto (resistencia térmica despreciable)"));
}

// The results of an economic thickness are the window's result lines and,
// of its economic panel, the two costs.
TEST_F(ReportWriterTest, EconomicResultsWriteOnlyTheCostLines) {
  ASSERT_TRUE(OpenProjectFile(app, CasePath("economic.txt")));
  const QStringList lines = Write();
  EXPECT_TRUE(lines.contains("{Normal 11}Espesor económico"));
  const auto line = [&](const char* label) { return "\t" + form().Text(label); };
  EXPECT_EQ(Between(lines, "{Bold 12}Resultados", "{Bold 12}Distribución de temperaturas"),
            QStringList({"{Bold 12}Resultados", "{Normal 10}" + line("LabelEsp"), line("LabelRT"), line("LabelQ"),
                         line("LabelRITE"), "", line("LabelCI"), line("LabelCT"), ""}));
  EXPECT_TRUE(form().Text("LabelCT").startsWith("Coste total"));
}

// The figures the economic thickness is sought from, with their units, and
// only for that design condition.
TEST_F(ReportWriterTest, EconomicInputsOnlyForTheEconomicCase) {
  const auto economicHeading = [](const QStringList& lines) { return lines.contains("{Bold 12}Datos económicos"); };
  CommandCalculate(app);
  EXPECT_FALSE(economicHeading(Write())) << "a heat flow condition";
  form().SelectRow("RadioGroupCalcular", 0);
  CommandCalculate(app);
  EXPECT_FALSE(economicHeading(Write())) << "no thickness sought";

  form().SelectRow("RadioGroupCalcular", 1);
  form().SelectRow("RadioGroupCondicionP", 3);
  form().SetText("EditInf", "3");
  form().SetText("EditOpor", "5");
  form().SetText("EditNa", "15");
  form().SetText("EditNh", "4000");
  CommandCalculate(app);
  const QStringList lines = Write();
  ASSERT_TRUE(economicHeading(lines));
  EXPECT_EQ(TableStartingWith("Inflación del combustible").rows,
            (std::vector<QStringList>{{"Inflación del combustible", "3 %"},
                                      {"Coste de oportunidad del dinero", "5 %"},
                                      {"Años de vida de la instalación", "15 años"},
                                      {"Horas de funcionamiento al año", "4000 h"},
                                      {"Coste de la energía térmica", "0,033 euros/kWh"}}));
  const ReportTable costs = TableStartingWith("Espesor\n(mm)");
  EXPECT_EQ(costs.headerRows, 1);
  EXPECT_EQ(costs.rows,
            (std::vector<QStringList>{
                {"Espesor\n(mm)", "Coste aislamiento\n(euros/m2)"}, {"100", "41"}, {form().Text("EditEsp2"), "47"}}));
  // The economic data come after the case's conditions and before its results.
  EXPECT_LT(lines.indexOf("{Bold 12}Condiciones Exteriores"), lines.indexOf("{Bold 12}Datos económicos"));
}

// A condition the calculation refused leaves the bare element's figure, as
// the window shows it, and no temperatures beside the chart.
TEST_F(ReportWriterTest, RefusedConditionReportsTheBareElement) {
  ASSERT_TRUE(OpenProjectFile(app, CasePath("refused_condition.txt")));
  ASSERT_TRUE(form().Enabled("SBImpresor"));
  QStringList shown;
  for (const char* label : {"LabelRT", "LabelQ"})
    if (!form().Text(label).isEmpty()) shown << "\t" + form().Text(label);
  ASSERT_FALSE(shown.isEmpty());
  shown.front().prepend("{Normal 10}");
  const QStringList lines = Write();
  EXPECT_EQ(Between(lines, "{Bold 12}Resultados", "").mid(1), shown);
  EXPECT_TRUE(TableStartingWith("Cara").rows.empty());
}

// The regulation's line follows the results of a calculation that worked it out.
TEST_F(ReportWriterTest, RegulationLineOnlyWhenWorkedOut) {
  EXPECT_FALSE(Write().join('\n').contains("RITE")) << "no calculation";
  ASSERT_TRUE(OpenProjectFile(app, CasePath("pipe_air_flow.txt")));
  ASSERT_TRUE(form().Text("LabelRITE").startsWith("RITE"));
  const QStringList lines = Write();
  const qsizetype flow = lines.indexOf("\t" + form().Text("LabelQ"));
  ASSERT_GE(flow, 0) << lines.join('\n').toStdString();
  EXPECT_EQ(lines[flow + 1], "\t" + form().Text("LabelRITE"));
}

TEST_F(ReportWriterTest, TankWritesDiameterAndLength) {
  SelectElementKind(app, GeometryKind::Special);
  form().SelectRow("RGTipoOtros", 1);
  const QStringList lines = Write();
  EXPECT_TRUE(lines.join('\n').contains("} | [ImageDepositoV] |"));
  EXPECT_TRUE(lines.contains("\tDiámetro interior: 125 mm"));
  EXPECT_TRUE(lines.contains("\tLongitud: 3 m"));
}

// The layer table of a case with every layer in use: a heading row, then
// one row per surface and layer, from the inside out.
TEST_F(ReportWriterTest, LayerTableHasARowPerLayerBetweenTheSurfaces) {
  form().UserSelect("ComboBox1", 5);
  for (int n = 1; n <= 6; ++n) form().SetText(QStringLiteral("ENombre%1").arg(n), QStringLiteral("Capa %1").arg(n));
  form().SetText("ENombre3", "Panel de lana mineral de alta densidad con barrera de vapor");
  Write();
  const ReportTable layers = TableStartingWith("Nombre");
  EXPECT_EQ(layers.headerRows, 1);
  EXPECT_TRUE(layers.ruled);
  ASSERT_EQ(layers.rows.size(), 1u + 1 + 6 + 1);
  EXPECT_EQ(layers.rows[1].front(), "Interior");
  for (int n = 1; n <= 6; ++n) {
    EXPECT_EQ(layers.rows[1 + n].front(), n == 3 ? form().Text("ENombre3") : QStringLiteral("Capa %1").arg(n));
  }
  EXPECT_EQ(layers.rows.back().front(), "Exterior");
}

// The resistance column carries the unit of the element's resistances.
struct UnitCase {
  const char* label;
  GeometryKind kind;
  const char* variantGroup;
  int variant;
  const char* unit;
};

class LayerUnitTest : public ReportWriterTest, public ::testing::WithParamInterface<UnitCase> {};

TEST_P(LayerUnitTest, FollowsTheElementKind) {
  const UnitCase& c = GetParam();
  SelectElementKind(app, c.kind);
  if (c.variantGroup) form().SelectRow(c.variantGroup, c.variant);
  Write();
  const ReportTable layers = TableStartingWith("Nombre");
  ASSERT_FALSE(layers.rows.empty());
  EXPECT_EQ(layers.rows.front()[3], QStringLiteral("Resist.térmica\n(%1)").arg(QString::fromUtf8(c.unit)));
  EXPECT_EQ(layers.rows.front()[1], "Espesor\n(mm)");
  EXPECT_EQ(layers.rows.front()[2], "Conductividad\n(W/mºC)");
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, LayerUnitTest,
    ::testing::Values(UnitCase{"Plate", GeometryKind::Plate, nullptr, 0, "m2ºC/W"},
                      UnitCase{"PipeInAir", GeometryKind::Pipe, "RGTipoTuberias", 0, "mºC/W"},
                      UnitCase{"BuriedPipeInBox", GeometryKind::Pipe, "RGTipoTuberias", 3, "mºC/W"},
                      UnitCase{"Sphere", GeometryKind::Sphere, nullptr, 0, "ºC/W"},
                      UnitCase{"Duct", GeometryKind::Special, "RGTipoOtros", 0, "m2ºC/W"},
                      UnitCase{"VerticalTank", GeometryKind::Special, "RGTipoOtros", 1, "mºC/W"},
                      UnitCase{"HorizontalTank", GeometryKind::Special, "RGTipoOtros", 2, "mºC/W"}),
    [](const ::testing::TestParamInfo<UnitCase>& info) { return std::string(info.param.label); });

// The design-condition line of every condition list.
struct ConditionCase {
  const char* label;
  GeometryKind kind;
  const char* variantGroup;
  int variant;
  const char* conditionGroup;
  int row;
  const char* line;
};

class ConditionLineTest : public ReportWriterTest, public ::testing::WithParamInterface<ConditionCase> {};

TEST_P(ConditionLineTest, FollowsTheTitle) {
  const ConditionCase& c = GetParam();
  SelectElementKind(app, c.kind);
  if (c.variantGroup) form().SelectRow(c.variantGroup, c.variant);
  form().SelectRow("RadioGroupCalcular", 1);
  form().SelectRow(c.conditionGroup, c.row);
  const std::pair<const char*, const char*> values[] = {
      {"EditCondicionQ", "15"},  {"EditCondicionPor", "5"},    {"EditCondicionRT", "1"},
      {"EditCondicionTe", "12"}, {"EditCondicionTi", "22"},    {"EditTf", "24,99"},
      {"EditLong", "100"},       {"EditCondicionTCong", "12"}, {"EditCondicionPorCong", "50"}};
  for (const auto& [field, value] : values) form().SetText(field, value);
  const QStringList lines = Write();
  ASSERT_GT(lines.size(), 4);
  const qsizetype title = lines.indexOf("{Bold 14}Cálculo del espesor de aislamiento");
  ASSERT_GT(title, 0);
  ASSERT_GT(lines.size(), title + 2);
  EXPECT_EQ(lines[title + 1], QStringLiteral("{Normal 11}") + QString::fromUtf8(c.line));
  EXPECT_EQ(lines[title + 2], QString()) << "the line before the next heading";
}

#define PERCENTAGE "Reducción al 5 % del flujo de calor de elemento sin aislamiento"
#define SURFACE_T "Imposición de una temperatura superficial exterior de 12 ºC"

INSTANTIATE_TEST_SUITE_P(
    EveryList, ConditionLineTest,
    ::testing::Values(
        ConditionCase{"Plate0", GeometryKind::Plate, nullptr, 0, "RadioGroupCondicionP", 0,
                      "Imposición de una densidad superficial de flujo de calor de 15W/m2"},
        ConditionCase{"Plate1", GeometryKind::Plate, nullptr, 0, "RadioGroupCondicionP", 1, PERCENTAGE},
        ConditionCase{"Plate2", GeometryKind::Plate, nullptr, 0, "RadioGroupCondicionP", 2,
                      "Conseguir un coef. global de transferencia de calor de 1W/m2ºC"},
        ConditionCase{"Plate3", GeometryKind::Plate, nullptr, 0, "RadioGroupCondicionP", 3, "Espesor económico"},
        ConditionCase{"Plate4", GeometryKind::Plate, nullptr, 0, "RadioGroupCondicionP", 4, SURFACE_T},
        ConditionCase{"Plate5", GeometryKind::Plate, nullptr, 0, "RadioGroupCondicionP", 5,
                      "Evitar condensaciones exteriores"},
        ConditionCase{"Plate6", GeometryKind::Plate, nullptr, 0, "RadioGroupCondicionP", 6,
                      "Imposición de una temperatura superficial interior de 22 ºC"},
        ConditionCase{"Plate7", GeometryKind::Plate, nullptr, 0, "RadioGroupCondicionP", 7,
                      "Evitar condensaciones interiores"},
        ConditionCase{"PipeAir0", GeometryKind::Pipe, "RGTipoTuberias", 1, "RadioGroupCondicionT", 0,
                      "Imposición de una densidad lineal de flujo de calor de 15W/m"},
        ConditionCase{"PipeAir1", GeometryKind::Pipe, "RGTipoTuberias", 0, "RadioGroupCondicionT", 1, PERCENTAGE},
        ConditionCase{"PipeAir2", GeometryKind::Pipe, "RGTipoTuberias", 0, "RadioGroupCondicionT", 2,
                      "Conseguir una resistencia térmica lineal de 1 mºC/W"},
        ConditionCase{"PipeAir3", GeometryKind::Pipe, "RGTipoTuberias", 0, "RadioGroupCondicionT", 3,
                      "Espesor económico"},
        ConditionCase{"PipeAir4", GeometryKind::Pipe, "RGTipoTuberias", 0, "RadioGroupCondicionT", 4, SURFACE_T},
        ConditionCase{"PipeAir5", GeometryKind::Pipe, "RGTipoTuberias", 0, "RadioGroupCondicionT", 5,
                      "Evitar condensaciones exteriores"},
        ConditionCase{"PipeAir6", GeometryKind::Pipe, "RGTipoTuberias", 0, "RadioGroupCondicionT", 6,
                      "Imponer una temperatura final del agua 24,99 ºC con una long. tubería de 100 m"},
        ConditionCase{"PipeAir7", GeometryKind::Pipe, "RGTipoTuberias", 0, "RadioGroupCondicionT", 7,
                      "Imponer un porcentaje de agua congelada 50 %, durante un tiempo de 12 h"},
        ConditionCase{"Buried0", GeometryKind::Pipe, "RGTipoTuberias", 2, "RadioGroupCondicionTE", 0,
                      "Imposición de una densidad lineal de flujo de calor de 15W/m"},
        ConditionCase{"Buried1", GeometryKind::Pipe, "RGTipoTuberias", 3, "RadioGroupCondicionTE", 1, PERCENTAGE},
        ConditionCase{"Buried2", GeometryKind::Pipe, "RGTipoTuberias", 2, "RadioGroupCondicionTE", 2,
                      "Conseguir una resistencia térmica lineal de 1 mºC/W"},
        ConditionCase{"Buried3", GeometryKind::Pipe, "RGTipoTuberias", 3, "RadioGroupCondicionTE", 3,
                      "Espesor económico"},
        ConditionCase{"Sphere0", GeometryKind::Sphere, nullptr, 0, "RadioGroupCondicionE", 0,
                      "Imposición de un flujo de calor de 15W"},
        ConditionCase{"Sphere1", GeometryKind::Sphere, nullptr, 0, "RadioGroupCondicionE", 1, PERCENTAGE},
        ConditionCase{"Sphere2", GeometryKind::Sphere, nullptr, 0, "RadioGroupCondicionE", 2,
                      "Conseguir una resistencia térmica total de 1 ºC/W"},
        ConditionCase{"Sphere3", GeometryKind::Sphere, nullptr, 0, "RadioGroupCondicionE", 3, "Espesor económico"},
        ConditionCase{"Sphere4", GeometryKind::Sphere, nullptr, 0, "RadioGroupCondicionE", 4, SURFACE_T},
        ConditionCase{"Sphere5", GeometryKind::Sphere, nullptr, 0, "RadioGroupCondicionE", 5,
                      "Evitar condensaciones exteriores"},
        ConditionCase{"Duct0", GeometryKind::Special, "RGTipoOtros", 0, "RadioGroupConductos", 0,
                      "Imposición de un flujo de calor de 15W"},
        ConditionCase{"Duct1", GeometryKind::Special, "RGTipoOtros", 0, "RadioGroupConductos", 1, PERCENTAGE},
        ConditionCase{"Duct2", GeometryKind::Special, "RGTipoOtros", 0, "RadioGroupConductos", 2,
                      "Conseguir una resistencia térmica lineal de 1 mºC/W"},
        ConditionCase{"Duct3", GeometryKind::Special, "RGTipoOtros", 0, "RadioGroupConductos", 3, "Espesor económico"},
        ConditionCase{"Duct4", GeometryKind::Special, "RGTipoOtros", 0, "RadioGroupConductos", 4, SURFACE_T},
        ConditionCase{"Duct5", GeometryKind::Special, "RGTipoOtros", 0, "RadioGroupConductos", 5,
                      "Evitar condensaciones exteriores"},
        ConditionCase{"Duct6", GeometryKind::Special, "RGTipoOtros", 0, "RadioGroupConductos", 6, ""},
        ConditionCase{"TankV0", GeometryKind::Special, "RGTipoOtros", 1, "RadioGroupDepositos", 0,
                      "Imposición de un flujo de calor de 15W"},
        ConditionCase{"TankH1", GeometryKind::Special, "RGTipoOtros", 2, "RadioGroupDepositos", 1, PERCENTAGE},
        ConditionCase{"TankV2", GeometryKind::Special, "RGTipoOtros", 1, "RadioGroupDepositos", 2,
                      "Espesor económico"}),
    [](const ::testing::TestParamInfo<ConditionCase>& info) { return std::string(info.param.label); });

// One row of the layer table.
struct LayerRowCase {
  const char* label;
  const char* name;
  const char* thickness;
  bool thicknessShown;
  const char* conductivity;
  bool conductivityShown;
  const char* vapour;
  bool vapourShown;
  const char* cells;  // joined by "|"
};

class LayerRowTest : public ::testing::TestWithParam<LayerRowCase> {
 protected:
  void SetUp() override { SetDecimalSeparator(QLatin1Char(',')); }
  void TearDown() override { ResetDecimalSeparator(); }
};

TEST_P(LayerRowTest, Cells) {
  const LayerRowCase& c = GetParam();
  const QStringList cells = LayerRowCells(QString::fromUtf8(c.name), c.thickness, c.thicknessShown, c.conductivity,
                                          c.conductivityShown, "1,25", true, c.vapour, c.vapourShown, true);
  EXPECT_EQ(cells.join(QLatin1Char('|')), QString::fromUtf8(c.cells));
  EXPECT_EQ(LayerRowCells(QString::fromUtf8(c.name), c.thickness, c.thicknessShown, c.conductivity, c.conductivityShown,
                          "1,25", true, c.vapour, c.vapourShown, false),
            cells.mid(0, 4))
      << "without the vapour column the row has four cells";
}

INSTANTIATE_TEST_SUITE_P(
    Table, LayerRowTest,
    ::testing::Values(
        LayerRowCase{"ShortName", "Aislante 1", "40", true, "0,04", true, "", false, "Aislante 1|40,00|0,040|1,250|"},
        LayerRowCase{"FifteenCharacters", "Poliestireno XP", "40", true, "0,04", true, "", false,
                     "Poliestireno XP|40,00|0,040|1,250|"},
        LayerRowCase{"SixteenCharacters", "Poliuretano tipo", "40", true, "0,04", true, "", false,
                     "Poliuretano tipo|40,00|0,040|1,250|"},
        LayerRowCase{"AccentedLongName", "Ladrillo cerámico", "115", true, "0,49", true, "", false,
                     "Ladrillo cerámico|115,00|0,490|1,250|"},
        LayerRowCase{"EmptyConductivity", "Capa 2", "12", true, "", false, "", false, "Capa 2|12,00||1,250|"},
        LayerRowCase{"OtherSeparator", "Capa 3", "2.5", true, "0.035", true, "12", true,
                     "Capa 3|2,50|0,035|1,250|12,000"},
        LayerRowCase{"NotANumber", "Capa 4", "abc", true, "0,04", true, "x", true, "Capa 4|0,00|0,040|1,250|0,000"}),
    [](const ::testing::TestParamInfo<LayerRowCase>& info) { return std::string(info.param.label); });

}  // namespace
