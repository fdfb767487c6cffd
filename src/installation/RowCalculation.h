// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/RiteCheck.h"
#include "form/MessageSink.h"
#include "installation/InstallationDocument.h"

#include <QString>
#include <optional>
#include <vector>

// The regulation's verdict on a row, for the placing the row gives.
enum class RowRiteVerdict {
  NotApplicable,  // the tables set no minimum for this element or fluid
  Meets,
  Fails,
};

// The figures of one row, or why it has none.
struct RowOutcome {
  // Set when the row is refused: the first message of the row's own check, of
  // the case's checks or of the calculation, with its identifier. A refused
  // row has no figures and is left out of the totals.
  std::optional<Message> refusal;
  QString refusedColumn;  // the row's column or the case's control the refusal is about

  // The warnings of the calculation and the row's own notes ("Ningún espesor
  // comercial cumple el RITE..."), in order.
  std::vector<Message> messages;

  double quantity = 0;               // m, units or m2
  QString unit;                      // of the heat flow per unit: "W/m", "W/m2" or "W"
  double heatFlowPerUnit = 0;        // W/m, W/m2 or W per unit, as the single case shows it
  double heatFlow = 0;               // W, the section's: per unit × quantity
  double surfaceTemperature = 0;     // ºC, the exterior surface
  bool condensationApplies = false;  // false for a buried pipe
  double dewPoint = 0;               // ºC, of the surrounding air
  double condensationMargin = 0;     // ºC, surface temperature − dew point
  bool condenses = false;            // the surface lies below the dew point

  float thickness = 0;                 // mm, the insulation used
  bool thicknessFromRite = false;      // chosen as "mínimo RITE"
  bool noCommercialThickness = false;  // "mínimo RITE" and no thickness of the series meets the tables

  RiteVerdict rite;  // the tables' minima for this row (inside and outside)
  RowRiteVerdict verdict = RowRiteVerdict::NotApplicable;

  // The same section without its insulation, for the bare totals.
  bool bareCalculated = false;
  double bareHeatFlow = 0;  // W

  bool Calculated() const { return !refusal.has_value(); }
  // The minimum of the row's placing, mm (0 where the tables set none).
  float RiteMinimum(RitePlacing placing) const;
};

// Works out one row: checks it, builds its case, checks the case, calculates
// it (for "mínimo RITE", at the thickness chosen from the commercial series)
// and the bare section. Never throws; a row that cannot be calculated is
// refused with its message.
RowOutcome CalculateRow(const InstallationDocument& doc, const InstallationRow& row);

// The verdict as the table writes it: "Cumple", "No cumple" or "No aplica".
QString RowRiteVerdictText(RowRiteVerdict verdict);
// Its key in the command line's JSON: "cumple", "no_cumple", "no_aplica".
QString RowRiteVerdictKey(RowRiteVerdict verdict);
