// SPDX-License-Identifier: GPL-3.0-or-later
#include "checking/FieldValidation.h"
#include "checking/KindRules.h"

#include "app/Brenak.h"
#include "form/NumberFormat.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>
#include <cmath>
#include <limits>

namespace {

const char* const kRealLetters = "Se espera un nº real y no letras";
const char* const kIntegerGotReal = "Se espera un nº entero y no un nº real";
const char* const kIntegerLetters = "Se espera un nº entero y no letras";
const char* const kOutOfLimits = "Valor fuera de límites";

struct ValidationCase {
  const char* kind;
  const char* text;
  char separator;
  const char* returned;
  std::vector<const char*> captions;  // boxes in the order shown
  const char* message;                // text of every box
};

void PrintTo(const ValidationCase& c, std::ostream* os) {
  *os << c.kind << " \"" << c.text << "\" sep '" << c.separator << "'";
}

class ValidateFieldCases : public ::testing::TestWithParam<ValidationCase> {
 protected:
  void TearDown() override { ResetDecimalSeparator(); }
};

TEST_P(ValidateFieldCases, ReturnsTextAndShowsBoxes) {
  const ValidationCase& c = GetParam();
  SetDecimalSeparator(QChar(c.separator));
  RecordingMessageSink sink;
  EXPECT_EQ(ValidateField(sink, QString::fromUtf8(c.text), QString::fromLatin1(c.kind)), QString::fromUtf8(c.returned));
  ASSERT_EQ(sink.shown.size(), c.captions.size());
  for (std::size_t i = 0; i < c.captions.size(); ++i) {
    EXPECT_EQ(sink.shown[i].caption, QString::fromUtf8(c.captions[i]));
    EXPECT_EQ(sink.shown[i].text, QString::fromUtf8(c.message));
    EXPECT_EQ(sink.shown[i].buttons, MessageButtons::Ok);
  }
}

const char* const kConductivity = "El valor debe estar entre 0.0001 y 200";
const char* const kPercentage = "El valor debe estar entre 1 y 100";
const char* const kTemperature = "El valor debe estar entre -100 y 200";
const char* const kDensity = "El valor debe estar entre 1200 y 1800";
const char* const kYears = "El valor debe estar entre 1 y 50";

INSTANTIATE_TEST_SUITE_P(
    Limits, ValidateFieldCases,
    ::testing::Values(
        // The limits are inclusive and in single precision, whatever the message says.
        ValidationCase{"Conductividad", "0.0001", '.', "0.0001", {}, ""},
        ValidationCase{"Conductividad", "200", '.', "200", {}, ""},
        ValidationCase{"Conductividad", "0", '.', "", {kOutOfLimits}, kConductivity},
        ValidationCase{"Conductividad", "200.01", '.', "", {kOutOfLimits}, kConductivity},
        ValidationCase{"Temperatura", "200", '.', "200", {}, ""},
        ValidationCase{"Temperatura", "200.5", '.', "", {kOutOfLimits}, kTemperature},
        ValidationCase{"Temperatura", "1e50", '.', "", {kOutOfLimits}, kTemperature},
        // Beyond what a double holds is still a number: out of limits, or zero.
        ValidationCase{"Temperatura", "1e400", '.', "", {kOutOfLimits}, kTemperature},
        ValidationCase{"Temperatura", "-1,5e400", ',', "", {kOutOfLimits}, kTemperature},
        ValidationCase{"Emision", "1e-400", '.', "1e-400", {}, ""},
        ValidationCase{"Anos", "1e400", '.', "", {kIntegerGotReal, kOutOfLimits}, kYears},
        ValidationCase{"Densidad", "1199", '.', "", {kOutOfLimits}, kDensity},
        ValidationCase{"Densidad", "1200", '.', "1200", {}, ""}, ValidationCase{"Emision", "0", '.', "0", {}, ""},
        ValidationCase{"Emision", "1", '.', "1", {}, ""}, ValidationCase{"Altura", "0.01", '.', "0.01", {}, ""},
        ValidationCase{"Altura", "0.0099", '.', "", {kOutOfLimits}, "El valor debe estar entre 0.01 y 100"},
        ValidationCase{"ResistividadV", "0", '.', "0", {}, ""},
        ValidationCase{"ResistividadV", "-1", '.', "", {kOutOfLimits}, "El valor debe estar entre 0 y 100000"},
        ValidationCase{"Radio", "99999999999999999999", '.', "", {kOutOfLimits}, "El valor debe estar entre 1 y 10000"},
        // A pipe's interior diameter and a vapour resistivity are real numbers.
        ValidationCase{"Radio", "41,90", ',', "41,90", {}, ""},
        ValidationCase{"Radio", "0.99", '.', "", {kOutOfLimits}, "El valor debe estar entre 1 y 10000"},
        ValidationCase{"ResistividadV", "5.26", ',', "5,26", {}, ""},
        ValidationCase{"ResistividadV", "100000.01", '.', "", {kOutOfLimits}, "El valor debe estar entre 0 y 100000"}));

INSTANTIATE_TEST_SUITE_P(
    NumberTypes, ValidateFieldCases,
    ::testing::Values(
        // An integer kind refuses a real even when its value is whole and in range.
        ValidationCase{"Anos", "1e1", '.', "", {kIntegerGotReal}, kYears},
        ValidationCase{"Porcentaje", "55.5", '.', "", {kIntegerGotReal}, kPercentage},
        ValidationCase{"Porcentaje", "120.5", '.', "", {kIntegerGotReal, kOutOfLimits}, kPercentage},
        ValidationCase{"Porcentaje", "120,5", ',', "", {kIntegerGotReal, kOutOfLimits}, kPercentage},
        ValidationCase{"Porcentaje", " 50 ", '.', " 50 ", {}, ""},
        ValidationCase{"Porcentaje", "abc", '.', "", {kIntegerLetters}, kPercentage},
        ValidationCase{"Porcentaje", "", '.', "", {kIntegerLetters}, kPercentage},
        ValidationCase{"Temperatura", "abc", '.', "", {kRealLetters}, kTemperature},
        ValidationCase{"Temperatura", "", '.', "", {kRealLetters}, kTemperature},
        ValidationCase{"Temperatura", "25 ºC", '.', "", {kRealLetters}, kTemperature},
        // A kind word is matched exactly; an unknown one checks nothing.
        ValidationCase{"temperatura", "letras", '.', "letras", {}, ""}));

INSTANTIATE_TEST_SUITE_P(Separators, ValidateFieldCases,
                         ::testing::Values(
                             // The text goes back with its separator exchanged only when that was needed to read it.
                             ValidationCase{"Conductividad", "0.5", ',', "0,5", {}, ""},
                             ValidationCase{"Conductividad", "0,5", '.', "0.5", {}, ""},
                             ValidationCase{"Conductividad", "0,5", ',', "0,5", {}, ""},
                             ValidationCase{"Conductividad", "0,0001", '.', "0.0001", {}, ""},
                             ValidationCase{"Conductividad", "1,000.5", '.', "", {kRealLetters}, kConductivity}));

TEST(FieldKindTable, ValidatesSixtyThreeFieldsWithKnownKinds) {
  RecordingMessageSink sink;
  Brenak app(sink);
  int validated = 0;
  for (const Control& c : app.form.Controls()) {
    const QString kind = FieldKind(c.name);
    if (kind.isEmpty()) continue;
    ++validated;
    EXPECT_EQ(c.type, ControlType::Edit) << c.name.toStdString();
    // A known kind refuses letters with exactly one box.
    RecordingMessageSink letters;
    EXPECT_EQ(ValidateField(letters, "x", kind), QString()) << c.name.toStdString();
    EXPECT_EQ(letters.shown.size(), 1u) << c.name.toStdString() << " " << kind.toStdString();
  }
  EXPECT_EQ(validated, 63);
  for (const char* name : {"EditCondicionTi", "EditLongitud", "ENombre1", "ENombre6", "EditReferencia", "Edit0RT"}) {
    EXPECT_TRUE(FieldKind(QString::fromLatin1(name)).isEmpty()) << name;
  }
  EXPECT_EQ(FieldKind("Editrv6"), QStringLiteral("ResistividadV"));
  EXPECT_EQ(FieldKind("EditRTCaja"), QStringLiteral("ResistenciaT"));
  EXPECT_EQ(FieldKind("EditNa"), QStringLiteral("Anos"));
}

// Every kind's message states its limits as they are: both are accepted, and a
// value just beyond either is refused.
TEST(FieldKindTable, MessagesStateTheAcceptedLimits) {
  RecordingMessageSink sink;
  Brenak app(sink);
  QSet<QString> kinds;
  for (const Control& c : app.form.Controls())
    if (!FieldKind(c.name).isEmpty()) kinds.insert(FieldKind(c.name));
  ASSERT_EQ(kinds.size(), 18);
  const QRegularExpression stated(QStringLiteral("^El valor debe estar entre (-?[0-9.]+) y ([0-9.]+)$"));
  for (const QString& kind : kinds) {
    RecordingMessageSink far;
    ValidateField(far, QStringLiteral("1e30"), kind);
    ASSERT_FALSE(far.shown.empty()) << kind.toStdString();
    const QRegularExpressionMatch m = stated.match(far.shown.back().text);
    ASSERT_TRUE(m.hasMatch()) << kind.toStdString() << ": " << far.shown.back().text.toStdString();
    const double lower = m.captured(1).toDouble(), upper = m.captured(2).toDouble();
    const bool integer =
        !CheckFieldText(QStringLiteral("1.5"), kind).boxes.empty() &&
        CheckFieldText(QStringLiteral("1.5"), kind).boxes.front().caption == QString::fromUtf8(kIntegerGotReal);
    const double below = integer ? lower - 1 : (lower == 0 ? -0.001 : lower - std::abs(lower) * 0.01);
    const double above = integer ? upper + 1 : upper + std::abs(upper) * 0.01;
    SetDecimalSeparator('.');
    EXPECT_TRUE(CheckFieldText(m.captured(1), kind).accepted) << kind.toStdString();
    EXPECT_TRUE(CheckFieldText(m.captured(2), kind).accepted) << kind.toStdString();
    EXPECT_FALSE(CheckFieldText(QString::number(below, 'g', 10), kind).accepted) << kind.toStdString();
    EXPECT_FALSE(CheckFieldText(QString::number(above, 'g', 10), kind).accepted) << kind.toStdString();
    ResetDecimalSeparator();
  }
}

// The limits given as numbers are those the check of a typed text applies:
// for every kind, a value at either limit and one just beyond it, a half for
// an integer kind, and numbers no field takes.
TEST(KindRuleTable, NumbersAgreeWithTheCheckOfTexts) {
  const char* const kinds[] = {"CoeficienteConv", "Espesor",     "Conductividad", "ResistenciaT", "ResistividadV",
                               "Porcentaje",      "Temperatura", "Calor",         "Anos",         "Horas",
                               "CosteEnerg",      "Coste",       "Emision",       "Altura",       "Velocidad",
                               "Longitud",        "Densidad",    "Radio"};
  SetDecimalSeparator(QLatin1Char('.'));
  for (const char* name : kinds) {
    const QString kind = QString::fromLatin1(name);
    const KindRule* rule = FindKindRule(kind);
    ASSERT_NE(rule, nullptr) << name;
    const float below = std::nextafter(rule->lower, -1e30f), above = std::nextafter(rule->upper, 1e30f);
    const float half = std::floor((rule->lower + rule->upper) / 2) + 0.5f;
    for (const float value : {rule->lower, rule->upper, below, above, half}) {
      // Nine significant digits write a single-precision number exactly.
      const QString text = QString::number(double(value), 'g', 9);
      const bool typed = CheckFieldText(text, kind).accepted;
      EXPECT_EQ(rule->Admits(value), typed) << name << " " << text.toStdString();
    }
    for (const float value :
         {std::nanf(""), std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity()})
      EXPECT_FALSE(rule->Admits(value)) << name << " " << value;
  }
  EXPECT_EQ(FindKindRule(QStringLiteral("temperatura")), nullptr);
  ResetDecimalSeparator();
}

class LeaveFieldTest : public ::testing::Test {
 protected:
  void TearDown() override { ResetDecimalSeparator(); }
  RecordingMessageSink sink;
  Brenak app{sink};
};

TEST_F(LeaveFieldTest, WritesTheCheckedTextBack) {
  SetDecimalSeparator(',');
  app.form.SetText("Edit1k", "0.5");
  LeaveField(app, "Edit1k");
  EXPECT_EQ(app.form.Text("Edit1k"), QStringLiteral("0,5"));
  EXPECT_TRUE(sink.shown.empty());

  app.form.SetText("EditFiI", "120.5");
  LeaveField(app, "EditFiI");
  EXPECT_EQ(app.form.Text("EditFiI"), QStringLiteral("120.5"));
  EXPECT_EQ(app.form.FocusRequest(), QStringLiteral("EditFiI"));
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(sink.shown[1].caption, QString::fromUtf8(kOutOfLimits));

  // Fields without a kind keep whatever they hold.
  app.form.SetText("EditCondicionTi", "letras");
  LeaveField(app, "EditCondicionTi");
  EXPECT_EQ(app.form.Text("EditCondicionTi"), QStringLiteral("letras"));
  EXPECT_EQ(sink.shown.size(), 2u);
}

}  // namespace
