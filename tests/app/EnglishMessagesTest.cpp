// SPDX-License-Identifier: GPL-3.0-or-later
// The window's own messages and tables in English: with the translation in
// force each text reads in English with its figures and names in place, and
// without it the Spanish text is the same as ever.

#include "EnglishInterface.h"
#include "app/ProjectCommands.h"
#include "app/ProjectSummary.h"
#include "app/ThicknessTable.h"
#include "app/UserActions.h"
#include "app/UserMaterialCommands.h"
#include "app/WindowFixture.h"
#include "data/UserMaterials.h"

#include <QJsonObject>
#include <functional>

namespace {

struct TextCase {
  const char* name;
  std::function<QString(Brenak&, RecordingMessageSink&)> text;
  const char* spanish;
  const char* english;
};

void PrintTo(const TextCase& c, std::ostream* out) { *out << c.name; }

QString LastBox(const RecordingMessageSink& sink) {
  return sink.shown.empty() ? QString() : sink.shown.back().caption + QStringLiteral(" / ") + sink.shown.back().text;
}

QString ActionError(bool (*parse)(const QString&, UserAction*, QString*), const char* argument) {
  UserAction action;
  QString error;
  parse(QString::fromUtf8(argument), &action, &error);
  return error;
}

const TextCase kCases[] = {
    {"MaterialWithoutName",
     [](Brenak&, RecordingMessageSink&) {
       return UserMaterialProblem({QString(), 0.04f, 1});
     },
     "falta el nombre del material", "the material has no name"},
    // Two pieces from two places: the box's sentence and the material's problem.
    {"RefusedMaterialBox",
     [](Brenak& app, RecordingMessageSink& sink) {
       AddUserMaterial(app, {QStringLiteral("Corcho"), 0, 1});
       return LastBox(sink);
     },
     "Atención / No es posible guardar el material: la conductividad debe ser >0 y < 200",
     "Warning / The material cannot be saved: the thermal conductivity must be >0 and < 200"},
    {"ProjectNotSaved",
     [](Brenak& app, RecordingMessageSink& sink) {
       SaveProjectFile(app, QStringLiteral("/no/such/folder/caso.txt"));
       return sink.shown.empty() ? QString() : sink.shown.back().text;
     },
     "No es posible guardar el proyecto \"/no/such/folder/caso.txt\": no se puede escribir el archivo. El archivo "
     "que hubiera con ese nombre no ha cambiado.",
     "The project \"/no/such/folder/caso.txt\" cannot be saved: the file cannot be written. Any file of that name is "
     "unchanged."},
    {"WrongUseBox",
     [](Brenak&, RecordingMessageSink& sink) {
       CommandLineAccepted({QStringLiteral("brenak"), QStringLiteral("a.txt"), QStringLiteral("b.txt")}, sink);
       return LastBox(sink);
     },
     "AVISO / Mal uso", "WARNING / Wrong use"},
    {"HelpFirstLines",
     [](Brenak&, RecordingMessageSink&) {
       return CommandLineAnswer({QStringLiteral("brenak"), QStringLiteral("--help")}).section(QLatin1Char('\n'), 0, 2);
     },
     "Uso:\n  brenak [PROYECTO]\n  brenak --help | --version",
     "Usage:\n  brenak [PROJECT]\n  brenak --help | --version"},
    {"TypeWithoutText", [](Brenak&, RecordingMessageSink&) { return ActionError(ParseTypeAction, "Edit1e"); },
     "se espera CONTROL=TEXTO: Edit1e", "CONTROL=TEXT expected: Edit1e"},
    {"RowNotAWholeNumber", [](Brenak&, RecordingMessageSink&) { return ActionError(ParseClickAction, "RGhi=uno"); },
     "la fila debe ser un número entero, desde 0: RGhi=uno", "the row must be a whole number, from 0: RGhi=uno"},
    {"ListClickedWithoutRow",
     [](Brenak& app, RecordingMessageSink&) {
       return ApplyUserActions(app, {UserAction{UserAction::Kind::Click, QStringLiteral("RGhi"), QString(), {}}});
     },
     "RGhi es una lista: indique la fila que se elige (RGhi=FILA, desde 0)",
     "RGhi is a list: give the row to choose (RGhi=ROW, from 0)"},
    {"RowOutOfRange",
     [](Brenak& app, RecordingMessageSink&) {
       return ApplyUserActions(app, {UserAction{UserAction::Kind::Click, QStringLiteral("RGhi"), QString(), 9}});
     },
     "fila fuera de límites: RGhi=9 (RGhi tiene 3 filas, de 0 a 2)",
     "row out of range: RGhi=9 (RGhi has 3 rows, 0 to 2)"},
    {"LayerNotInUse", [](Brenak& app, RecordingMessageSink&) { return BuildThicknessTable(app, {10}, {}, 3).refusal; },
     "La capa 3 no está en uso: el caso tiene 1 capa", "Layer 3 is not in use: the case has 1 layer"},
    // Units are filled into the translated heading.
    {"TableEnergyHeading",
     [](Brenak& app, RecordingMessageSink&) { return BuildThicknessTable(app, {10}).header.value(5); },
     "Energía perdida (kWh/m2 y año)", "Energy lost (kWh/m2 per year)"},
    {"TableCostHeading",
     [](Brenak& app, RecordingMessageSink&) { return BuildThicknessTable(app, {10}).header.value(8); },
     "Coste total en la vida útil (euros/m2)", "Total life-cycle cost (euros/m2)"},
    // The start case asks for 33.06 mm: 40 mm is its commercial thickness.
    {"CommercialRowNote",
     [](Brenak& app, RecordingMessageSink&) {
       const ThicknessTable table = BuildThicknessTable(app, {30, 40, 50});
       return table.rows.value(table.commercialRow).value(10);
     },
     "espesor comercial", "commercial thickness"},
    {"SummaryHeading", [](Brenak&, RecordingMessageSink&) { return SummaryHeader().value(9); },
     "Resistencia térmica o coef. global", "Thermal resistance or overall coefficient"},
    {"FigureCaption", [](Brenak&, RecordingMessageSink&) { return TableFigureCaption(TableFigures().front()); },
     "Humedad relativa exterior (%)", "Outside relative humidity (%)"},
};

class EnglishMessages : public WindowTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(EnglishMessages, ReadInEnglishOnlyWithTheTranslation) {
  const TextCase& c = GetParam();
  EXPECT_EQ(c.text(app, sink), QString::fromUtf8(c.spanish));
  {
    EnglishInterface english;
    EXPECT_EQ(c.text(app, sink), QString::fromUtf8(c.english));
  }
  EXPECT_EQ(c.text(app, sink), QString::fromUtf8(c.spanish)) << "the Spanish comes back";
}

INSTANTIATE_TEST_SUITE_P(Texts, EnglishMessages, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<TextCase>& info) { return info.param.name; });

// The JSON of the command line is keyed by the Spanish headings whatever the
// language: scripts read it by those names. Only the headings a person reads
// follow the language.
TEST_F(WindowTest, JsonKeysStaySpanishInEnglish) {
  // The case is summarized before: only the keys are at stake here.
  const std::vector<ProjectSummary> summaries = {
      SummarizeProjectFile(QStringLiteral(BRENAK_CASES_DIR "/start.txt"), QString())};
  EnglishInterface english;
  const ThicknessTable table = BuildThicknessTable(app, {30, 40});
  ASSERT_EQ(table.header.value(1), QStringLiteral("Heat flow (W/m2)"));
  const QJsonObject row = TableAsJson(table).at(0).toObject();
  EXPECT_EQ(row.keys().size(), table.keys.size());
  EXPECT_TRUE(row.contains(QStringLiteral("Flujo de calor (W/m2)")));
  EXPECT_TRUE(row.contains(QStringLiteral("Coste energía (euros/m2 y año)")));
  EXPECT_FALSE(row.contains(table.header.value(1)));

  const QJsonObject summary = SummaryAsJson(summaries).at(0).toObject();
  EXPECT_TRUE(summary.contains(QStringLiteral("Condición de diseño")));
  QStringList keys = SummaryKeys();
  keys.sort();
  EXPECT_EQ(summary.keys(), keys);  // a QJsonObject lists its keys sorted
  EXPECT_NE(SummaryHeader(), SummaryKeys());
}

}  // namespace
