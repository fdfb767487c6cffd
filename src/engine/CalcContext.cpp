// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/CalcContext.h"

#include <QCoreApplication>

CalcContext::CalcContext(const CalcInputs& inputs, CalcOutcome& outcome) : in(inputs), out(outcome) {
  interior.laminar = in.interiorLaminar;
  exterior.laminar = in.exteriorLaminar;
}

namespace {

// The engine writes its warnings and captions in Spanish, each marked for the
// "CalcMessages" translation where it is written; they are put in the
// program's language here, once per message made, so that no search pays for
// translation work.
QString InProgramLanguage(const QString& source) {
  const QByteArray bytes = source.toUtf8();
  return QCoreApplication::translate("CalcMessages", bytes.constData());
}

}  // namespace

void CalcContext::Warn(MessageId id, const QString& text) {
  CalcEvent event;
  event.kind = CalcEvent::Kind::Message;
  event.message = {QCoreApplication::translate("CalcMessages", "Atención"), InProgramLanguage(text), false, id};
  out.events.push_back(event);
}

void CalcContext::Absurd(MessageId id, const QString& text) {
  Warn(id, text);
  out.events.back().message.absurd = true;
  absurd = true;
}

void CalcContext::RefuseNotFinite() {
  Absurd(MessageId::ResultNotFinite,
         QT_TRANSLATE_NOOP(
             "CalcMessages",
             "No es posible calcular: con estos datos el resultado no es un número finito. Revise los datos."));
}

void CalcContext::BareLine(BareElementLine::Slot slot, const QString& caption, float value, int decimals,
                           const QString& unit) {
  CalcEvent event;
  event.kind = CalcEvent::Kind::BareElementLine;
  event.line = {slot, InProgramLanguage(caption), value, decimals, unit};
  out.events.push_back(event);
}
