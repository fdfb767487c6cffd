#include "engine/CalcContext.h"

#include "shell/Brenak.h"

CalcContext::CalcContext(Brenak& application, const CalcInputs& inputs) : app(application), in(inputs) {
  interior.laminar = app.interiorLaminar;
  exterior.laminar = app.exteriorLaminar;
}

void CalcContext::Warn(const QString& text) { app.Warn(text); }

void CalcContext::Absurd(const QString& text) {
  app.Warn(text);
  app.absurdData = true;
}

bool CalcContext::AbsurdData() const { return app.absurdData; }

void CalcContext::RefuseNotFinite() {
  Absurd(QStringLiteral("No es posible calcular: con estos datos el resultado no es un número finito. Revise los datos."));
}
