// SPDX-License-Identifier: GPL-3.0-or-later
// Where the keyboard goes when the program sends it somewhere, the rows of a
// radio group that cannot be chosen, and the regulation's line of the results.

#include "WindowFixture.h"

#include "gui/LayoutCheck.h"

#include <QRadioButton>

// A refused value stays in its field, selected and with the focus, whether the
// user left the field with Tab or with the mouse; the box is shown once.
TEST_F(WindowTest, ARefusedValueKeepsTheFocusAndIsSelected) {
  for (const bool tab : {true, false}) {
    SCOPED_TRACE(tab ? "Tab" : "mouse");
    sink.shown.clear();
    TypeInto("EditTi", "abc", tab);
    if (!tab) Click("EditTe");
    ASSERT_EQ(sink.shown.size(), 1u);
    auto* edit = As<QLineEdit>("EditTi");
    EXPECT_EQ(QApplication::focusWidget(), edit);
    EXPECT_EQ(edit->selectedText(), QStringLiteral("abc"));
    // Typing replaces the wrong value.
    QTest::keyClicks(edit, "25");
    EXPECT_EQ(app.form.Text("EditTi"), QStringLiteral("25"));
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(sink.shown.size(), 1u);
    EXPECT_NE(QApplication::focusWidget(), edit);
  }
}

// "Calcular" with inputs missing: a box for each, and the keyboard in the
// first one missing, ready for its value.
TEST_F(WindowTest, AMissingValueTakesTheKeyboardToItsField) {
  ChooseRow("RadioGroupCalcular", 0);
  app.form.SetText("EditTi", QString());
  app.form.SetText("EditTe", QString());
  window->Sync();
  Click("Edit1k");
  Click("SpeedButton1");
  ASSERT_EQ(sink.shown.size(), 3u);  // the temperatures and the first thickness
  EXPECT_EQ(QApplication::focusWidget(), W("EditTi"));
  EXPECT_TRUE(app.form.Text("LabelQ").isEmpty());
}

// "Aplicar" of a chooser hands the keyboard to the field it wrote.
TEST_F(WindowTest, AChooserGivesTheFocusToTheFieldItWrote) {
  Click("SpeedButton11");
  ChooseRow("RGAislantes", 2);
  Click("SpeedButton10");
  ASSERT_FALSE(W("PMateriales")->isVisible());
  const QString asked = app.form.FocusRequest();
  ASSERT_FALSE(asked.isEmpty());
  EXPECT_EQ(QApplication::focusWidget(), W(asked));
  auto* edit = As<QLineEdit>(asked);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->selectedText(), edit->text());
  EXPECT_TRUE(sink.shown.empty());
}

// A row the model disables cannot be chosen and says why in its tooltip; the
// rows come back when the element changes.
TEST_F(WindowTest, RowsThatCannotBeChosenAreDisabledWithTheirReason) {
  Click("SpeedButton23");  // an air duct, whose thickness is found for some conditions
  ChooseRow("RadioGroupCalcular", 1);
  auto* conditions = As<RadioGroupBox>("RadioGroupConductos");
  ASSERT_TRUE(conditions->isVisible());
  for (int row = 0; row < conditions->Count(); ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(conditions->Button(row)->isEnabled(), app.form.ItemEnabled("RadioGroupConductos", row));
    EXPECT_EQ(conditions->Button(row)->toolTip().isEmpty(), row < 3);
  }
  const int before = app.form.Index("RadioGroupConductos");
  ChooseRow("RadioGroupConductos", 4);
  EXPECT_EQ(app.form.Index("RadioGroupConductos"), before);
  EXPECT_EQ(conditions->Index(), before);

  // A tank offers no thickness; a plate does again.
  ChooseRow("RGTipoOtros", 1);
  ASSERT_TRUE(app.IsTank());
  QRadioButton* thickness = As<RadioGroupBox>("RadioGroupCalcular")->Button(1);
  EXPECT_FALSE(thickness->isEnabled());
  EXPECT_FALSE(thickness->toolTip().isEmpty());
  Click("SpeedButton2");
  EXPECT_TRUE(thickness->isEnabled());
  EXPECT_TRUE(thickness->toolTip().isEmpty());
  EXPECT_TRUE(As<RadioGroupBox>("RadioGroupCalcular")->isEnabled());
}

// The regulation's line of a pipe wraps within the results panel.
TEST_F(WindowTest, TheRegulationLineWrapsInTheResults) {
  Click("SpeedButton4");
  Click("SpeedButton1");
  SettleLayouts();
  auto* rite = As<QLabel>("LabelRITE");
  ASSERT_FALSE(app.form.Text("LabelRITE").isEmpty());
  EXPECT_EQ(rite->text(), app.form.Text("LabelRITE"));
  EXPECT_TRUE(rite->isVisible());
  EXPECT_TRUE(rite->wordWrap());
  EXPECT_TRUE(W("Panel5")->rect().contains(rite->geometry()));
  const QRect text = rite->fontMetrics().boundingRect(QRect(0, 0, rite->width(), 1000), Qt::TextWordWrap, rite->text());
  EXPECT_GE(rite->height(), text.height());
}
