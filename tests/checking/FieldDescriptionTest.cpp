// SPDX-License-Identifier: GPL-3.0-or-later
#include "checking/FieldDescription.h"

#include "app/Brenak.h"
#include "checking/FieldValidation.h"
#include "form/NumberFormat.h"

#include <gtest/gtest.h>
#include <QRegularExpression>

namespace {

// The element a tooltip is asked for.
enum class Element { Plate, HorizontalPlate, Pipe, Sphere, Duct, Tank };

struct TooltipCase {
  const char* name;
  const char* field;
  Element element;
  char separator;
  const char* tooltip;
};
void PrintTo(const TooltipCase& c, std::ostream* os) { *os << c.name; }

void SetElement(WindowState& app, Element element) {
  switch (element) {
    case Element::Plate: app.SetKind(GeometryKind::Plate); break;
    case Element::HorizontalPlate:
      app.SetKind(GeometryKind::Plate);
      app.form.SelectRow("RGTipoPared", 1);
      break;
    case Element::Pipe: app.SetKind(GeometryKind::Pipe); break;
    case Element::Sphere: app.SetKind(GeometryKind::Sphere); break;
    case Element::Duct:
      app.SetKind(GeometryKind::Special);
      app.form.SelectRow("RGTipoOtros", 0);
      break;
    case Element::Tank:
      app.SetKind(GeometryKind::Special);
      app.form.SelectRow("RGTipoOtros", 1);
      break;
  }
}

class FieldTooltips : public ::testing::TestWithParam<TooltipCase> {
 protected:
  void TearDown() override { ResetDecimalSeparator(); }
  RecordingMessageSink sink;
  Brenak app{sink};
};

TEST_P(FieldTooltips, SayMeaningUnitAndAcceptedRange) {
  const TooltipCase& c = GetParam();
  SetDecimalSeparator(QLatin1Char(c.separator));
  SetElement(app, c.element);
  EXPECT_EQ(FieldTooltip(app, QString::fromLatin1(c.field)), QString::fromUtf8(c.tooltip));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldTooltips,
    ::testing::Values(
        TooltipCase{"Temperature", "EditTi", Element::Plate, '.', "Temperatura interior (ºC), entre −100 y 200"},
        TooltipCase{"SmallLimitWithComma", "Edit1k", Element::Plate, ',',
                    "Conductividad de la capa 1 (W/mºC), entre 0,0001 y 200"},
        TooltipCase{"IntegerKind", "EditFiI", Element::Plate, '.',
                    "Humedad relativa interior (%), nº entero entre 1 y 100"},
        TooltipCase{"NoUnit", "Editemisionhe", Element::Plate, ',',
                    "Coeficiente de emisión de la superficie exterior, entre 0 y 1"},
        TooltipCase{"HintOfTheCatalog", "EditHumedad", Element::Pipe, '.',
                    "Humedad del terreno (%), nº entero entre 1 y 100. Valores normales entre 5 y 30%"},
        TooltipCase{"PlateResistance", "Edit3RT", Element::Plate, '.',
                    "Resistencia térmica de la capa 3 (m2ºC/W), entre 0.0001 y 10"},
        TooltipCase{"PipeResistance", "Edit3RT", Element::Pipe, '.',
                    "Resistencia térmica de la capa 3 (mºC/W), entre 0.0001 y 10"},
        TooltipCase{"SphereResistance", "Edit3RT", Element::Sphere, '.',
                    "Resistencia térmica de la capa 3 (ºC/W), entre 0.0001 y 10"},
        TooltipCase{"DuctResistance", "Edit3RT", Element::Duct, '.',
                    "Resistencia térmica de la capa 3 (m2ºC/W), entre 0.0001 y 10"},
        TooltipCase{"TankResistance", "Edit3RT", Element::Tank, '.',
                    "Resistencia térmica de la capa 3 (mºC/W), entre 0.0001 y 10"},
        TooltipCase{"SphereHeatFlow", "EditCondicionQ", Element::Sphere, ',',
                    "Flujo de calor deseado (W), entre 0,001 y 100"},
        TooltipCase{"PlateOverallCoefficient", "EditCondicionRT", Element::Plate, '.',
                    "Coeficiente global de transmisión de calor deseado (W/m2ºC), entre 0.0001 y 10"},
        TooltipCase{"HorizontalPlateFace", "EditAlthi", Element::HorizontalPlate, '.',
                    "Anchura de la placa (m), entre 0.01 y 100"},
        TooltipCase{"DuctHeight", "EditAlthi", Element::Duct, '.', "Altura del conducto (m), entre 0.01 y 100"},
        TooltipCase{"NotCheckedOnLeaving", "EditCondicionTi", Element::Plate, '.',
                    "Temperatura superficial interior deseada (ºC)"},
        TooltipCase{"AlwaysComputed", "Edithci", Element::Plate, '.',
                    "Parte de convección del coeficiente interior, hci (W/m2ºC), calculado por el programa"}),
    [](const ::testing::TestParamInfo<TooltipCase>& info) { return std::string(info.param.name); });

class FieldDescriptionTest : public ::testing::Test {
 protected:
  void TearDown() override { ResetDecimalSeparator(); }
  RecordingMessageSink sink;
  Brenak app{sink};
};

// Every field the user types into says what it is, and every limit a tooltip
// states is a value the field's check accepts, under either separator.
TEST_F(FieldDescriptionTest, EveryInputFieldIsDescribedAndItsStatedLimitsPass) {
  static const QRegularExpression range(QStringLiteral("entre (\\S+) y (\\S+)$"));
  for (const QChar separator : {QLatin1Char('.'), QLatin1Char(',')}) {
    SetDecimalSeparator(separator);
    for (const Control& c : app.form.Controls()) {
      if (c.type != ControlType::Edit || c.name == QLatin1String("EditComodin")) continue;
      SCOPED_TRACE(c.name.toStdString());
      EXPECT_FALSE(DescribeField(app, c.name).meaning.isEmpty());
      const QString kind = FieldKind(c.name);
      if (kind.isEmpty()) continue;
      QString tip = FieldTooltip(app, c.name);
      tip = tip.left(tip.indexOf(QStringLiteral(". ")) < 0 ? tip.size() : tip.indexOf(QStringLiteral(". ")));
      const QRegularExpressionMatch limits = range.match(tip);
      ASSERT_TRUE(limits.hasMatch()) << tip.toStdString();
      for (int end = 1; end <= 2; ++end) {
        const QString limit = limits.captured(end).replace(QChar(0x2212), QLatin1Char('-'));
        EXPECT_TRUE(CheckFieldText(limit, kind).accepted) << limit.toStdString();
      }
    }
  }
}

// A field is named by its meaning and unit; a control without a description
// by its own name.
TEST_F(FieldDescriptionTest, CaptionNamesTheFieldForAMessage) {
  EXPECT_EQ(FieldCaption(app, "EditTi"), QStringLiteral("Temperatura interior (ºC)"));
  EXPECT_EQ(FieldCaption(app, "ENombre2"), QStringLiteral("Nombre de la capa 2"));
  app.SetKind(GeometryKind::Pipe);
  EXPECT_EQ(FieldCaption(app, "EditCondicionQ"), QStringLiteral("Flujo de calor deseado (W/m)"));
  EXPECT_EQ(FieldCaption(app, "LabelQ"), QStringLiteral("LabelQ"));
}

}  // namespace
