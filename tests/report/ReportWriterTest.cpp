#include "report/ReportTestSupport.h"
#include "report/ReportWriter.h"
#include "app/Commands.h"
#include "app/WindowFixture.h"

#include <gtest/gtest.h>

namespace {

const QString kLayerHeadings = QStringLiteral("{Normal 10}               Nombre\t\t         Espesor         Conductividad      Resist.térmica");
const QString kUnits = QStringLiteral("\t\t                             (mm)              (W/mºC)            (m2ºC/W)");

class ReportWriterTest : public WindowTest {
 protected:
  QStringList Write() {
    RecordingReportDocument doc;
    NamedPictures pictures;
    EXPECT_TRUE(WriteReport(app, doc, pictures));
    return doc.Lines();
  }
  // The lines from the one that is `first` up to, not including, the one that is `end`.
  static QStringList Between(const QStringList& lines, const QString& first, const QString& end) {
    const qsizetype from = lines.indexOf(first);
    const qsizetype to = lines.indexOf(end, from + 1);
    if (from < 0 || to < 0) return {QStringLiteral("<missing ") + first + QStringLiteral(" ... ") + end + QLatin1Char('>')};
    return lines.mid(from, to - from);
  }
};

// The whole report of the window as it starts, with results on it.
TEST_F(ReportWriterTest, StartWindowWithResults) {
  form().SetText("Edit0RT", "0,111");
  form().SetText("Edit1e", "43,5");
  form().SetText("Edit1RT", "1,088");
  form().SetText("Edit10RT", "0,06");
  form().SetText("LabelEsp", "Esp. aislamiento 43,50 mmm");
  form().SetText("LabelRT", "Coef. global de transferencia de calor 0,807 W/m2ºC");
  form().SetText("LabelQ", "Densidad sup. flujo de calor 12,10 W/m2");
  const QStringList expected = {
      "[Image4]",
      "",
      "{Bold 14}\tCálculo del espesor de aislamiento",
      "\t{10}Imposición de una densidad superficial de flujo de calor de 15W/m2",
      "\t[ImagePared]",
      "{Bold 14}Condiciones Interiores",
      "{Normal 10}           Tint = 25 ºC",
      "           Coeficiente convección_radición interno impuesto: hint = 9 W/m2ºC",
      "Datos diferentes capas material",
      kLayerHeadings + " ",
      kUnits,
      "             Interior                      \t      \t\t      \t\t0,111\t\t      ",
      "             Aislante 1\t\t43,50\t\t0,040\t\t1,088\t\t      ",
      "             Exterior                      \t      \t\t      \t\t0,060\t\t      ",
      "Condiciones Exteriores",
      "{Normal 10}           Text = 10 ºC",
      "           Coeficiente convección_radición externo impuesto: hext = 16 W/m2ºC",
      "",
      "Esp. aislamiento 43,50 mmm",
      "Coef. global de transferencia de calor 0,807 W/m2ºC",
      "Densidad sup. flujo de calor 12,10 W/m2",
      "",
      "Distribución de temperaturas",
      "\t\t[Chart1]",
  };
  const QStringList lines = Write();
  ASSERT_EQ(lines.size(), expected.size()) << lines.join(QLatin1Char('\n')).toStdString();
  for (qsizetype i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i;
}

TEST_F(ReportWriterTest, UnreachableDocumentIsReportedAndNothingIsWritten) {
  RecordingReportDocument doc;
  doc.connects = false;
  NamedPictures pictures;
  EXPECT_FALSE(WriteReport(app, doc, pictures));
  EXPECT_EQ(doc.log, QStringList({"connect"}));
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text, QStringLiteral("Word may not be installed"));
  EXPECT_EQ(sink.shown[0].buttons, MessageButtons::Yes);
}

TEST_F(ReportWriterTest, HeatFlowTargetHasNoConditionLine) {
  form().SelectRow("RadioGroupCalcular", 0);
  const QStringList lines = Write();
  EXPECT_EQ(lines[2], QStringLiteral("{Bold 14}\tCálculo del flujo de calor"));
  EXPECT_EQ(lines[3], QStringLiteral("\t{10}\t[ImagePared]"));
  EXPECT_EQ(lines[4], QStringLiteral("{Bold 14}Condiciones Interiores"));
}

TEST_F(ReportWriterTest, CondensationStudyWritesHumiditiesAndVapourColumn) {
  form().SelectRow("RadioGroupCalcular", 0);
  form().SelectRow("RadioGroupCondensacion", 0);
  form().SetText("Editrv1", "30");
  const QStringList lines = Write();
  EXPECT_TRUE(lines.contains("{Normal 10}           Tint = 25 ºC            Hrint = 50 %"));
  EXPECT_TRUE(lines.contains("{Normal 10}           Text = 10 ºC            Hrext = 60 %"));
  EXPECT_TRUE(lines.contains(kLayerHeadings + "     Resistiv.vapor"));
  EXPECT_TRUE(lines.contains(kUnits + "         (MN s/gm)"));
  EXPECT_TRUE(lines.contains("             Aislante 1\t\t      \t\t0,040\t\t      \t\t30,000"));
}

TEST_F(ReportWriterTest, BuriedPipeWithoutBoxHasSoilInsteadOfExterior) {
  SelectElementKind(app, GeometryKind::Pipe);
  form().SelectRow("RGTipoTuberias", 2);
  form().SelectRow("RadioGroupTerreno", 1);
  form().SetText("Edit10RT", "0,5");
  const QStringList lines = Write();
  EXPECT_FALSE(lines.contains("Condiciones Exteriores"));
  EXPECT_TRUE(lines.contains("Diámetro interior: 125 mm"));
  const QStringList soil = {
      "             Terreno                      \t      \t\t      \t\t0,500\t\t      ",
      "Condiciones Suelo",
      "{Normal 10}           Tsuelo = 10 ºC",
      "                    Densidad terreno: = 1400 kg/m3",
      "                    Humedad relativa terreno: = 10 %",
      "           Conductividad terreno calculada: kterreno = 1 W/mºC",
      "           Profundidad eje tubería : p = 1 m",
  };
  EXPECT_EQ(Between(lines, soil.front(), ""), soil);
  EXPECT_FALSE(lines.join('\n').contains("Canalización"));
}

TEST_F(ReportWriterTest, BuriedPipeInBoxListsTheBoxBeforeTheSoil) {
  SelectElementKind(app, GeometryKind::Pipe);
  form().SelectRow("RGTipoTuberias", 3);
  form().SetText("EditRTCaja", "0,25");
  const QStringList lines = Write();
  const qsizetype box = lines.indexOf("             Canalización: Lado\t350,00\t\t1,000\t\t0,250\t\t      ");
  ASSERT_GE(box, 0) << lines.join('\n').toStdString();
  EXPECT_TRUE(lines[box + 1].startsWith("             Terreno"));
  EXPECT_EQ(lines[box + 2], "Condiciones Suelo");
  EXPECT_EQ(lines[box + 4], "           Conductividad terreno impuesta: kterreno = 1 W/mºC");
}

TEST_F(ReportWriterTest, CalculatedCoefficientsListTheirData) {
  form().SelectRow("RGhi", 2);
  form().SelectRow("RGhe", 2);
  form().SelectRow("RGAmbientehe", 1);
  form().SetText("Edithci", "2,10");
  form().SetText("Edithri", "5,38");
  form().SetText("EditCoefInt", "7,48");
  form().SetText("Edithce", "12,50");
  form().SetText("Edithre", "4,90");
  form().SetText("EditCoefext", "17,40");
  app.interiorLaminar = true;
  app.exteriorLaminar = false;
  const QStringList lines = Write();
  EXPECT_EQ(Between(lines, "{Normal 10}           Tint = 25 ºC", "Datos diferentes capas material"),
            QStringList({"{Normal 10}           Tint = 25 ºC",
                         "                    Altura: = 3 m",
                         "                    Coef.emisión: = 0,9",
                         "                    Coef.convección laminar: = 2,10 W/m2ºC",
                         "                    Coef.radiación: = 5,38 W/m2ºC",
                         "           Coeficiente convección_radición interior calculado: hint = 7,48 W/m2ºC"}));
  EXPECT_EQ(Between(lines, "{Normal 10}           Text = 10 ºC", ""),
            QStringList({"{Normal 10}           Text = 10 ºC",
                         "                    Altura: = 3 m",
                         "                    Velocidad: = 3 m/s",
                         "                    Coef.emisión: = 0,9",
                         "                    Coef.convección turbulenta: = 12,50 W/m2ºC",
                         "                    Coef.radiación: = 4,90 W/m2ºC",
                         "           Coeficiente convección exterior calculado (al ambiente exterior): hext = 17,40 W/m2ºC"}));
}

TEST_F(ReportWriterTest, NeglectedCoefficientsOfAPipe) {
  SelectElementKind(app, GeometryKind::Pipe);
  form().SelectRow("RGhi", 1);
  form().SelectRow("RGhe", 1);
  const QStringList lines = Write();
  EXPECT_TRUE(lines.contains("           Coeficiente convección interno muy alto (resistencia térmica despreciable)"));
  EXPECT_TRUE(lines.contains("                Coeficiente convección_radición muy alto (resistencia térmica despreciable)"));
}

TEST_F(ReportWriterTest, EconomicResultsWriteOnlyTheCostLines) {
  form().SelectRow("RadioGroupCondicionP", 3);
  form().SetText("LabelEsp", "Esp. aislamiento 80,00 mmm");
  form().Show("PanelEconomico");
  form().SetText("LabelEspEco", "Espesor económico 80 mm");
  form().SetText("LabelCI", "Coste inversión 39,20 euros/m2");
  form().SetText("LabelCT", "Coste total 61,03 euros/m2");
  const QStringList lines = Write();
  EXPECT_EQ(lines[3], "\t{10}Espesor económico");
  EXPECT_EQ(Between(lines, "Esp. aislamiento 80,00 mmm", "Distribución de temperaturas"),
            QStringList({"Esp. aislamiento 80,00 mmm", "", "", "", "Coste inversión 39,20 euros/m2",
                         "Coste total 61,03 euros/m2", ""}));
}

TEST_F(ReportWriterTest, TankWritesDiameterAndLength) {
  SelectElementKind(app, GeometryKind::Special);
  form().SelectRow("RGTipoOtros", 1);
  const QStringList lines = Write();
  EXPECT_EQ(lines[3], "\t{10}\t[ImageDepositoV]");
  EXPECT_TRUE(lines.contains("Diámetro interior: 125 mm"));
  EXPECT_TRUE(lines.contains("Longitud: 3 m"));
}

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
      {"EditCondicionQ", "15"}, {"EditCondicionPor", "5"}, {"EditCondicionRT", "1"},
      {"EditCondicionTe", "12"}, {"EditCondicionTi", "22"}, {"EditTf", "24,99"},
      {"EditLong", "100"}, {"EditCondicionTCong", "12"}, {"EditCondicionPorCong", "50"}};
  for (const auto& [field, value] : values) form().SetText(field, value);
  const QStringList lines = Write();
  ASSERT_GT(lines.size(), 4);
  EXPECT_EQ(lines[3], QStringLiteral("\t{10}") + QString::fromUtf8(c.line));
  EXPECT_TRUE(lines[4].startsWith("\t[Image"));
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
                      "Imponer una temperatura final del agua 24,99 ºC con una long. tuberia de 100 m"},
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
        ConditionCase{"Duct3", GeometryKind::Special, "RGTipoOtros", 0, "RadioGroupConductos", 3,
                      "Espesor económico"},
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
  const char* row;
};

class LayerRowTest : public ::testing::TestWithParam<LayerRowCase> {
 protected:
  void SetUp() override { SetDecimalSeparator(QLatin1Char(',')); }
  void TearDown() override { ResetDecimalSeparator(); }
};

TEST_P(LayerRowTest, Cells) {
  const LayerRowCase& c = GetParam();
  RecordingReportDocument doc;
  WriteLayerRow(doc, QString::fromUtf8(c.name), c.thickness, c.thicknessShown, c.conductivity, c.conductivityShown,
                "1,25", true, c.vapour, c.vapourShown);
  EXPECT_EQ(doc.log, QStringList({QStringLiteral("text:") + QString::fromUtf8(c.row) + QLatin1Char('\n')}));
}

INSTANTIATE_TEST_SUITE_P(
    Table, LayerRowTest,
    ::testing::Values(
        LayerRowCase{"ShortName", "Aislante 1", "40", true, "0,04", true, "", false,
                     "             Aislante 1\t\t40,00\t\t0,040\t\t1,250\t\t      "},
        LayerRowCase{"FifteenCharacters", "Poliestireno XP", "40", true, "0,04", true, "", false,
                     "             Poliestireno XP\t\t40,00\t\t0,040\t\t1,250\t\t      "},
        LayerRowCase{"SixteenCharacters", "Poliuretano tipo", "40", true, "0,04", true, "", false,
                     "             Poliuretano tipo\t40,00\t\t0,040\t\t1,250\t\t      "},
        LayerRowCase{"AccentedLongName", "Ladrillo cerámico", "115", true, "0,49", true, "", false,
                     "             Ladrillo cerámico\t115,00\t\t0,490\t\t1,250\t\t      "},
        LayerRowCase{"EmptyConductivity", "Capa 2", "12", true, "", false, "", false,
                     "             Capa 2\t\t12,00\t\t      \t\t1,250\t\t      "},
        LayerRowCase{"OtherSeparator", "Capa 3", "2.5", true, "0.035", true, "12", true,
                     "             Capa 3\t\t2,50\t\t0,035\t\t1,250\t\t12,000"},
        LayerRowCase{"NotANumber", "Capa 4", "abc", true, "0,04", true, "x", true,
                     "             Capa 4\t\t0,00\t\t0,040\t\t1,250\t\t0,000"}),
    [](const ::testing::TestParamInfo<LayerRowCase>& info) { return std::string(info.param.label); });

}  // namespace
