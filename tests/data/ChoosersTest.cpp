#include "app/Choosers.h"

#include "app/Brenak.h"
#include "form/NumberFormat.h"
#include "app/StartUp.h"

#include <gtest/gtest.h>

namespace {

class ChooserTest : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator(','); }
  void TearDown() override { ResetDecimalSeparator(); }
  RecordingMessageSink sink;
  Brenak app{sink};
};

// Which lists the material chooser offers, by element kind and insulation mark.
struct OfferCase {
  GeometryKind kind;
  bool markShown;
  bool markSet;
  bool insulation, pipe, plate, insulationApply;
};

class MaterialOffer : public ::testing::TestWithParam<OfferCase> {};

TEST_P(MaterialOffer, ShowsTheListsOfTheCase) {
  const OfferCase& c = GetParam();
  RecordingMessageSink sink;
  Brenak app(sink);
  app.SetKind(c.kind);
  // A previous opening must not leave its lists behind.
  OpenMaterialChooser(app, 6, !c.markShown, true);
  OpenMaterialChooser(app, 3, c.markShown, c.markSet);
  EXPECT_TRUE(app.form.Visible("PMateriales"));
  EXPECT_EQ(app.form.Visible("RGAislantes"), c.insulation);
  EXPECT_EQ(app.form.Visible("RGMatTuberias"), c.pipe);
  EXPECT_EQ(app.form.Visible("RGMatPlacas"), c.plate);
  EXPECT_EQ(app.form.Visible("SpeedButton17"), c.insulationApply);
  EXPECT_EQ(app.chooserTarget, 3);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MaterialOffer,
    ::testing::Values(OfferCase{GeometryKind::Plate, true, true, true, false, false, false},
                      OfferCase{GeometryKind::Pipe, true, true, true, false, false, false},
                      OfferCase{GeometryKind::Pipe, true, false, false, true, false, false},
                      OfferCase{GeometryKind::Plate, true, false, false, false, true, false},
                      OfferCase{GeometryKind::Special, true, false, false, false, true, false},
                      OfferCase{GeometryKind::Plate, false, false, true, false, true, true},
                      OfferCase{GeometryKind::Pipe, false, false, true, true, false, true},
                      OfferCase{GeometryKind::Special, false, false, true, false, true, true}));

TEST_F(ChooserTest, InsulationAppliedToTheMarkedLayer) {
  app.form.SetText("Edit2RT", "0,5");
  OpenMaterialChooser(app, 2, true, true);
  app.form.UserSelect("RGAislantes", 2);
  ApplyMaterialChooser(app, false);
  EXPECT_EQ(app.form.Text("ENombre2"), QStringLiteral("Lana de vidrio"));
  EXPECT_EQ(app.form.Text("Edit2k"), QStringLiteral("0,040"));
  EXPECT_EQ(app.form.Text("Editrv2"), QStringLiteral("9,00"));
  // A new material makes the results stale: the computed resistance goes, the
  // keyboard goes to the conductivity written, and the case has changed.
  EXPECT_EQ(app.form.Text("Edit2RT"), QString());
  EXPECT_EQ(app.form.FocusRequest(), QStringLiteral("Edit2k"));
  EXPECT_TRUE(app.modified);
  EXPECT_FALSE(app.form.Visible("PMateriales"));
  EXPECT_EQ(app.form.Text("ENombre1"), QStringLiteral("Aislante 1"));

  // The pipe wall of a pipe insulated on layer 2.
  app.SetKind(GeometryKind::Pipe);
  OpenMaterialChooser(app, 1, true, false);
  app.form.UserSelect("RGMatTuberias", 1);
  ApplyMaterialChooser(app, false);
  EXPECT_EQ(app.form.Text("ENombre1"), QStringLiteral("Cobre"));
  EXPECT_EQ(app.form.Text("Edit1k"), QStringLiteral("100,000"));
  EXPECT_EQ(app.form.Text("Editrv1"), QStringLiteral("48000,00"));
}

TEST_F(ChooserTest, HeatFlowTargetHasOneApplyPerList) {
  OpenMaterialChooser(app, 4, false, false);
  ApplyMaterialChooser(app, true);  // beside "Aislantes"
  EXPECT_EQ(app.form.Text("ENombre4"), QStringLiteral("Poliuretano II"));
  EXPECT_EQ(app.form.Text("Edit4k"), QStringLiteral("0,024"));
  EXPECT_EQ(app.form.Text("Editrv4"), QStringLiteral("27,00"));

  OpenMaterialChooser(app, 4, false, false);
  ApplyMaterialChooser(app, false);  // the plate list, whatever the insulation list holds
  EXPECT_EQ(app.form.Text("ENombre4"), QStringLiteral("Ladrillo Perforado"));
  EXPECT_EQ(app.form.Text("Edit4k"), QStringLiteral("0,760"));
  EXPECT_EQ(app.form.Text("Editrv4"), QStringLiteral("40,00"));
}

TEST_F(ChooserTest, EmissionGoesToTheSurfaceOfTheOpener) {
  OpenEmissionChooser(app, 1);
  EXPECT_TRUE(app.form.Visible("PCoefEmision"));
  ApplyEmission(app);
  EXPECT_EQ(app.form.Text("Editemisionhi"), QStringLiteral("0,90"));
  EXPECT_FALSE(app.form.Visible("PCoefEmision"));

  OpenEmissionChooser(app, 2);
  app.form.UserSelect("RGCoefEmision", 0);
  ApplyEmission(app);
  EXPECT_EQ(app.form.Text("Editemisionhe"), QStringLiteral("0,05"));
  EXPECT_EQ(app.form.Text("Editemisionhi"), QStringLiteral("0,90"));

  // A surface other than interior (1) or exterior (2) writes nowhere.
  OpenEmissionChooser(app, 3);
  app.form.UserSelect("RGCoefEmision", 1);
  ApplyEmission(app);
  EXPECT_EQ(app.form.Text("Editemisionhi"), QStringLiteral("0,90"));
  EXPECT_EQ(app.form.Text("Editemisionhe"), QStringLiteral("0,05"));
  EXPECT_FALSE(app.form.Visible("PCoefEmision"));
}

TEST_F(ChooserTest, OnlyTheSelectedFamilyListIsShown) {
  OpenPipeSizeChooser(app);
  EXPECT_TRUE(app.form.Visible("PEleccionTub"));
  const char* lists[] = {"RGTubAcero", "RGTubCobreBpulg", "RGTubCobreRpulg", "RGTubCobreCalef"};
  for (int family : {0, 3, 1, 2}) {
    app.form.UserSelect("RGTuberias", family);
    ShowPipeSizeList(app);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(app.form.Visible(lists[i]), i == family) << family << " " << lists[i];
  }
}

}  // namespace

namespace {

// Both choosers open at once: each "Aplicar" writes where its own chooser was
// opened, never into the layer or surface the other one was opened for.
TEST_F(ChooserTest, OpenChoosersKeepTheirOwnTargets) {
  OpenMaterialChooser(app, 5, false, false);
  OpenEmissionChooser(app, 2);
  const QString layer2 = app.form.Text("ENombre2");
  ApplyMaterialChooser(app, true);
  EXPECT_EQ(app.form.Text("ENombre2"), layer2);
  EXPECT_EQ(app.form.Text("ENombre5"), QStringLiteral("Poliuretano II"));

  OpenEmissionChooser(app, 1);
  OpenMaterialChooser(app, 2, false, false);
  app.form.UserSelect("RGCoefEmision", 0);
  ApplyEmission(app);
  EXPECT_EQ(app.form.Text("Editemisionhi"), QStringLiteral("0,05"));
}

}  // namespace

namespace {

// A layer given by its resistance that receives a material or a pipe wall is
// from then on given by the conductivity it received, so the choice is used.
TEST_F(ChooserTest, ChosenConductivityDescribesTheLayer) {
  CreateMainWindow(app, QString());
  app.form.UserClick("SpeedButton4");
  app.form.UserSelect("RadioGroupCalcular", 0);
  app.form.UserClick("Edit1RT");
  app.form.SetText("Edit1RT", "0,5");
  ASSERT_TRUE(app.form.IsComputed("Edit1k"));
  OpenPipeSizeChooser(app);
  ApplyPipeSize(app);
  EXPECT_EQ(app.form.Text("Edit1k"), QStringLiteral("40"));
  EXPECT_TRUE(app.form.IsEntered("Edit1k"));
  EXPECT_TRUE(app.form.IsComputed("Edit1RT"));

  app.form.UserClick("Edit2RT");
  app.form.SetText("Edit2RT", "1,5");
  OpenMaterialChooser(app, 2, app.form.Visible("RBAislante2"), false);
  ApplyMaterialChooser(app, true);
  EXPECT_EQ(app.form.Text("Edit2k"), QStringLiteral("0,024"));
  EXPECT_TRUE(app.form.IsEntered("Edit2k"));
  EXPECT_TRUE(app.form.IsComputed("Edit2RT"));
}

}  // namespace
