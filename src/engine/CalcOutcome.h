// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/CalcInputs.h"
#include "engine/MessageId.h"
#include "engine/Results.h"
#include "engine/ThicknessSearch.h"

#include <QString>
#include <vector>

// A warning of the calculation. Every one is shown with the caption "Atención".
struct CalcMessage {
  QString caption;
  QString text;
  bool absurd = false;  // it raised the absurd-data flag: the results are cleared at the end
  MessageId id = MessageId::General;
};

// A line about the bare element that a refused condition leaves in the results
// panel before its warning: the greatest heat flow, or the bare element's
// resistance or overall coefficient. The caption is followed by the value
// written with `decimals` decimals and the unit.
struct BareElementLine {
  enum class Slot { HeatFlow, Resistance };
  Slot slot = Slot::HeatFlow;
  QString caption;
  float value = 0;
  int decimals = 2;
  QString unit;
};

// One effect of a run, in the order the run produced it. `Results` marks the
// moment the results are complete: the window shows them there, so that the
// warnings that follow are read beside them.
struct CalcEvent {
  enum class Kind { Message, BareElementLine, Results };
  Kind kind = Kind::Message;
  CalcMessage message;
  BareElementLine line;
};

// The economic panel: the figures of the economic thickness found.
struct EconomicOutcome {
  float resistance = 0;
  float heatFlow = 0;
  float thickness = 0;
  float cost = 0;
  float investment = 0;
};

// The values the engine works out on the way and the window shows even when
// the run is refused: the parts of the calculated coefficients, the calculated
// soil conductivity and the box resistance of a buried pipe.
struct EngineFigures {
  bool interiorCalculated = false;
  float interiorConvection = 0, interiorRadiation = 0;
  bool exteriorCalculated = false;
  float exteriorConvection = 0, exteriorRadiation = 0;
  bool soilCalculated = false;
  float soilConductivity = 0;
  bool boxCalculated = false;
  float boxResistance = 0;
};

// Everything one calculation produced.
struct CalcOutcome {
  std::vector<CalcEvent> events;
  bool absurdData = false;  // a "Datos absurdos" warning (or a refusal of its kind) was raised
  bool hasResults = false;  // a Results event was produced
  Results results;
  bool economic = false;  // the economic thickness was found: economicOutcome holds it
  EconomicOutcome economicOutcome;
  EngineFigures figures;
  // The convection regimes the run leaves; the next run starts from them.
  bool interiorLaminar = false, exteriorLaminar = false;
  // How many times the run worked out the element's total resistance: the
  // measure of its work, which the pass and step limits keep bounded.
  long evaluations = 0;

  // The warnings alone, in order.
  std::vector<CalcMessage> Messages() const;
};

// Runs one calculation of the element the inputs describe: converges the
// surface coefficients, solves the insulation thickness when asked, and works
// out the results, the temperature profile and the chart points.
CalcOutcome Calculate(const CalcInputs& inputs);
// The same calculation with another search for the thickness of a pipe or a
// sphere; every search must find the step the walk through the steps finds.
CalcOutcome Calculate(const CalcInputs& inputs, ThicknessSearch search);
// How the economic search goes through its steps of 0.1 mm: passing over the
// runs whose cost surely falls, or working out every one; both stop at the
// same step with the same figures.
enum class EconomicSteps { PassOverFallingRuns, WorkOutEvery };
CalcOutcome Calculate(const CalcInputs& inputs, ThicknessSearch search, EconomicSteps steps);
