// SPDX-License-Identifier: GPL-3.0-or-later
#include "checking/KindRules.h"

#include <QCoreApplication>
#include <QHash>
#include <cmath>

namespace {

const QHash<QString, KindRule>& KindRules() {
  static const QHash<QString, KindRule> rules = {
      {"CoeficienteConv",
       {false, 1.0f, 100000.0f, QT_TRANSLATE_NOOP("KindRules", "El valor debe estar entre 1 y 100000")}},
      {"Espesor", {false, 0.01f, 1000.0f, QT_TRANSLATE_NOOP("KindRules", "El valor debe estar entre 0.01 y 1000")}},
      {"Conductividad",
       {false, 0.0001f, 200.0f, QT_TRANSLATE_NOOP("KindRules", "El valor debe estar entre 0.0001 y 200")}},
      {"ResistenciaT",
       {false, 0.0001f, 10.0f, QT_TRANSLATE_NOOP("KindRules", "El valor debe estar entre 0.0001 y 10")}},
      {"ResistividadV",
       {false, 0.0f, 100000.0f, QT_TRANSLATE_NOOP("KindRules", "El valor debe estar entre 0 y 100000")}},
      {"Porcentaje", {true, 1.0f, 100.0f, QT_TRANSLATE_NOOP("KindRules", "El valor debe estar entre 1 y 100")}},
      {"Temperatura", {false, -100.0f, 200.0f, QT_TRANSLATE_NOOP("KindRules", "El valor debe estar entre -100 y 200")}},
      {"Calor", {false, 0.001f, 100.0f, QT_TRANSLATE_NOOP("KindRules", "El valor debe estar entre 0.001 y 100")}},
      {"Anos", {true, 1.0f, 50.0f, QT_TRANSLATE_NOOP("KindRules", "El valor debe estar entre 1 y 50")}},
      {"Horas", {true, 1.0f, 8760.0f, QT_TRANSLATE_NOOP("KindRules", "El valor debe estar entre 1 y 8760")}},
      {"CosteEnerg", {false, 0.0001f, 20.0f, QT_TRANSLATE_NOOP("KindRules", "El valor debe estar entre 0.0001 y 20")}},
      {"Coste", {false, 0.0001f, 1000.0f, QT_TRANSLATE_NOOP("KindRules", "El valor debe estar entre 0.0001 y 1000")}},
      {"Emision", {false, 0.0f, 1.0f, QT_TRANSLATE_NOOP("KindRules", "El valor debe estar entre 0 y 1")}},
      {"Altura", {false, 0.01f, 100.0f, QT_TRANSLATE_NOOP("KindRules", "El valor debe estar entre 0.01 y 100")}},
      {"Velocidad", {false, 0.1f, 100.0f, QT_TRANSLATE_NOOP("KindRules", "El valor debe estar entre 0.1 y 100")}},
      {"Longitud", {true, 1.0f, 10000.0f, QT_TRANSLATE_NOOP("KindRules", "El valor debe estar entre 1 y 10000")}},
      {"Densidad", {true, 1200.0f, 1800.0f, QT_TRANSLATE_NOOP("KindRules", "El valor debe estar entre 1200 y 1800")}},
      {"Radio", {false, 1.0f, 10000.0f, QT_TRANSLATE_NOOP("KindRules", "El valor debe estar entre 1 y 10000")}},
  };
  return rules;
}

}  // namespace

bool KindRule::Admits(float value) const {
  if (integer && value != std::trunc(value)) return false;
  return value >= lower && value <= upper;  // false for a value that is not a number
}

const KindRule* FindKindRule(const QString& kind) {
  const auto found = KindRules().constFind(kind);
  return found == KindRules().constEnd() ? nullptr : &*found;
}
