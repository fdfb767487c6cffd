// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Choosers.h"

#include "app/Brenak.h"
#include "app/Commands.h"
#include "app/StartUp.h"
#include "checking/FieldValidation.h"
#include "data/ReferenceTables.h"
#include "form/NumberFormat.h"

#include <gtest/gtest.h>

#include <QHash>
#include <functional>

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

INSTANTIATE_TEST_SUITE_P(Cases, MaterialOffer,
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
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(app.form.Visible(lists[i]), i == family) << family << " " << lists[i];
    }
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

namespace {

// Every row of every chooser, applied as the user applies it, writes values
// that the fields it wrote accept when left, under either decimal separator.
class ChooserRowsPassTheirFieldChecks : public ::testing::TestWithParam<char> {
 protected:
  void SetUp() override { SetDecimalSeparator(QChar(GetParam())); }
  void TearDown() override { ResetDecimalSeparator(); }

  using Apply = std::function<void(Brenak&, int row)>;

  // Applies each row of `list` to a window fresh from start, set up by `prepare`,
  // and checks every field whose text the application changed.
  void CheckEveryRow(const char* list, const std::function<void(Brenak&)>& prepare, const Apply& apply) {
    int rows = 0;
    {
      RecordingMessageSink sink;
      Brenak app(sink);
      rows = static_cast<int>(app.form.At(QString::fromLatin1(list)).items.size());
    }
    ASSERT_GT(rows, 0) << list;
    for (int row = 0; row < rows; ++row) {
      RecordingMessageSink sink;
      Brenak app(sink);
      CreateMainWindow(app, QString());
      prepare(app);
      QHash<QString, QString> before;
      for (const Control& c : app.form.Controls())
        if (c.type == ControlType::Edit) before.insert(c.name, c.text);
      apply(app, row);
      int checked = 0;
      for (const Control& c : app.form.Controls()) {
        if (c.type != ControlType::Edit || c.text == before.value(c.name) || c.text.isEmpty()) continue;
        const QString kind = FieldKind(c.name);
        if (kind.isEmpty()) continue;
        ++checked;
        const FieldVerdict verdict = CheckFieldText(c.text, kind);
        EXPECT_TRUE(verdict.accepted) << list << " row " << row << ": " << c.name.toStdString() << " \""
                                      << c.text.toStdString() << "\" "
                                      << (verdict.boxes.empty() ? std::string()
                                                                : verdict.boxes[0].caption.toStdString());
      }
      EXPECT_GT(checked, 0) << list << " row " << row << " wrote no checked field";
    }
  }
};

TEST_P(ChooserRowsPassTheirFieldChecks, MaterialLists) {
  // With the heat flow as target every list of the chooser is offered at once.
  const auto heatFlowOn = [](GeometryKind kind) {
    return [kind](Brenak& app) {
      SelectElementKind(app, kind);
      app.form.UserSelect("RadioGroupCalcular", 0);
    };
  };
  const auto applyWith = [](const char* list, const char* button) {
    return [list, button](Brenak& app, int row) {
      app.form.UserClick("SpeedButton11");
      app.form.UserSelect(QString::fromLatin1(list), row);
      app.form.UserClick(QString::fromLatin1(button));
    };
  };
  CheckEveryRow("RGAislantes", heatFlowOn(GeometryKind::Plate), applyWith("RGAislantes", "SpeedButton17"));
  CheckEveryRow("RGMatPlacas", heatFlowOn(GeometryKind::Plate), applyWith("RGMatPlacas", "SpeedButton10"));
  CheckEveryRow("RGMatTuberias", heatFlowOn(GeometryKind::Pipe), applyWith("RGMatTuberias", "SpeedButton10"));
}

TEST_P(ChooserRowsPassTheirFieldChecks, PipeSizesAndEmissionCoefficients) {
  for (int family = 0; family < kPipeFamilies; ++family) {
    const QString list = PipeSizeList(family);
    CheckEveryRow(
        list.toLatin1().constData(), [](Brenak& app) { SelectElementKind(app, GeometryKind::Pipe); },
        [family, list](Brenak& app, int row) {
          app.form.UserClick("SBRadio");
          app.form.UserSelect("RGTuberias", family);
          app.form.UserSelect(list, row);
          app.form.UserClick("SpeedButton8");
        });
  }
  for (const char* opener : {"SpeedButton21", "SpeedButton22"}) {
    CheckEveryRow(
        "RGCoefEmision", [](Brenak&) {},
        [opener](Brenak& app, int row) {
          app.form.UserClick(QString::fromLatin1(opener));
          app.form.UserSelect("RGCoefEmision", row);
          app.form.UserClick("SpeedButton24");
        });
  }
}

INSTANTIATE_TEST_SUITE_P(Separators, ChooserRowsPassTheirFieldChecks, ::testing::Values('.', ','),
                         [](const ::testing::TestParamInfo<char>& info) {
                           return std::string(info.param == '.' ? "Point" : "Comma");
                         });

}  // namespace
