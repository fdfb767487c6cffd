#include "checking/CompletenessCheck.h"
#include "shell/WindowFixture.h"

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
                                           FolderCase{"C:\\Archivos de programa\\Cálculo\\brenak.exe",
                                                      "C:\\Archivos de programa\\Cálculo"},
                                           FolderCase{"/usr/local/bin/brenak", "/usr/local/bin"},
                                           FolderCase{"./brenak", "."}, FolderCase{"/brenak", ""},
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

using StartUp = WindowTest;

TEST_F(StartUp, GivesTheStartProject) {
  EXPECT_EQ(app.programFolder, QStringLiteral("C:\\Calc"));
  EXPECT_EQ(form().Text("Edit1k"), QStringLiteral("0,04"));
  EXPECT_EQ(form().Text("Editemisionhi"), QStringLiteral("0,9"));
  EXPECT_EQ(form().Text("Editemisionhe"), QStringLiteral("0,9"));
  EXPECT_EQ(form().Text("EditCET"), QStringLiteral("0,033"));
  EXPECT_EQ(form().Text("EditeCaja"), QStringLiteral("350"));
  EXPECT_EQ(form().Text("EditkCaja"), QStringLiteral("1"));

  // A single-layer plate, insulation thickness for a heat flow of 15.
  EXPECT_TRUE(form().At("SpeedButton2").captionRed);
  EXPECT_EQ(app.LayerCount(), 1);
  EXPECT_TRUE(app.ThicknessTarget());
  EXPECT_TRUE(form().Checked("RBAislante1") && form().Visible("RBAislante1"));
  EXPECT_TRUE(form().IsComputed("Edit1e"));
  EXPECT_EQ(form().Text("Edit1e"), QString());
  EXPECT_TRUE(form().ReadOnly("Edit1RT"));
  EXPECT_EQ(ShownOf({"RadioGroupCondicionP", "EditCondicionQ", "ENombre1", "ENombre2", "LNuncaCondensa"}),
            QStringList({"RadioGroupCondicionP", "EditCondicionQ", "ENombre1"}));
  EXPECT_EQ(form().At("RGhi").items.value(2), QStringLiteral("Calcular (aire)"));
  EXPECT_TRUE(form().Visible("EditCoefInt") && form().Visible("EditCoefext"));

  // Nothing calculated yet; the welcome panel covers the window.
  EXPECT_FALSE(form().Enabled("SpeedButton7"));
  EXPECT_FALSE(form().Enabled("SBImpresor"));
  EXPECT_EQ(form().Text("LabelQ") + form().Text("LabelEsp") + form().Text("LT0"), QString());
  EXPECT_FALSE(form().Visible("Chart1"));
  EXPECT_TRUE(form().Visible("Panel6"));

  // The start project is complete.
  EXPECT_TRUE(CheckInputsComplete(app));
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(StartUp, WritesNumbersWithTheLocaleSeparator) {
  Brenak other(sink);
  SetDecimalSeparator('.');
  CreateMainWindow(other, QString());
  EXPECT_EQ(other.form.Text("Edit1k"), QStringLiteral("0.04"));
  EXPECT_EQ(other.form.Text("EditCET"), QStringLiteral("0.033"));
  EXPECT_EQ(other.programFolder, QString());
}

}  // namespace
