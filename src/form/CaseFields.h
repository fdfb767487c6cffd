// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/Case.h"

#include <QString>
#include <vector>

// How a value of the case is held.
enum class CaseValueType {
  Text,  // a number or a name, as typed
  Row,   // the selected row of a list
  Mark,  // the insulation mark of a layer
  Kind,  // the element kind
};

// The unit of a field, which for a resistance follows the element: per m2 of a
// plate or a duct's wall, per metre of a pipe or a tank's wall, per sphere.
enum class CaseUnit {
  None,
  Celsius,
  Percent,
  SurfaceCoefficient,  // W/m2ºC
  Metre,
  Millimetre,
  MetrePerSecond,
  Conductivity,       // W/mºC
  LayerResistance,    // m2ºC/W, mºC/W or ºC/W as the element is
  BoxResistance,      // mºC/W
  VapourResistivity,  // MN s/g m
  Density,            // kg/m3
  Hours,
  Years,
  EurosPerKwh,
  EurosPerSquareMetre,
  WantedHeatFlow,    // W/m2, W/m or W as the element and its condition are
  WantedResistance,  // as the element and its condition are
};

// One value of the case: the control that shows it, its record in the project
// file, how it is held, the check its text passes when it is left (a value
// kind with its limits, see checking/KindRules), and what it means in the
// user's words with its unit. Adding an input is one row here plus its use.
struct CaseField {
  const char* control;
  int record = 0;  // 1..98 in the project file
  CaseValueType type = CaseValueType::Text;
  const char* valueKind = nullptr;  // the field check's kind; none for a name or a list
  const char* meaning = "";         // "Temperatura interior", a "CaseFields" source (FieldMeaningText)
  CaseUnit unit = CaseUnit::None;
  int rows = 0;  // a list's rows

  // Where the value lives in a case: a member of the case, or of a layer row.
  QString Case::*text = nullptr;
  int Case::*row = nullptr;
  int conditionList = -1;  // a row of Case::conditionRows
  int layer = 0;           // 1..6 for a layer row's value
  QString CaseLayer::*layerText = nullptr;
  bool CaseLayer::*layerMark = nullptr;
};

// Every value of the case, in the order of the project file's records (the
// record of row i is i + 1).
const std::vector<CaseField>& CaseFields();
// The field a control shows; null for a control that shows no value of the case.
const CaseField* FindCaseField(const QString& control);

// The text a field holds in a case; empty for a field that is no text.
QString CaseText(const Case& c, const CaseField& field);
void SetCaseText(Case& c, const CaseField& field, const QString& text);
// The row or mark a field holds, as an integer (a mark is 1 or 0, the kind its code).
int CaseInteger(const Case& c, const CaseField& field);
void SetCaseInteger(Case& c, const CaseField& field, int value);

// The unit as the window writes it, for the element of the case. Symbols are
// the same in every language; a unit in words ("años") is translated.
QString UnitText(const Case& c, CaseUnit unit);

// What a field means, in the program's language; empty for a field without one.
QString FieldMeaningText(const CaseField& field);
