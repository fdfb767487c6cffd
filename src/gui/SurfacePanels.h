// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLabel;
class QWidget;
class WindowBinding;

// A caption and the field it names.
struct LabelledField {
  const char* label = nullptr;
  const char* field = nullptr;
};

// One side of the element as the window shows it: a titled panel with the
// side's temperature and relative humidity, how its surface coefficient is
// had, and the coefficient's fields in two columns: on the left the overall,
// convective and radiative coefficients; on the right what the calculated
// coefficients depend on, down to the emission coefficient with its chooser
// and the air velocity.
struct SurfaceSide {
  // The framed panel: a control of the form, or null for a frame of the
  // window's own.
  const char* frame = nullptr;
  // What holds the side's fields when the form shows and hides them as one
  // while the title and what stands below stay: a control of the form. Null
  // when the fields sit in the frame's own grid, under the title.
  const char* fields = nullptr;
  // The title: a label of the form, or null for a caption that the window
  // keeps equal to the text of `frame`.
  const char* title = nullptr;
  LabelledField temperature;
  LabelledField humidity;
  const char* coefficientModes = nullptr;  // given, neglected or calculated
  const char* coefficientPanel = nullptr;
  LabelledField overall;
  LabelledField convective;
  LabelledField radiative;
  const char* surroundings = nullptr;  // a radio group heading the right column, if any
  LabelledField height;
  LabelledField width;  // none when null
  LabelledField emission;
  const char* emissionChooser = nullptr;
  LabelledField velocity;
  // What stands under the side's fields in the same panel, if anything.
  QWidget* (*below)(WindowBinding& binding) = nullptr;
};

// The interior side, titled with the text of its own panel.
const SurfaceSide& InteriorSide();
// The exterior side, with its surroundings and, under it, the soil of a
// buried pipe, which takes its place.
const SurfaceSide& ExteriorSide();

struct SurfacePanel {
  QWidget* panel = nullptr;
  QLabel* title = nullptr;
  // The control whose text the title repeats; empty when the title is itself
  // a control.
  QString titleSource;
};

// Builds the panel of a side from the controls that `side` names.
SurfacePanel BuildSurfacePanel(WindowBinding& binding, const SurfaceSide& side);
