// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a view of the form model: one widget per control, showing
// what the model holds, whatever the user did before.

#include "WindowFixture.h"

#include <QGroupBox>
#include <QToolButton>
#include <functional>
#include <ostream>

namespace {

const QStringList kOverlays = {"Chart1", "Panel6", "PMateriales", "PEleccionTub", "PCoefEmision", "PanelTTerreno"};

bool WidgetFitsType(QWidget* w, ControlType type) {
  switch (type) {
    case ControlType::Edit: return qobject_cast<QLineEdit*>(w);
    case ControlType::Label: return qobject_cast<QLabel*>(w);
    case ControlType::RadioGroup: return qobject_cast<RadioGroupBox*>(w);
    case ControlType::ComboBox: return qobject_cast<QComboBox*>(w);
    case ControlType::RadioButton: return qobject_cast<QRadioButton*>(w);
    case ControlType::Button: return qobject_cast<QAbstractButton*>(w);
    case ControlType::Panel: return qobject_cast<QFrame*>(w) || qobject_cast<QGroupBox*>(w);
    case ControlType::Picture: return qobject_cast<PictureWidget*>(w);
    case ControlType::Chart: return qobject_cast<ChartPanel*>(w);
  }
  return false;
}

// Everything the model says about a control is what its widget shows.
void ExpectMirrors(const Brenak& app, const MainWindow& window) {
  for (const Control& c : app.form.Controls()) {
    SCOPED_TRACE(c.name.toStdString());
    QWidget* w = window.ControlWidget(c.name);
    ASSERT_NE(w, nullptr);
    if (kOverlays.contains(c.name)) {
      const bool shown = c.visible || (c.name == QLatin1String("Chart1") && app.chart.visible);
      EXPECT_EQ(w->isVisible(), shown);
    } else {
      EXPECT_EQ(!w->isHidden(), c.visible);
    }
    EXPECT_EQ(w->isEnabled(), c.enabled);
    switch (c.type) {
      case ControlType::Edit: {
        auto* edit = static_cast<QLineEdit*>(w);
        EXPECT_EQ(edit->text(), c.text);
        EXPECT_EQ(edit->isReadOnly(), c.readOnly);
        const bool aqua = edit->palette().color(QPalette::Base) == QColor(0, 255, 255);
        EXPECT_EQ(aqua, c.hasState && c.state == FieldState::Computed);
        break;
      }
      case ControlType::Label: {
        // A heading is laid out in lines; a caption beside its field keeps
        // its words and drops the blanks that spaced them.
        const QString shown = static_cast<QLabel*>(w)->text();
        if (w->property("compact").toBool()) {
          EXPECT_EQ(shown.simplified(), c.text.simplified());
        } else if (!w->property("heading").toBool()) {
          EXPECT_EQ(shown, c.text);
        }
        break;
      }
      case ControlType::RadioGroup: {
        auto* group = static_cast<RadioGroupBox*>(w);
        EXPECT_EQ(group->Items(), c.items);
        EXPECT_EQ(group->Count(), c.items.size());
        EXPECT_EQ(group->Index(), c.index);
        break;
      }
      case ControlType::ComboBox: {
        auto* combo = static_cast<QComboBox*>(w);
        EXPECT_EQ(combo->count(), c.items.size());
        EXPECT_EQ(combo->currentIndex(), c.index);
        break;
      }
      case ControlType::RadioButton: EXPECT_EQ(static_cast<QRadioButton*>(w)->isChecked(), c.checked); break;
      case ControlType::Button: {
        auto* button = static_cast<QAbstractButton*>(w);
        // A command of the toolbar adds its key to the hint.
        EXPECT_TRUE(button->toolTip().startsWith(c.hint)) << button->toolTip().toStdString();
        EXPECT_EQ(button->palette().color(QPalette::ButtonText) == QColor(Qt::red), c.captionRed);
        break;
      }
      default: break;
    }
  }
}

}  // namespace

TEST_F(WindowTest, EveryControlHasAWidgetOfItsKindAndName) {
  ASSERT_GT(app.form.Controls().size(), 250u);
  for (const Control& c : app.form.Controls()) {
    SCOPED_TRACE(c.name.toStdString());
    QWidget* found = window->findChild<QWidget*>(c.name);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found, W(c.name));
    EXPECT_TRUE(WidgetFitsType(found, c.type)) << ControlTypeName(c.type);
    // Inside the panel the model puts it in.
    if (!c.parent.isEmpty()) {
      EXPECT_TRUE(W(c.parent)->isAncestorOf(found)) << c.parent.toStdString();
    }
  }
  EXPECT_EQ(window->windowTitle(),
            QStringLiteral("Sin título[*] - Programa de cálculo de aislamientos (v1.0) 9/8/2013"));
}

struct Scenario {
  const char* name;
  std::function<void(WindowTest&)> act;
};
void PrintTo(const Scenario& c, std::ostream* os) { *os << c.name; }

class WindowMirrorsTest : public WindowTest, public ::testing::WithParamInterface<Scenario> {
 public:
  using WindowTest::ChooseRow;
  using WindowTest::Click;
  using WindowTest::PickComboRow;
  using WindowTest::TypeInto;
};

TEST_P(WindowMirrorsTest, AfterTheUsersActions) {
  GetParam().act(*this);
  ExpectMirrors(app, *window);
  EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowMirrorsTest,
    ::testing::Values(Scenario{"Start", [](WindowTest&) {}},
                      Scenario{"PlateCalculated",
                               [](WindowTest& t) { static_cast<WindowMirrorsTest&>(t).Click("SpeedButton1"); }},
                      Scenario{"PlateHeatFlowThreeLayersWithCondensation",
                               [](WindowTest& t) {
                                 auto& w = static_cast<WindowMirrorsTest&>(t);
                                 w.ChooseRow("RadioGroupCalcular", 0);
                                 w.ChooseRow("RadioGroupCondensacion", 0);
                                 w.PickComboRow("ComboBox1", 2);
                               }},
                      Scenario{"BuriedPipeInBox",
                               [](WindowTest& t) {
                                 auto& w = static_cast<WindowMirrorsTest&>(t);
                                 w.Click("SpeedButton4");
                                 w.ChooseRow("RGTipoTuberias", 3);
                               }},
                      Scenario{"SphereAfterCalculatedCoefficients",
                               [](WindowTest& t) {
                                 auto& w = static_cast<WindowMirrorsTest&>(t);
                                 w.ChooseRow("RGhi", 2);
                                 w.ChooseRow("RGhe", 2);
                                 w.Click("SpeedButton5");
                               }},
                      Scenario{"DuctWithCalculatedInterior",
                               [](WindowTest& t) {
                                 auto& w = static_cast<WindowMirrorsTest&>(t);
                                 w.Click("SpeedButton23");
                                 w.ChooseRow("RGhi", 2);
                               }},
                      Scenario{"PipeFinalWaterTemperature",
                               [](WindowTest& t) {
                                 auto& w = static_cast<WindowMirrorsTest&>(t);
                                 w.Click("SpeedButton4");
                                 w.ChooseRow("RadioGroupCondicionT", 6);
                               }},
                      Scenario{"EconomicCalculated",
                               [](WindowTest& t) {
                                 auto& w = static_cast<WindowMirrorsTest&>(t);
                                 w.ChooseRow("RadioGroupCondicionP", 3);
                                 w.Click("SpeedButton1");
                               }},
                      Scenario{"ChartShown",
                               [](WindowTest& t) {
                                 auto& w = static_cast<WindowMirrorsTest&>(t);
                                 w.Click("SpeedButton1");
                                 w.Click("SpeedButton7");
                               }},
                      Scenario{"MaterialChooserOpen",
                               [](WindowTest& t) { static_cast<WindowMirrorsTest&>(t).Click("SpeedButton11"); }},
                      Scenario{"NewValueTyped",
                               [](WindowTest& t) {
                                 auto& w = static_cast<WindowMirrorsTest&>(t);
                                 w.TypeInto("EditTi", "30");
                                 w.Click("SpeedButton1");
                               }}),
    [](const ::testing::TestParamInfo<Scenario>& info) { return std::string(info.param.name); });

// What the program itself changes shows up without setting off any reaction:
// only the user's actions reach the model's event handlers.
TEST_F(WindowTest, ProgramChangesDoNotComeBackAsUserEvents) {
  QStringList events;
  auto handlers = app.form.reaction;
  app.form.reaction = [&](const QString& name, FormEvent) { events << name; };

  app.form.SetText("EditTi", "abc");
  app.form.RebuildItems("RGhi", {"Imponer", "Despreciar"}, 1);
  app.form.At("RGhe").index = 2;
  app.form.At("RBAislante1").checked = false;
  app.form.At("RBAislante2").checked = true;
  app.form.At("ComboBox1").index = 3;
  app.form.SetState("Edit1k", FieldState::Computed);
  app.form.Hide("Panel2");
  window->Sync();
  app.form.Show("Panel2");
  window->Sync();

  EXPECT_TRUE(events.isEmpty()) << events.join(QLatin1Char(' ')).toStdString();
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_EQ(Shown("EditTi"), QStringLiteral("abc"));
  EXPECT_EQ(As<RadioGroupBox>("RGhi")->Count(), 2);
  EXPECT_TRUE(As<QRadioButton>("RBAislante2")->isChecked());
  EXPECT_FALSE(As<QRadioButton>("RBAislante1")->isChecked());
  app.form.reaction = handlers;
}

// Moving through a layer row with the keyboard leaves its description alone;
// typing into a field that the keyboard reached counts as the click on it.
TEST_F(WindowTest, KeyboardTakesAFieldOnlyWhenTyping) {
  // Every field passed on the way holds a value it accepts: an empty one is
  // refused when left and keeps the focus.
  TypeInto("Edit1e", "20", false);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), W("Edit1k"));
  // Layer 1 is the insulation: its resistance cannot be given. Mark layer 2.
  PickComboRow("ComboBox1", 1);
  EXPECT_TRUE(app.form.IsEntered("Edit1k"));
  EXPECT_EQ(app.form.Text("Edit1k"), QStringLiteral("0.04"));
  EXPECT_TRUE(sink.shown.empty());

  Click("RBAislante2");
  Click("Edit1k");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), W("Edit1RT"));
  EXPECT_TRUE(app.form.IsComputed("Edit1RT"));
  QTest::keyClicks(QApplication::focusWidget(), "0.5");
  EXPECT_TRUE(app.form.IsEntered("Edit1RT"));
  EXPECT_TRUE(app.form.IsComputed("Edit1k"));
  EXPECT_EQ(app.form.Text("Edit1RT"), QStringLiteral("0.5"));
  EXPECT_EQ(Shown("Edit1RT"), QStringLiteral("0.5"));
}

// The keyboard visits the layer table row by row, from the inside out.
TEST_F(WindowTest, TabOrderFollowsTheLayerTableRowByRow) {
  QStringList wanted;
  for (int n = 1; n <= 6; ++n)
    for (const char* column : {"ENombre%1", "RBAislante%1", "Edit%1e", "Edit%1k", "Edit%1RT", "Editrv%1"})
      wanted << QString::fromLatin1(column).arg(n);
  wanted << "ComboBoxCaja"
         << "EditeCaja"
         << "EditkCaja"
         << "EditRTCaja"
         << "Edit10RT";

  QStringList visited;
  QWidget* w = W("Edit0RT");
  for (int steps = 0; steps < 2000 && visited.size() < wanted.size(); ++steps) {
    w = w->nextInFocusChain();
    if (wanted.contains(w->objectName()) && !visited.contains(w->objectName())) visited << w->objectName();
  }
  EXPECT_EQ(visited, wanted);
}
