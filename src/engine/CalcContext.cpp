// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/CalcContext.h"

CalcContext::CalcContext(const CalcInputs& inputs, CalcOutcome& outcome) : in(inputs), out(outcome) {
  interior.laminar = in.interiorLaminar;
  exterior.laminar = in.exteriorLaminar;
}

void CalcContext::Warn(MessageId id, const QString& text) {
  CalcEvent event;
  event.kind = CalcEvent::Kind::Message;
  event.message = {QStringLiteral("Atención"), text, false, id};
  out.events.push_back(event);
}

void CalcContext::Absurd(MessageId id, const QString& text) {
  Warn(id, text);
  out.events.back().message.absurd = true;
  absurd = true;
}

void CalcContext::RefuseNotFinite() {
  Absurd(
      MessageId::ResultNotFinite,
      QStringLiteral("No es posible calcular: con estos datos el resultado no es un número finito. Revise los datos."));
}

void CalcContext::BareLine(BareElementLine::Slot slot, const QString& caption, float value, int decimals,
                           const QString& unit) {
  CalcEvent event;
  event.kind = CalcEvent::Kind::BareElementLine;
  event.line = {slot, caption, value, decimals, unit};
  out.events.push_back(event);
}
