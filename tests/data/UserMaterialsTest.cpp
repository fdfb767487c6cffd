// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Brenak.h"
#include "app/StartUp.h"
#include "app/UserMaterialCommands.h"
#include "data/UserMaterials.h"
#include "form/NumberFormat.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class UserMaterialsTest : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator(','); }
  void TearDown() override { ResetDecimalSeparator(); }
  QString Path() const { return dir.filePath("conf/materiales.json"); }
  void WriteFile(const QByteArray& bytes) {
    QDir().mkpath(dir.filePath("conf"));
    QFile file(Path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QTemporaryDir dir;
};

TEST_F(UserMaterialsTest, SavedMaterialsAreReadBackAndAMissingFileIsAnEmptyList) {
  EXPECT_TRUE(LoadUserMaterials(Path()).materials.empty());
  EXPECT_TRUE(LoadUserMaterials(Path()).problem.isEmpty());
  const std::vector<UserMaterial> list{{"Coquilla X", 0.034f, 30000}, {"Panel Ñ", 0.022f, 300}};
  ASSERT_EQ(SaveUserMaterials(Path(), list), QString());
  const UserMaterialFile read = LoadUserMaterials(Path());
  ASSERT_EQ(read.materials.size(), 2u);
  EXPECT_EQ(read.materials[1].name, QStringLiteral("Panel Ñ"));
  EXPECT_FLOAT_EQ(read.materials[0].conductivity, 0.034f);
  EXPECT_FLOAT_EQ(read.materials[0].vapourResistivity, 30000);
}

TEST_F(UserMaterialsTest, ADamagedFileIsReportedKeptAsideAndNeverOverwritten) {
  for (const QByteArray& damaged : {QByteArray("{not json"), QByteArray("{\"materiales\": 3}"),
                                    QByteArray("{\"materiales\": [{\"nombre\": \"X\", \"conductividad\": -1}]}")}) {
    WriteFile(damaged);
    const UserMaterialFile read = LoadUserMaterials(Path());
    EXPECT_FALSE(read.problem.isEmpty()) << damaged.toStdString();
    EXPECT_TRUE(read.materials.empty());
    ASSERT_FALSE(read.keptAs.isEmpty());
    EXPECT_FALSE(QFile::exists(Path()));
    QFile kept(read.keptAs);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), damaged);  // the user's bytes are all there
  }
}

TEST_F(UserMaterialsTest, TheChooserAddsAppliesAndRefusesAsTheUserExpects) {
  RecordingMessageSink sink;
  Brenak app(sink);
  CreateMainWindow(app, dir.path());
  WriteFile("garbage");
  LoadUserMaterialLibrary(app, Path());
  ASSERT_EQ(sink.shown.size(), 1u);  // the damaged file, said once
  sink.shown.clear();

  EXPECT_TRUE(AddUserMaterial(app, {"Coquilla del proveedor", 0.033f, 25000}));
  EXPECT_FALSE(AddUserMaterial(app, {"", 0.033f, 0}));  // no name
  EXPECT_FALSE(AddUserMaterial(app, {"Malo", 0, 0}));   // no conductivity
  EXPECT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(app.form.At("RGMisMateriales").items, QStringList{"Coquilla del proveedor"});
  EXPECT_EQ(LoadUserMaterials(Path()).materials.size(), 1u);  // saved at once

  // Applied to layer 1 as a built-in material is.
  app.form.UserClick("SpeedButton11");
  app.form.UserSelect("RGMisMateriales", 0);
  app.form.UserClick("SBMisMateriales");
  EXPECT_EQ(app.form.Text("ENombre1"), QStringLiteral("Coquilla del proveedor"));
  EXPECT_EQ(app.form.Text("Edit1k"), QStringLiteral("0,033"));
  EXPECT_FALSE(app.form.Visible("PMateriales"));

  EXPECT_TRUE(ReplaceUserMaterial(app, 0, {"Coquilla nueva", 0.032f, 25000}));
  EXPECT_TRUE(DeleteUserMaterial(app, 0));
  EXPECT_TRUE(app.form.At("RGMisMateriales").items.isEmpty());
  EXPECT_TRUE(LoadUserMaterials(Path()).materials.empty());
}

}  // namespace
