// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/SurfacePanels.h"

#include "gui/WindowBinding.h"
#include "gui/WindowStyle.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// Between the frame of a side's panel and what it holds.
const QMargins kFrameMargins(8, 6, 8, 8);

// The soil of a buried pipe: its temperature with the chooser of soil
// temperatures, its kind, and the depth, conductivity, moisture and density.
QWidget* BuildSoilPanel(WindowBinding& binding) {
  auto* soil = binding.Take<QFrame>("PanelTerreno");
  auto* layout = new QGridLayout(soil);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setVerticalSpacing(4);
  auto* temperature = new QHBoxLayout;
  temperature->setSpacing(8);
  temperature->addWidget(Compact(binding.Take("Label30")));
  temperature->addWidget(binding.Take("EditTsuelo"));
  temperature->addWidget(binding.Take("SpeedButton26"));
  temperature->addStretch(1);
  layout->addLayout(temperature, 0, 0, 1, 5);
  layout->addWidget(binding.Take("RadioGroupTerreno"), 1, 0, 1, 5);
  layout->addWidget(Compact(binding.Take("LabelProfundidad")), 2, 0);
  layout->addWidget(binding.Take("EditProfundidad"), 2, 1);
  layout->addWidget(Compact(binding.Take("LabelkTerreno")), 3, 0);
  layout->addWidget(binding.Take("EditkTerreno"), 3, 1);
  layout->setColumnMinimumWidth(2, 10);
  layout->addWidget(Compact(binding.Take("LabelHumedad")), 2, 3);
  layout->addWidget(binding.Take("EditHumedad"), 2, 4);
  layout->addWidget(Compact(binding.Take("LabelDensidad")), 3, 3);
  layout->addWidget(binding.Take("EditDensidad"), 3, 4);
  layout->setColumnStretch(5, 1);
  return soil;
}

// The coefficient's fields: the coefficients on the left, a gap, and on the
// right what the calculated ones depend on.
void BuildCoefficientFields(WindowBinding& binding, const SurfaceSide& side, QFrame* panel) {
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(4);
  grid->setHorizontalSpacing(6);
  auto add = [&](const LabelledField& f, int row, int column) {
    grid->addWidget(Compact(binding.Take(f.label)), row, column);
    grid->addWidget(binding.Take(f.field), row, column + 1);
  };
  add(side.overall, 0, 0);
  add(side.convective, 1, 0);
  add(side.radiative, 2, 0);
  grid->setColumnMinimumWidth(2, 10);
  int row = 0;
  if (side.surroundings) grid->addWidget(binding.Take(side.surroundings), row++, 3, 1, 3);
  add(side.height, row++, 3);
  if (side.width.field) add(side.width, row++, 3);
  add(side.emission, row, 3);
  grid->addWidget(binding.Take(side.emissionChooser), row++, 5);
  add(side.velocity, row, 3);
  grid->setColumnStretch(6, 1);
}

}  // namespace

const SurfaceSide& InteriorSide() {
  static const SurfaceSide side{
      .frame = "Panel2",
      .fields = nullptr,
      .title = nullptr,
      .temperature = {"Label11", "EditTi"},
      .humidity = {"LabelHrI", "EditFiI"},
      .coefficientModes = "RGhi",
      .coefficientPanel = "PCoefInt",
      .overall = {"Labelhi", "EditCoefInt"},
      .convective = {"Labelhci", "Edithci"},
      .radiative = {"Labelhrri", "Edithri"},
      .surroundings = nullptr,
      .height = {"LabelAlthi", "EditAlthi"},
      .width = {"LabelAnchura", "EditAnchura"},
      .emission = {"Labelemisionhi", "Editemisionhi"},
      .emissionChooser = "SpeedButton21",
      .velocity = {"Labelvelhi", "Editvelhi"},
      .below = nullptr,
  };
  return side;
}

const SurfaceSide& ExteriorSide() {
  static const SurfaceSide side{
      .frame = nullptr,
      .fields = "PanelExterior",
      .title = "LabelTituloExt",
      .temperature = {"Label12", "EditTe"},
      .humidity = {"LabelHrE", "EditFiE"},
      .coefficientModes = "RGhe",
      .coefficientPanel = "PCoefExt",
      .overall = {"Labelhe", "EditCoefext"},
      .convective = {"Labelhce", "Edithce"},
      .radiative = {"Labelhrre", "Edithre"},
      .surroundings = "RGAmbientehe",
      .height = {"LabelAlthe", "EditAlthe"},
      .width = {},
      .emission = {"Labelemisionhe", "Editemisionhe"},
      .emissionChooser = "SpeedButton22",
      .velocity = {"Labelvelhe", "Editvelhe"},
      .below = &BuildSoilPanel,
  };
  return side;
}

SurfacePanel BuildSurfacePanel(WindowBinding& binding, const SurfaceSide& side) {
  SurfacePanel built;
  // Without a holder of their own, the fields fill the framed panel's grid
  // under the title; with one, the holder's grid, which stands under the title
  // with what comes below it.
  const bool ownHolder = side.fields != nullptr;
  QFrame* frame = side.frame ? binding.Take<QFrame>(side.frame) : nullptr;
  auto framed = [&frame] {
    if (!frame) frame = new QFrame;
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
  };
  built.title = side.title ? binding.Take<QLabel>(side.title) : Caption(QString());
  if (!side.title) built.titleSource = QString::fromLatin1(side.frame);
  SetBold(built.title, 1.05);
  Paint(built.title, QPalette::WindowText, QColor(13, 59, 102));

  QFrame* holder = ownHolder ? binding.Take<QFrame>(side.fields) : framed();
  auto* grid = new QGridLayout(holder);
  if (ownHolder)
    grid->setContentsMargins(0, 0, 0, 0);
  else
    grid->setContentsMargins(kFrameMargins);
  grid->setVerticalSpacing(4);
  int row = 0;
  if (!ownHolder) grid->addWidget(built.title, row++, 0, 1, 2);
  grid->addWidget(Compact(binding.Take(side.temperature.label)), row, 0);
  grid->addWidget(binding.Take(side.temperature.field), row++, 1, Qt::AlignLeft);
  grid->addWidget(Compact(binding.Take(side.humidity.label)), row, 0);
  grid->addWidget(binding.Take(side.humidity.field), row++, 1, Qt::AlignLeft);
  grid->addWidget(binding.Take(side.coefficientModes), row++, 0, 1, 2);
  auto* coefficients = binding.Take<QFrame>(side.coefficientPanel);
  BuildCoefficientFields(binding, side, coefficients);
  grid->addWidget(coefficients, row++, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  if (!ownHolder) {
    if (side.below) grid->addWidget(side.below(binding), row++, 0, 1, 2);
    grid->setRowStretch(row, 1);
    built.panel = frame;
    return built;
  }

  auto* body = new QVBoxLayout;
  body->setSpacing(4);
  body->addWidget(holder);
  if (side.below) body->addWidget(side.below(binding));
  body->addStretch(1);
  auto* layout = new QVBoxLayout(framed());
  layout->setContentsMargins(kFrameMargins);
  layout->setSpacing(4);
  layout->addWidget(built.title);
  layout->addLayout(body);
  built.panel = frame;
  return built;
}
