// SPDX-License-Identifier: GPL-3.0-or-later
// The user's own materials in the material chooser, edited through the
// chooser's buttons and the material dialog as the user does.

#include "WindowFixture.h"
#include "app/UserMaterialCommands.h"
#include "gui/UserMaterialsEditor.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

namespace {

// Runs `answer` on the next modal box of type T once it shows; gives up after
// two seconds so that a box that never opens cannot stall the suite.
template <typename T>
void WhenShown(std::function<void(T*)> answer) {
  auto* timer = new QTimer;
  auto ticks = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, ticks, answer] {
    auto* box = qobject_cast<T*>(QApplication::activeModalWidget());
    if (!box && ++*ticks < 200) return;
    timer->stop();
    timer->deleteLater();
    if (box) answer(box);
  });
  timer->start(10);
}

// Fills in the material dialog and presses "Guardar"; keeps what the dialog
// showed when it opened. `then` waits for the dialog that may open next.
void Answer(const QString& name, const QString& conductivity, const QString& resistivity, QStringList* shown = nullptr,
            std::function<void()> then = {}) {
  WhenShown<UserMaterialDialog>([=](UserMaterialDialog* dialog) {
    QStringList fields;
    for (const char* field : {"UserMaterialName", "UserMaterialConductivity", "UserMaterialResistivity"})
      fields << dialog->findChild<QLineEdit*>(QString::fromLatin1(field))->text();
    if (shown) *shown = fields;
    auto set = [dialog](const char* field, const QString& text) {
      if (!text.isNull()) dialog->findChild<QLineEdit*>(QString::fromLatin1(field))->setText(text);
    };
    set("UserMaterialName", name);
    set("UserMaterialConductivity", conductivity);
    set("UserMaterialResistivity", resistivity);
    QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    if (then) then();
  });
}

void PressInBox(const QString& caption) {
  WhenShown<QMessageBox>([caption](QMessageBox* box) {
    for (QAbstractButton* b : box->buttons())
      if (b->text() == caption) QTest::mouseClick(b, Qt::LeftButton);
  });
}

class UserMaterialsEditorTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    LoadUserMaterialLibrary(app, Path());
    window->Sync();
  }
  QString Path() const { return dir.filePath("materiales.json"); }
  QStringList Listed() const { return As<RadioGroupBox>("RGMisMateriales")->Items(); }
  QAbstractButton* Tool(const char* name) const {
    return window->findChild<QAbstractButton*>(QString::fromLatin1(name));
  }
  void Press(const char* tool) {
    QAbstractButton* b = Tool(tool);
    ASSERT_NE(b, nullptr) << tool;
    QTest::mouseClick(b, Qt::LeftButton);
  }

  QTemporaryDir dir;
};

TEST_F(UserMaterialsEditorTest, ANewMaterialIsListedSavedAndAppliedToTheLayer) {
  Click("SpeedButton11");  // the material chooser of layer 1
  ASSERT_TRUE(Tool("UserMaterialAdd")->isVisible());
  EXPECT_FALSE(Tool("UserMaterialEdit")->isEnabled());  // nothing to edit yet
  EXPECT_FALSE(Tool("UserMaterialDelete")->isEnabled());

  // A decimal comma while the window writes points: either is read.
  Answer("Coquilla del proveedor", "0,033", "25000");
  Press("UserMaterialAdd");
  EXPECT_EQ(Listed(), QStringList{"Coquilla del proveedor"});
  const std::vector<UserMaterial> saved = LoadUserMaterials(Path()).materials;  // saved at once
  ASSERT_EQ(saved.size(), 1u);
  EXPECT_FLOAT_EQ(saved[0].conductivity, 0.033f);
  EXPECT_FLOAT_EQ(saved[0].vapourResistivity, 25000.0f);

  ChooseRow("RGMisMateriales", 0);
  EXPECT_TRUE(Tool("UserMaterialEdit")->isEnabled());
  Click("SBMisMateriales");
  EXPECT_EQ(Shown("ENombre1"), QStringLiteral("Coquilla del proveedor"));
  EXPECT_EQ(Shown("Edit1k"), QStringLiteral("0.033"));
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(UserMaterialsEditorTest, ARefusedMaterialComesBackAsTypedToBeCorrected) {
  Click("SpeedButton11");
  QStringList reopened;
  Answer("Placa del proveedor", "cero", "40", nullptr,
         [&reopened] { Answer(QString(), "0.04", QString(), &reopened); });
  Press("UserMaterialAdd");

  ASSERT_EQ(sink.shown.size(), 1u);  // the program's own refusal
  EXPECT_EQ(sink.shown[0].caption, kAtencion);
  EXPECT_EQ(sink.shown[0].id, MessageId::UserMaterialRefused) << sink.shown[0].text.toStdString();
  EXPECT_EQ(reopened, (QStringList{"Placa del proveedor", "cero", "40"}));
  EXPECT_EQ(Listed(), QStringList{"Placa del proveedor"});

  // Cancelled: nothing added.
  WhenShown<UserMaterialDialog>([](UserMaterialDialog* dialog) { dialog->reject(); });
  Press("UserMaterialAdd");
  EXPECT_EQ(Listed(), QStringList{"Placa del proveedor"});
}

TEST_F(UserMaterialsEditorTest, EditAndDeleteWorkOnTheChosenMaterial) {
  ASSERT_TRUE(AddUserMaterial(app, {"Primero", 0.03347f, 50}));
  ASSERT_TRUE(AddUserMaterial(app, {"Segundo", 0.04f, 1.5f}));
  window->Sync();
  Click("SpeedButton11");
  ChooseRow("RGMisMateriales", 0);

  // A new name only: the conductivity left as shown keeps its every digit.
  QStringList shown;
  Answer("Primero renombrado", QString(), QString(), &shown);
  Press("UserMaterialEdit");
  EXPECT_EQ(shown, (QStringList{"Primero", "0.0335", "50"}));
  EXPECT_EQ(Listed(), (QStringList{"Primero renombrado", "Segundo"}));
  EXPECT_EQ(app.userMaterials[0].conductivity, 0.03347f);

  ChooseRow("RGMisMateriales", 1);
  PressInBox(QStringLiteral("Cancelar"));
  Press("UserMaterialDelete");
  EXPECT_EQ(Listed().size(), 2);
  PressInBox(QStringLiteral("Eliminar"));
  Press("UserMaterialDelete");
  EXPECT_EQ(Listed(), QStringList{"Primero renombrado"});
  EXPECT_EQ(LoadUserMaterials(Path()).materials.size(), 1u);
  EXPECT_TRUE(sink.shown.empty());
}

}  // namespace
