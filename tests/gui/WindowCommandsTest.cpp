// SPDX-License-Identifier: GPL-3.0-or-later
// The commands and field events of the window, done through its widgets.

#include "WindowFixture.h"

#include "app/ProjectCommands.h"

#include <QChart>
#include <QClipboard>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QValueAxis>
#include <stdexcept>

namespace {

class CalculateTest : public WindowTest, public ::testing::WithParamInterface<char> {
 protected:
  QChar Separator() const override { return QLatin1Char(GetParam()); }
};

// A line with its number written with the separator.
QString Line(const char* pattern, QString number, char separator) {
  return QString::fromUtf8(pattern).arg(number.replace(QLatin1Char('.'), QLatin1Char(separator)));
}

}  // namespace

TEST_P(CalculateTest, StartProjectShowsThicknessAndResultLines) {
  const char sep = GetParam();
  EXPECT_FALSE(W("SpeedButton7")->isEnabled());
  EXPECT_FALSE(W("SBImpresor")->isEnabled());

  Click("SpeedButton1");

  EXPECT_TRUE(sink.shown.empty());
  EXPECT_EQ(Shown("Edit1e"), Line("%1", "33.06", sep));
  EXPECT_EQ(Shown("LabelEsp"), Line("Esp. aislamiento %1 mm", "33.06", sep));
  EXPECT_EQ(Shown("LabelRT"), Line("Coef. global de transferencia de calor %1 W/m2ºC", "1.000", sep));
  EXPECT_EQ(Shown("LabelQ"), Line("Densidad sup. flujo de calor %1 W/m2", "15.00", sep));
  EXPECT_TRUE(W("Panel5")->isVisible());
  EXPECT_TRUE(W("SpeedButton7")->isEnabled());
  EXPECT_TRUE(W("SBImpresor")->isEnabled());
  // The insulation thickness is a computed field: aqua.
  EXPECT_EQ(W("Edit1e")->palette().color(QPalette::Base), QColor(0, 255, 255));
}

INSTANTIATE_TEST_SUITE_P(Separators, CalculateTest, ::testing::Values('.', ','),
                         [](const ::testing::TestParamInfo<char>& info) {
                           return std::string(info.param == '.' ? "Point" : "Comma");
                         });

TEST_F(WindowTest, LettersInATemperatureAreRefusedWhenTheFieldIsLeft) {
  TypeInto("EditTi", "abc");

  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, QStringLiteral("Se espera un nº real y no letras"));
  EXPECT_EQ(sink.shown[0].buttons, MessageButtons::Ok);
  // The wrong value stays in the field for the user to correct.
  EXPECT_EQ(app.form.Text("EditTi"), QStringLiteral("abc"));
  EXPECT_EQ(Shown("EditTi"), QStringLiteral("abc"));
}

TEST_F(WindowTest, TypingIntoAnInputClearsTheResultsAClickAloneDoesNot) {
  Click("SpeedButton1");
  Click("SpeedButton7");
  ASSERT_TRUE(window->Chart()->isVisible());
  ASSERT_FALSE(Shown("LabelEsp").isEmpty());
  const QString thickness = Shown("Edit1e");

  // The chart covers the data; closed, the inputs can be reached again.
  Click("SpeedButton6");
  EXPECT_FALSE(window->Chart()->isVisible());
  // Clicks into fields, the conductivity of the insulation among them, and
  // away again: the results stay and the case is unchanged.
  Click("EditTe");
  Click("Edit1k");
  Click("EditTi");
  EXPECT_EQ(Shown("LabelEsp").isEmpty(), false);
  EXPECT_EQ(Shown("Edit1e"), thickness);
  EXPECT_TRUE(W("SpeedButton7")->isEnabled());
  EXPECT_FALSE(app.modified);

  QTest::keyClicks(W("EditTi"), "5");
  EXPECT_EQ(Shown("LabelEsp"), QString());
  EXPECT_EQ(Shown("Edit1e"), QString());
  EXPECT_FALSE(W("SpeedButton7")->isEnabled());
  EXPECT_TRUE(app.modified);
}

// A click into a field given by its resistance describes the layer by its
// conductivity only once something is typed there.
TEST_F(WindowTest, AClickedConductivityTakesOverWhenTyped) {
  PickComboRow("ComboBox1", 1);
  Click("Edit2RT");
  QTest::keyClicks(W("Edit2RT"), "0.5");
  ASSERT_TRUE(app.form.IsEntered("Edit2RT") && app.form.IsComputed("Edit2k"));
  Click("Edit2k");
  EXPECT_TRUE(app.form.IsEntered("Edit2RT") && app.form.IsComputed("Edit2k"));
  QTest::keyClicks(W("Edit2k"), "1");
  EXPECT_TRUE(app.form.IsComputed("Edit2RT") && app.form.IsEntered("Edit2k"));

  // Typing where the cursor was put: the first key, which the window answers
  // as the click, leaves the cursor after it.
  auto* inside = As<QLineEdit>("EditTi");
  Click("EditTi");
  inside->setCursorPosition(0);
  QTest::keyClicks(inside, "10");
  EXPECT_EQ(app.form.Text("EditTi"), QStringLiteral("1025"));
}

TEST_F(WindowTest, BuriedPipeInABoxShowsTheSoilAndTheBox) {
  ASSERT_TRUE(W("PanelExterior")->isVisible());
  ASSERT_FALSE(W("PanelTerreno")->isVisible());

  Click("SpeedButton4");
  EXPECT_EQ(W("SpeedButton4")->palette().color(QPalette::ButtonText), QColor(Qt::red));
  EXPECT_NE(W("SpeedButton2")->palette().color(QPalette::ButtonText), QColor(Qt::red));
  EXPECT_TRUE(W("ImageTuberia")->isVisible());
  ChooseRow("RGTipoTuberias", 3);

  EXPECT_TRUE(W("PanelTerreno")->isVisible());
  EXPECT_FALSE(W("PanelExterior")->isVisible());
  for (const char* name : {"EditTsuelo", "EditProfundidad", "EditkTerreno", "LabelCaja", "ComboBoxCaja", "EditeCaja",
                           "EditkCaja", "EditRTCaja"})
    EXPECT_TRUE(W(name)->isVisible()) << name;
  EXPECT_EQ(Shown("LabelTituloExt"), QStringLiteral("Terreno"));
  EXPECT_TRUE(W("ImageTuberiaEnterradaCaja")->isVisible());
  EXPECT_FALSE(W("ImageTuberia")->isVisible());
  EXPECT_FALSE(W("ImageTuberiaEnterrada")->isVisible());

  // Without the box the box row goes, the soil stays.
  ChooseRow("RGTipoTuberias", 2);
  EXPECT_TRUE(W("PanelTerreno")->isVisible());
  EXPECT_FALSE(W("EditeCaja")->isVisible());
  EXPECT_TRUE(W("ImageTuberiaEnterrada")->isVisible());
}

TEST_F(WindowTest, ChartHoldsThePointsOfTheLastCalculation) {
  Click("SpeedButton1");
  TypeInto("EditTi", "40");
  Click("SpeedButton1");
  Click("SpeedButton7");

  ChartPanel* chart = window->Chart();
  ASSERT_TRUE(chart->isVisible());
  ASSERT_FALSE(app.chart.series[0].isEmpty());
  for (int s = 0; s < ChartModel::kSeriesCount; ++s) {
    const QList<QPointF> drawn = chart->Series(s)->points();
    EXPECT_EQ(drawn, QList<QPointF>(app.chart.series[s].begin(), app.chart.series[s].end())) << "series " << s;
    EXPECT_FALSE(chart->Series(s)->pointsVisible());
  }
  EXPECT_DOUBLE_EQ(chart->Series(0)->points().first().y(), 40.0);
  EXPECT_EQ(chart->Chart()->title(), app.chart.title.join(QStringLiteral("<br>")));
  EXPECT_FALSE(chart->Chart()->legend()->isVisible());
  const auto axes = chart->Chart()->axes(Qt::Horizontal);
  ASSERT_FALSE(axes.isEmpty());
  EXPECT_EQ(axes.first()->titleText(), app.chart.bottomAxis);
  EXPECT_EQ(chart->Chart()->axes(Qt::Vertical).first()->titleText(), app.chart.leftAxis);
  // Every point lies within the axes.
  auto* x = qobject_cast<QValueAxis*>(axes.first());
  auto* y = qobject_cast<QValueAxis*>(chart->Chart()->axes(Qt::Vertical).first());
  for (const QPointF& p : chart->Series(0)->points()) {
    EXPECT_GE(p.x(), x->min());
    EXPECT_LE(p.x(), x->max());
    EXPECT_GE(p.y(), y->min());
    EXPECT_LE(p.y(), y->max());
  }
  const QImage picture = chart->Picture();
  EXPECT_FALSE(picture.isNull());
  // "Copiar" hands the chart to the clipboard as a bitmap.
  QApplication::clipboard()->clear();
  QTest::mouseClick(chart->findChild<QPushButton*>("ChartCopy"), Qt::LeftButton);
  EXPECT_EQ(QApplication::clipboard()->image().size(), picture.size());

  // A new input empties the chart at once: the first key typed, not the click.
  Click("SpeedButton6");
  Click("EditTi");
  EXPECT_FALSE(chart->Series(0)->points().isEmpty());
  QTest::keyClicks(W("EditTi"), "1");
  EXPECT_TRUE(chart->Series(0)->points().isEmpty());
}

// After a material from the chooser, the legend names the two lines drawn and
// nothing else, on the window and in the copied picture; with one line there
// is no legend.
TEST_F(WindowTest, TheLegendNamesTheLinesDrawnAfterAChosenMaterial) {
  OpenProjectFile(app, QStringLiteral(BRENAK_CASES_DIR "/plate_condensation.txt"));
  window->Sync();
  Click("SpeedButton12");
  ChooseRow("RGMatPlacas", 3);
  Click("SpeedButton10");
  ASSERT_EQ(app.form.Text("ENombre2"), QStringLiteral("Ladrillo Macizo"));
  app.form.SetText("Editrv2", QStringLiteral("55"));
  Click("SpeedButton1");
  Click("SpeedButton7");
  ASSERT_TRUE(sink.shown.empty());
  QChart* chart = window->Chart()->Chart();
  auto legend = [chart] {
    QStringList names;
    for (QLegendMarker* marker : chart->legend()->markers())
      if (marker->isVisible()) names << marker->label();
    return names;
  };
  EXPECT_TRUE(chart->legend()->isVisible());
  EXPECT_EQ(legend(), (QStringList{"Temperatura", "Punto de rocío"}));
  EXPECT_EQ(chart->legend()->markers().size(), 2);

  Click("SpeedButton6");
  ChooseRow("RadioGroupCondensacion", 1);
  Click("SpeedButton1");
  Click("SpeedButton7");
  EXPECT_FALSE(chart->legend()->isVisible());
  EXPECT_EQ(chart->series().size(), 1);
  ChooseRow("RadioGroupCondensacion", 0);
  Click("SpeedButton1");
  EXPECT_EQ(legend(), (QStringList{"Temperatura", "Punto de rocío"}));
}

TEST_F(WindowTest, ChooserPanelsFloatOverTheWindowWithoutBlockingIt) {
  Click("SpeedButton12");  // hidden with one layer: nothing opens
  EXPECT_FALSE(W("PMateriales")->isVisible());

  Click("SpeedButton11");
  QWidget* chooser = W("PMateriales");
  ASSERT_TRUE(chooser->isVisible());
  EXPECT_TRUE(chooser->parentWidget()->rect().contains(chooser->geometry()));
  EXPECT_TRUE(W("RGAislantes")->isVisible());

  // The rest of the window goes on working meanwhile.
  TypeInto("EditTe", "5");
  EXPECT_EQ(app.form.Text("EditTe"), QStringLiteral("5"));
  EXPECT_TRUE(chooser->isVisible());

  ChooseRow("RGAislantes", 2);
  Click("SpeedButton10");
  EXPECT_FALSE(chooser->isVisible());
  EXPECT_EQ(Shown("ENombre1"), QStringLiteral("Lana de vidrio"));

  // Escape closes a chooser as its "Cerrar" does.
  Click("SpeedButton21");
  ChooseRow("RGhi", 2);
  Click("SpeedButton21");
  ASSERT_TRUE(W("PCoefEmision")->isVisible());
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_FALSE(W("PCoefEmision")->isVisible());
}

TEST_F(WindowTest, AnErrorInACommandIsShownAndTheProgramGoesOn) {
  auto handlers = app.form.reaction;
  app.form.reaction = [&](const QString& name, FormEvent event) {
    if (name == QLatin1String("SpeedButton1")) throw std::runtime_error("fallo de prueba");
    handlers(name, event);
  };
  Click("SpeedButton1");
  ASSERT_EQ(errors.size(), 1);
  EXPECT_EQ(errors[0], QStringLiteral("fallo de prueba"));

  Click("SpeedButton4");
  EXPECT_TRUE(app.IsPipe());
  EXPECT_EQ(W("SpeedButton4")->palette().color(QPalette::ButtonText), QColor(Qt::red));
  app.form.reaction = handlers;
}

class WelcomeTest : public WindowTest {
 protected:
  bool CloseWelcome() const override { return false; }
};

TEST_F(WelcomeTest, CoversTheWindowAtStartAndClosesByItsPicture) {
  QWidget* welcome = W("Panel6");
  ASSERT_TRUE(welcome->isVisible());
  EXPECT_EQ(welcome->geometry(), window->rect());
  EXPECT_TRUE(W("Image4")->isVisible());

  Click("Image1");
  EXPECT_FALSE(welcome->isVisible());

  Click("SBImpresor2");
  EXPECT_TRUE(welcome->isVisible());
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_FALSE(welcome->isVisible());
}

TEST_F(WindowTest, CerrarClosesTheWindow) {
  app.onClose = [this] { window->close(); };
  Click("SpeedButton3");
  EXPECT_FALSE(window->isVisible());
}

// Each interface temperature sits in its column, on the line between the two
// rows it separates; the dew points likewise in theirs.
TEST_F(WindowTest, InterfaceTemperaturesSitBetweenTheirRows) {
  ChooseRow("RadioGroupCalcular", 0);
  ChooseRow("RadioGroupCondensacion", 0);
  PickComboRow("ComboBox1", 1);
  // Each field is left by the click into the next, never through an empty one.
  TypeInto("Edit1e", "20", false);
  TypeInto("Editrv1", "5", false);
  TypeInto("Edit2e", "50", false);
  TypeInto("Edit2k", "0.5", false);
  TypeInto("Editrv2", "8", false);
  Click("SpeedButton1");
  for (const Message& m : sink.shown) ADD_FAILURE() << m.caption.toStdString() << ": " << m.text.toStdString();
  QApplication::processEvents();

  auto centre = [&](const char* name) { return W(name)->geometry().center(); };
  const QStringList rows = {"Edit0RT", "Edit1RT", "Edit2RT", "Edit10RT"};
  for (int i = 0; i <= 2; ++i) {
    for (const char* prefix : {"LT", "LTR"}) {
      const QString label = QString::fromLatin1(prefix) + QString::number(i);
      SCOPED_TRACE(label.toStdString());
      ASSERT_TRUE(W(label)->isVisible());
      EXPECT_FALSE(Shown(label).isEmpty());
      const QPoint at = W(label)->geometry().center();
      EXPECT_GT(at.y(), centre(rows[i].toLatin1().constData()).y());
      EXPECT_LT(at.y(), centre(rows[i + 1].toLatin1().constData()).y());
      const QRect heading = W(QLatin1String(prefix) == QLatin1String("LT") ? "Label10" : "LabelDistTr")->geometry();
      EXPECT_GE(at.x(), heading.left());
      EXPECT_LE(at.x(), heading.right());
    }
  }
}

// While the chart covers the data the keys do not reach the field beneath it;
// closed, the field has the keyboard again, and nothing counted as leaving it.
TEST_F(WindowTest, WhatCoversTheDataTakesTheKeyboard) {
  Click("EditTe");
  Click("SpeedButton1");
  Click("SpeedButton7");
  ASSERT_TRUE(window->Chart()->isVisible());
  QTest::keyClicks(QApplication::focusWidget(), "99");
  EXPECT_EQ(app.form.Text("EditTe"), QStringLiteral("10"));

  Click("SpeedButton6");
  EXPECT_EQ(QApplication::focusWidget(), W("EditTe"));
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_FALSE(Shown("LabelEsp").isEmpty());
}
