// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What a value kind ("Temperatura", "Porcentaje", ...) allows: whole numbers
// or any, the inclusive limits in single precision, and the text of the boxes
// that refuse a value.
struct KindRule {
  bool integer;
  float lower;
  float upper;
  const char* message;

  // Whether a number read from a field of the kind passes its check: within
  // the limits, and whole for an integer kind.
  bool Admits(float value) const;
};

// The rule of a kind; null for a word that names no kind.
const KindRule* FindKindRule(const QString& kind);
