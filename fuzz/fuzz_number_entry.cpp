// SPDX-License-Identifier: GPL-3.0-or-later
// Any text typed into a field: reading it as a number and checking it against
// every value kind.
#include "checking/FieldValidation.h"
#include "form/MessageSink.h"
#include "form/NumberFormat.h"

#include <QString>
#include <cmath>
#include <cstdint>

namespace {
const char* const kKinds[] = {"CoeficienteConv", "Espesor",     "Conductividad", "ResistenciaT", "ResistividadV",
                              "Porcentaje",      "Temperatura", "Calor",         "Anos",         "Horas",
                              "CosteEnerg",      "Coste",       "Emision",       "Altura",       "Velocidad",
                              "Longitud",        "Densidad",    "Radio"};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  SetDecimalSeparator(data[0] & 1 ? ',' : '.');
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  const float value = ParseNumber(text);
  if (!std::isfinite(value)) __builtin_trap();
  FormatFixed(value, 1 + data[0] % 7, data[0] % 5);
  RecordingMessageSink sink;
  for (const char* kind : kKinds) {
    const QString kept = ValidateField(sink, text, QString::fromLatin1(kind));
    // A text the check keeps reads back as a number within the kind's limits.
    if (!kept.isEmpty() && !TryParseNumber(kept)) __builtin_trap();
  }
  return 0;
}
