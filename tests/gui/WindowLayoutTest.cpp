// SPDX-License-Identifier: GPL-3.0-or-later
// Where the window puts its controls: every one in a layout, the two sides of
// the element built alike, their titles as the form has them.

#include "WindowFixture.h"

#include <QScrollArea>
#include <QToolBar>

namespace {

int Top(const QWidget* w, const QWidget* window) { return w->mapTo(window, QPoint(0, 0)).y(); }

// The window's own captions (without a name) that show `text` inside `area`.
QList<QLabel*> CaptionsReading(const QWidget* area, const QString& text) {
  QList<QLabel*> found;
  for (QLabel* label : area->findChildren<QLabel*>())
    if (label->objectName().isEmpty() && label->text() == text && label->isVisible()) found << label;
  return found;
}

}  // namespace

// A control that no layout took stays a bare child of the window, drawn over
// its top left corner. Only the welcome panel belongs there: it covers all.
TEST_F(WindowTest, EveryControlSitsInTheToolbarOrTheDataArea) {
  QWidget* toolbar = window->findChild<QToolBar*>(QStringLiteral("Toolbar"));
  QWidget* data = window->centralWidget();
  ASSERT_NE(toolbar, nullptr);
  for (const Control& c : app.form.Controls()) {
    SCOPED_TRACE(c.name.toStdString());
    QWidget* w = W(c.name);
    if (c.name == QLatin1String("Panel6") || c.parent == QLatin1String("Panel6")) {
      EXPECT_TRUE(w == W("Panel6") ? w->parentWidget() == window.get() : W("Panel6")->isAncestorOf(w));
      continue;
    }
    EXPECT_TRUE(toolbar->isAncestorOf(w) || data->isAncestorOf(w));
  }
  // What scrolls with the data excludes what floats over it.
  const QWidget* content = window->findChild<QScrollArea*>()->widget();
  EXPECT_TRUE(content->isAncestorOf(W("Panel2")));
  EXPECT_TRUE(content->isAncestorOf(W("PanelTerreno")));
  for (const char* overlay : {"Chart1", "PMateriales", "PEleccionTub", "PCoefEmision", "PanelTTerreno"}) {
    EXPECT_FALSE(content->isAncestorOf(W(overlay))) << overlay;
  }
}

// The interior and exterior panels stand side by side with their rows level:
// title, temperature, humidity, coefficient choice and coefficient fields.
TEST_F(WindowTest, TheTwoSidesLineUp) {
  ChooseRow("RadioGroupCalcular", 0);
  ChooseRow("RadioGroupCondensacion", 0);  // shows the humidities
  ChooseRow("RGhi", 2);
  ChooseRow("RGhe", 2);
  QApplication::processEvents();

  const QWidget* w = window.get();
  ASSERT_TRUE(W("EditFiI")->isVisible());
  ASSERT_TRUE(W("EditFiE")->isVisible());
  ASSERT_TRUE(W("PCoefInt")->isVisible());
  ASSERT_TRUE(W("PCoefExt")->isVisible());
  for (auto [interior, exterior] : {std::pair{"Label11", "Label12"}, std::pair{"EditTi", "EditTe"},
                                    std::pair{"EditFiI", "EditFiE"}, std::pair{"RGhi", "RGhe"}}) {
    SCOPED_TRACE(interior);
    EXPECT_EQ(Top(W(interior), w), Top(W(exterior), w));
    EXPECT_EQ(W(interior)->height(), W(exterior)->height());
  }
  // The exterior's coefficients have the surroundings above them: only their tops meet.
  EXPECT_EQ(Top(W("PCoefInt"), w), Top(W("PCoefExt"), w));
  EXPECT_EQ(Top(W("Labelhi"), w), Top(W("PCoefInt"), w));
  // The titles too, each in its side's frame.
  const QList<QLabel*> interiorTitle = CaptionsReading(W("Panel2"), app.form.Text("Panel2"));
  ASSERT_EQ(interiorTitle.size(), 1);
  EXPECT_EQ(Top(interiorTitle[0], w), Top(W("LabelTituloExt"), w));
  EXPECT_EQ(interiorTitle[0]->font(), W("LabelTituloExt")->font());
}

// The titles of the sides and of the surface rows of the layer table say what
// the form says: the soil takes the exterior's place for a buried pipe.
TEST_F(WindowTest, SideTitlesFollowTheForm) {
  auto* table = W("Edit0RT")->parentWidget();
  EXPECT_EQ(CaptionsReading(table, QStringLiteral("Interior")).size(), 1);
  EXPECT_EQ(CaptionsReading(table, QStringLiteral("Exterior")).size(), 1);

  Click("SpeedButton4");
  ChooseRow("RGTipoTuberias", 3);
  ASSERT_EQ(app.form.Text("LabelTituloExt"), QStringLiteral("Terreno"));
  EXPECT_EQ(Shown("LabelTituloExt"), QStringLiteral("Terreno"));
  EXPECT_EQ(CaptionsReading(table, QStringLiteral("Terreno")).size(), 1);
  EXPECT_TRUE(CaptionsReading(table, QStringLiteral("Exterior")).isEmpty());
  // The soil fills the exterior's frame, under the same title.
  EXPECT_TRUE(W("LabelTituloExt")->parentWidget()->isAncestorOf(W("PanelTerreno")));
  EXPECT_EQ(Top(W("EditTsuelo"), window.get()), Top(W("EditTi"), window.get()));

  Click("SpeedButton2");
  EXPECT_EQ(Shown("LabelTituloExt"), QStringLiteral("Exterior"));
  EXPECT_EQ(CaptionsReading(table, QStringLiteral("Exterior")).size(), 1);
  EXPECT_EQ(CaptionsReading(W("Panel2"), QStringLiteral("Interior")).size(), 1);
}
