#include "checking/CompletenessCheck.h"
#include "app/WindowFixture.h"

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
                                           FolderCase{"/brenak", ""}, FolderCase{"C:\\Calc/bin\\prog.exe", "C:\\Calc/bin"}));

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
