// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tells when the pointer rests on a field or a command.

#include "WindowFixture.h"

#include <QToolButton>

// A field says what it holds, its unit and what it accepts, as the element on
// the window has them.
TEST_F(WindowTest, FieldsSayTheirMeaningUnitAndRange) {
  EXPECT_EQ(W("EditTi")->toolTip(), QStringLiteral("Temperatura interior (ºC), entre −100 y 200"));
  EXPECT_EQ(W("Edit1RT")->toolTip(), QStringLiteral("Resistencia térmica de la capa 1 (m2ºC/W), entre 0.0001 y 10"));
  Click("SpeedButton5");  // a sphere: its resistances are of the whole sphere
  EXPECT_EQ(W("Edit1RT")->toolTip(), QStringLiteral("Resistencia térmica de la capa 1 (ºC/W), entre 0.0001 y 10"));
  EXPECT_EQ(W("EditCondicionQ")->toolTip(), QStringLiteral("Flujo de calor deseado (W), entre 0.001 y 100"));
  // No field the user can reach is left without one.
  for (const Control& c : app.form.Controls())
    if (c.type == ControlType::Edit && c.name != QLatin1String("EditComodin")) {
      EXPECT_FALSE(W(c.name)->toolTip().isEmpty()) << c.name.toStdString();
    }
}

// A command of the toolbar names the key that gives it.
TEST_F(WindowTest, ToolbarCommandsNameTheirKeys) {
  EXPECT_EQ(W("SBNuevo")->toolTip(), QStringLiteral("Nuevo (Ctrl+N)"));
  EXPECT_EQ(W("SpeedButton1")->toolTip(), QStringLiteral("Calcular (F9)"));
  EXPECT_EQ(W("SpeedButton4")->toolTip().section(QLatin1Char(' '), -1), QStringLiteral("(Ctrl+2)"));
  // A button outside the toolbar keeps its hint alone.
  EXPECT_EQ(W("SpeedButton21")->toolTip(), QStringLiteral("Elegir coef. de emisión"));
}
