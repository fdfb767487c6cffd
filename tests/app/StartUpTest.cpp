// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowFixture.h"
#include "checking/CompletenessCheck.h"

namespace {

struct FolderCase {
  const char* path;
  const char* folder;
};

class ProgramFolder : public ::testing::TestWithParam<FolderCase> {};

TEST_P(ProgramFolder, IsTheTextBeforeTheLastSeparator) {
  EXPECT_EQ(ProgramFolderFromPath(QString::fromUtf8(GetParam().path)), QString::fromUtf8(GetParam().folder));
}

INSTANTIATE_TEST_SUITE_P(Paths, ProgramFolder,
                         ::testing::Values(FolderCase{"C:\\Calc\\prog.exe", "C:\\Calc"}, FolderCase{"prog.exe", ""},
                                           FolderCase{"C:\\prog.exe", "C:"}, FolderCase{"", ""},
                                           FolderCase{"/usr/local/bin/brenak", "/usr/local/bin"},
                                           FolderCase{"/brenak", ""},
                                           FolderCase{"C:\\Calc/bin\\prog.exe", "C:\\Calc/bin"}));

TEST(CommandLine, TwoArgumentsOrMoreAreMisuse) {
  RecordingMessageSink sink;
  EXPECT_TRUE(CommandLineAccepted({"C:\\Calc\\prog.exe"}, sink));
  EXPECT_TRUE(CommandLineAccepted({"C:\\Calc\\prog.exe", "proyecto.txt"}, sink));
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_FALSE(CommandLineAccepted({"prog.exe", "a", "b"}, sink));
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text, QStringLiteral("Mal uso"));
  EXPECT_EQ(sink.shown[0].caption, QStringLiteral("AVISO"));
  EXPECT_EQ(sink.shown[0].buttons, MessageButtons::Ok);
}

// Only the option alone answers on the standard output; anything else goes on
// to the window (a project named like an option included, when not alone).
struct AnswerCase {
  QStringList arguments;
  const char* beginning;  // empty: no answer
};

class CommandLineAnswers : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(CommandLineAnswers, OnlyAnOptionAloneIsAnswered) {
  const QString answer = CommandLineAnswer(GetParam().arguments);
  const QString beginning = QString::fromUtf8(GetParam().beginning);
  if (beginning.isEmpty()) {
    EXPECT_EQ(answer, QString());
  } else {
    EXPECT_TRUE(answer.startsWith(beginning) && answer.endsWith(QLatin1Char('\n'))) << answer.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Lines, CommandLineAnswers,
                         ::testing::Values(AnswerCase{{"brenak", "--version"}, "brenak " BRENAK_VERSION "\n"},
                                           AnswerCase{{"brenak", "-v"}, "brenak " BRENAK_VERSION "\n"},
                                           AnswerCase{{"brenak", "--help"}, "Uso:\n  brenak [PROYECTO]\n"},
                                           AnswerCase{{"brenak", "-h"}, "Uso:\n  brenak [PROYECTO]\n"},
                                           AnswerCase{{"brenak"}, ""}, AnswerCase{{"brenak", "proyecto.txt"}, ""},
                                           AnswerCase{{"brenak", "--versión"}, ""},
                                           AnswerCase{{"brenak", "--version", "proyecto.txt"}, ""},
                                           AnswerCase{{"brenak", "proyecto.txt", "--help"}, ""}, AnswerCase{{}, ""}));

using StartUp = WindowTest;

TEST_F(StartUp, GivesTheStartProject) {
  EXPECT_EQ(app.programFolder, QStringLiteral("C:\\Calc"));
  EXPECT_EQ(QStringList({form().Text("Edit1k"), form().Text("Editemisionhi"), form().Text("Editemisionhe"),
                         form().Text("EditCET"), form().Text("EditeCaja"), form().Text("EditkCaja")}),
            QStringList({"0,04", "0,9", "0,9", "0,033", "350", "1"}));

  // A single-layer plate, insulation thickness for a heat flow of 15.
  EXPECT_TRUE(form().At("SpeedButton2").captionRed);
  EXPECT_EQ(app.LayerCount(), 1);
  EXPECT_TRUE(app.ThicknessTarget());
  EXPECT_TRUE(form().Checked("RBAislante1") && form().IsComputed("Edit1e") && form().ReadOnly("Edit1RT"));
  EXPECT_EQ(form().Text("Edit1e"), QString());
  EXPECT_EQ(Shown("RBAislante1 RadioGroupCondicionP EditCondicionQ ENombre1 ENombre2 LNuncaCondensa EditCoefInt "
                  "EditCoefext"),
            "RBAislante1 RadioGroupCondicionP EditCondicionQ ENombre1 EditCoefInt EditCoefext");

  // Nothing calculated yet; the welcome panel covers the window.
  EXPECT_FALSE(form().Enabled("SpeedButton7") || form().Enabled("SBImpresor"));
  EXPECT_EQ(form().Text("LabelQ") + form().Text("LabelEsp") + form().Text("LT0"), QString());
  EXPECT_EQ(Shown("Chart1 Panel6"), "Panel6");

  EXPECT_TRUE(CheckInputsComplete(app));
  EXPECT_TRUE(sink.shown.empty());
}

}  // namespace
