// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Choosers.h"
#include "data/ReferenceTables.h"

#include "app/Brenak.h"
#include "app/StartUp.h"
#include "form/NumberFormat.h"

#include <gtest/gtest.h>

namespace {

// The whole window, driven as the user drives it: a pipe, target insulation thickness.
class PipeWindow {
 public:
  PipeWindow() {
    SetDecimalSeparator(',');
    CreateMainWindow(app, QStringLiteral("/programa"));
    app.form.UserClick("SpeedButton4");
  }
  ~PipeWindow() { ResetDecimalSeparator(); }

  void ChooseSize(int family, int row) {
    app.form.UserClick("SBRadio");
    app.form.UserSelect("RGTuberias", family);
    app.form.UserSelect(PipeSizeList(family), row);
    app.form.UserClick("SpeedButton8");
  }

  RecordingMessageSink sink;
  Brenak app{sink};
};

struct SizeCase {
  int family;
  int row;
  const char* diameter;
  const char* name;
  const char* thickness;
  const char* conductivity;
};

void PrintTo(const SizeCase& c, std::ostream* os) { *os << "family " << c.family << " row " << c.row; }

class PipeSizeApply : public ::testing::TestWithParam<SizeCase> {};

TEST_P(PipeSizeApply, WritesThePipeWallAndTwoLayers) {
  const SizeCase& c = GetParam();
  PipeWindow w;
  w.ChooseSize(c.family, c.row);
  const Form& form = w.app.form;
  EXPECT_EQ(form.Text("Editr0"), QString::fromLatin1(c.diameter));
  EXPECT_EQ(form.Text("ENombre1"), QString::fromUtf8(c.name));
  EXPECT_EQ(form.Text("Edit1e"), QString::fromLatin1(c.thickness));
  EXPECT_EQ(form.Text("Edit1k"), QString::fromLatin1(c.conductivity));
  EXPECT_EQ(w.app.LayerCount(), 2);
  EXPECT_TRUE(form.Checked("RBAislante2"));
  EXPECT_FALSE(form.Checked("RBAislante1"));
  EXPECT_FALSE(form.Visible("PEleccionTub"));
  EXPECT_TRUE(form.Visible("ENombre2"));
  EXPECT_FALSE(form.Visible("ENombre3"));
  // Layer 2 is now the insulation whose thickness is sought; layer 1 is given.
  EXPECT_TRUE(form.IsComputed("Edit2e"));
  EXPECT_TRUE(form.IsEntered("Edit1e"));
}

INSTANTIATE_TEST_SUITE_P(Sizes, PipeSizeApply,
                         ::testing::Values(SizeCase{0, 5, "41,90", "Acero DN40", "3,20", "40"},
                                           SizeCase{0, 2, "21,70", "Acero DN20", "2,55", "40"},
                                           SizeCase{1, 0, "4,83", "Cobre blando 1/4''", "0,76", "100"},
                                           SizeCase{2, 13, "145,80", "Cobre rígido 6 1/8''", "4,89", "100"},
                                           SizeCase{3, 0, "12,00", "Cobre 12/14", "2,00", "100"},
                                           SizeCase{3, 7, "51,60", "Cobre 51.6/54", "2,40", "100"}));

TEST(PipeSizeChooser, FiveLayersBecomeTwo) {
  PipeWindow w;
  Form& form = w.app.form;
  form.UserSelect("ComboBox1", 4);
  for (int n = 2; n <= 5; ++n) {
    const QString row = QString::number(n);
    form.SetText("ENombre" + row, "Capa nueva " + row);
    form.SetText("Edit" + row + "e", "10");
    form.SetText("Edit" + row + "k", "0,5");
    form.SetText("Editrv" + row, "20");
  }
  form.UserClick("Edit4RT");  // row 4 described by its resistance
  form.SetText("Edit4RT", "0,3");

  w.ChooseSize(0, 5);

  EXPECT_EQ(w.app.LayerCount(), 2);
  // The rows left out keep what was given, for when they are used again.
  for (int n = 3; n <= 5; ++n) {
    const QString row = QString::number(n);
    EXPECT_FALSE(form.Visible("ENombre" + row)) << n;
    EXPECT_EQ(form.Text("Edit" + row + "e"), QStringLiteral("10")) << n;
    EXPECT_EQ(form.Text("Edit" + row + "k"), n == 4 ? QString() : QStringLiteral("0,5")) << n;
    EXPECT_EQ(form.Text("Edit" + row + "RT"), n == 4 ? QStringLiteral("0,3") : QString()) << n;
    EXPECT_EQ(form.Text("ENombre" + row), "Capa nueva " + row) << n;
    EXPECT_EQ(form.Text("Editrv" + row), QStringLiteral("20")) << n;
  }
  // The new insulation layer keeps its conductivity for the thickness search.
  EXPECT_EQ(form.Text("Edit2k"), QStringLiteral("0,5"));
  EXPECT_EQ(form.Text("ENombre2"), QStringLiteral("Capa nueva 2"));
}

}  // namespace
