// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/Case.h"

#include <QString>

class WindowState;

// What a field of the window holds, in the user's words: its meaning and unit
// for the case on the window (a layer's resistance is per m2, per metre or per
// sphere as the element is). Both empty for a control that is no field.
struct FieldMeaning {
  QString meaning;
  QString unit;
};
FieldMeaning DescribeField(const WindowState& app, const QString& name);
FieldMeaning DescribeField(const Case& c, const QString& name);

// The field as a message names it: "Temperatura interior (ºC)"; the control's
// name for a control without a description.
QString FieldCaption(const WindowState& app, const QString& name);
QString FieldCaption(const Case& c, const QString& name);

// The tooltip of a field: its caption and what its check accepts ("Temperatura
// interior (ºC), entre −100 y 200", "…, nº entero entre 1 y 100"), or that the
// program fills it in, then the control's own hint. Built from the field's
// value kind and its limits, so that it says what leaving the field accepts.
QString FieldTooltip(const WindowState& app, const QString& name);
