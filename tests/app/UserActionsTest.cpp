// SPDX-License-Identifier: GPL-3.0-or-later
// The user's actions applied to the window as the command line gives them, and
// brenak-cli calc --set/--click doing them after opening a project.

#include "app/CliProcess.h"
#include "app/UserActions.h"
#include "app/WindowFixture.h"

#include <QJsonArray>

namespace {

class UserActionsTest : public WindowTest {
 protected:
  // "type NAME=TEXT" types into a field; any other step is a click.
  QString Apply(const std::vector<const char*>& steps) {
    std::vector<UserAction> actions;
    for (const char* step : steps) {
      const QString text = QString::fromUtf8(step);
      UserAction action;
      QString error;
      const bool read = text.startsWith("type ") ? ParseTypeAction(text.mid(5), &action, &error)
                                                 : ParseClickAction(text, &action, &error);
      EXPECT_TRUE(read) << step << ": " << error.toStdString();
      actions.push_back(action);
    }
    return ApplyUserActions(app, actions);
  }
};

TEST_F(UserActionsTest, ActionsAreReadAsTheCommandLineWritesThem) {
  UserAction action;
  QString error;
  ASSERT_TRUE(ParseTypeAction("EditReferencia=Nave 2=B", &action, &error));
  EXPECT_EQ(action.control, "EditReferencia");
  EXPECT_EQ(action.text, "Nave 2=B");  // only the first "=" separates
  EXPECT_FALSE(ParseTypeAction("EditTi", &action, &error));
  ASSERT_TRUE(ParseClickAction("SpeedButton1", &action, &error));
  EXPECT_FALSE(action.row.has_value());
  EXPECT_FALSE(ParseClickAction("RGAislantes=dos", &action, &error));
}

TEST_F(UserActionsTest, ATypedValueIsClickedIntoCheckedOnLeavingAndCalculatedOnDemand) {
  ASSERT_EQ(Apply({"SpeedButton1"}), "");
  const QString before = form().Text("Edit1e");
  ASSERT_FALSE(before.isEmpty());

  // The click into the field makes the results stale before anything is calculated.
  ASSERT_EQ(Apply({"type EditTi=40"}), "");
  EXPECT_TRUE(form().Text("Edit1e").isEmpty());
  EXPECT_TRUE(app.modified);
  ASSERT_EQ(Apply({"SpeedButton1"}), "");
  EXPECT_NE(form().Text("Edit1e"), before);
  EXPECT_FALSE(form().Text("Edit1e").isEmpty());

  // Leaving a field checks it: a text that is no number is refused with a box
  // and kept, with the focus, for the user to correct.
  const size_t boxes = sink.shown.size();
  ASSERT_EQ(Apply({"type EditTe=diez"}), "");
  EXPECT_GT(sink.shown.size(), boxes);
  EXPECT_EQ(form().Text("EditTe"), "diez");
  EXPECT_EQ(form().FocusRequest(), "EditTe");
}

TEST_F(UserActionsTest, MarksAndRowsAreChosenAsOnTheWindow) {
  ASSERT_EQ(Apply({"ComboBox1=1", "RBAislante2"}), "");
  EXPECT_EQ(app.LayerCount(), 2);
  EXPECT_TRUE(form().Checked("RBAislante2"));
  EXPECT_FALSE(form().Checked("RBAislante1"));

  // A tank has no thickness target: its row cannot be chosen, and says why.
  ASSERT_EQ(Apply({"SpeedButton23", "RGTipoOtros=1"}), "");
  const QString refusal = Apply({"RadioGroupCalcular=1"});
  EXPECT_TRUE(refusal.startsWith("la fila 1 de RadioGroupCalcular (\"Espesor aislamiento\") no se puede elegir: "))
      << refusal.toStdString();
  EXPECT_FALSE(app.ThicknessTarget());
}

TEST_F(UserActionsTest, WhatTheWindowWouldNotTakeIsRefusedAndEndsTheActions) {
  EXPECT_EQ(Apply({"EditNoExiste"}), "control desconocido: EditNoExiste");
  EXPECT_EQ(Apply({"RadioGroupCalcular=2"}),
            "fila fuera de límites: RadioGroupCalcular=2 (RadioGroupCalcular tiene 2 filas, de 0 a 1)");
  EXPECT_EQ(Apply({"RadioGroupCalcular=-1"}),
            "fila fuera de límites: RadioGroupCalcular=-1 (RadioGroupCalcular tiene 2 filas, de 0 a 1)");
  EXPECT_TRUE(Apply({"RadioGroupCalcular"}).startsWith("RadioGroupCalcular es una lista"));
  EXPECT_EQ(Apply({"SpeedButton1=1"}), "SpeedButton1 no es una lista: no tiene filas que elegir");
  EXPECT_EQ(Apply({"type SpeedButton1=3"}), "SpeedButton1 no es un campo en el que escribir");
  EXPECT_EQ(Apply({"LabelQ"}), "LabelQ no responde a una pulsación");
  // The insulation layer's resistance follows from its thickness; "Gráfica"
  // waits for a calculation; a second layer is hidden while there is one.
  EXPECT_EQ(Apply({"type Edit1RT=2"}), "Edit1RT es de solo lectura");
  EXPECT_EQ(Apply({"SpeedButton7"}), "SpeedButton7 está desactivado");
  EXPECT_EQ(Apply({"type Edit2e=40"}), "Edit2e no está a la vista en la ventana");
  // "Aplicar" of a chooser that is not open.
  EXPECT_EQ(Apply({"SpeedButton10"}), "SpeedButton10 no está a la vista en la ventana");

  // The actions after a refused one are not applied.
  EXPECT_EQ(Apply({"type EditTi=30", "EditNoExiste", "type EditTe=5"}), "control desconocido: EditNoExiste");
  EXPECT_EQ(form().Text("EditTi"), "30");
  EXPECT_EQ(form().Text("EditTe"), "10");
}

// brenak-cli calc with actions.

TEST(CliCalcActions, ApplyInTheOrderGivenAfterOpening) {
  const CliRun opened = RunCli({"calc", CasePath("start.txt"), "--decimal-separator", "."});
  ASSERT_EQ(opened.status, 0);
  ASSERT_EQ(opened.Text("Edit1e"), "33.06");

  // A warmer interior needs more insulation for the same heat flow.
  const CliRun warmer = RunCli(
      {"calc", CasePath("start.txt"), "--set", "EditTi=40", "--click", "SpeedButton1", "--decimal-separator", "."});
  ASSERT_EQ(warmer.status, 0) << warmer.err.toStdString();
  EXPECT_EQ(warmer.Text("EditTi"), "40");
  EXPECT_GT(warmer.Text("Edit1e").toDouble(), 33.06);
  EXPECT_TRUE(QJsonDocument::fromJson(warmer.out).object()["messages"].toArray().isEmpty());

  // The same actions the other way round: the field touched after the
  // calculation leaves the results stale.
  const CliRun stale =
      RunCli({"calc", CasePath("start.txt"), "--click=SpeedButton1", "--set=EditTi=40", "--decimal-separator", "."});
  ASSERT_EQ(stale.status, 0) << stale.err.toStdString();
  EXPECT_TRUE(stale.Text("Edit1e").isEmpty());
  EXPECT_TRUE(stale.Text("LabelQ").isEmpty());
}

TEST(CliCalcActions, ApplyAChooserThroughItsButtons) {
  const CliRun r = RunCli({"calc", CasePath("start.txt"), "--click", "SpeedButton11", "--click", "RGAislantes=0",
                           "--click", "SpeedButton10", "--click", "SpeedButton1", "--decimal-separator", "."});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_TRUE(r.Text("ENombre1").startsWith("Poliuretano")) << r.Text("ENombre1").toStdString();
  EXPECT_EQ(r.Text("Edit1k"), "0.024");
  // A better insulator needs less of it for the same heat flow.
  EXPECT_LT(r.Text("Edit1e").toDouble(), 33.06);
  EXPECT_FALSE(r.Controls()["PMateriales"].toObject()["visible"].toBool());
}

TEST(CliCalcActions, ARefusedActionPrintsNothingAndExitsWithTwo) {
  struct Refusal {
    QStringList args;
    const char* message;
  };
  const QString start = CasePath("start.txt");
  for (const Refusal& c :
       {Refusal{{"--set", "EditTi=30", "--click", "EditTx"}, "brenak-cli: control desconocido: EditTx\n"},
        Refusal{{"--click", "RadioGroupCalcular=5"}, "fila fuera de límites: RadioGroupCalcular=5"},
        Refusal{{"--click", "SBGuardar"}, "SBGuardar abre un diálogo"}}) {
    const CliRun r = RunCli(QStringList{"calc", start} + c.args);
    EXPECT_EQ(r.status, 2) << c.args.join(' ').toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << c.args.join(' ').toStdString();
    EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
  }
}

TEST(CliCalcActions, AreNotAppliedToARefusedFile) {
  const CliRun r = RunCli({"calc", CasePath("refused_file.txt"), "--set", "EditTi=40", "--decimal-separator", "."});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.Text("EditTi"), "25");  // the window as it started
  EXPECT_EQ(QJsonDocument::fromJson(r.out).object()["messages"].toArray().size(), 1);
}

TEST(CliCalcActions, WrittenWrongAreAWrongUse) {
  const QString start = CasePath("start.txt");
  for (const QStringList& args : {QStringList{"calc", start, "--set"}, QStringList{"calc", start, "--set", "EditTi"}}) {
    const CliRun r = RunCli(args);
    EXPECT_EQ(r.status, 1) << args.join(' ').toStdString();
    EXPECT_TRUE(r.err.contains("Uso:")) << r.err.toStdString();
  }
}

}  // namespace
