// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/CalcOutcome.h"

#include <sstream>
#include <string>

// Every figure of an outcome written exactly (floats as hexadecimal), with
// its messages, one line each, so that a difference reads as a diff.
class Fingerprint {
 public:
  explicit Fingerprint(const CalcOutcome& o) {
    for (const CalcEvent& e : o.events) {
      Line("event") << int(e.kind) << ' ' << e.message.text.toStdString() << ' ' << e.message.absurd << ' '
                    << e.line.caption.toStdString();
      Number(e.line.value);
    }
    Line("flags") << o.hasResults << o.absurdData << o.economic << o.interiorLaminar << o.exteriorLaminar;
    const Results& r = o.results;
    Line("results") << r.layerCount << ' ' << int(r.condition) << ' ' << r.insulationLayer;
    for (float v : {r.resistanceTotal, r.insulationResistance, r.insulationThickness, r.heatFlow, r.interiorCoef,
                    r.exteriorCoef, r.interiorConvection, r.interiorRadiation, r.exteriorConvection,
                    r.exteriorRadiation, r.soilConductivity, r.boxResistanceValue, r.boxTemperature})
      Number(v);
    Line("temperatures");
    for (float v : r.temperatures) Number(v);
    Line("thicknesses");
    for (float v : r.thicknesses) Number(v);
    Line("resistances");
    for (float v : r.resistances) Number(v);
    Line("profile");
    for (const QPointF& p : r.profile) Number(p.x()), Number(p.y());
    const EconomicOutcome& e = o.economicOutcome;
    Line("economic");
    for (float v : {e.resistance, e.heatFlow, e.thickness, e.cost, e.investment}) Number(v);
    const EngineFigures& f = o.figures;
    Line("figures") << f.interiorCalculated << f.exteriorCalculated << f.soilCalculated << f.boxCalculated;
    for (float v : {f.interiorConvection, f.interiorRadiation, f.exteriorConvection, f.exteriorRadiation,
                    f.soilConductivity, f.boxResistance})
      Number(v);
  }
  std::string Text() const { return text_.str(); }

 private:
  std::ostringstream& Line(const char* name) {
    text_ << '\n' << name << ' ';
    return text_;
  }
  void Number(double v) { text_ << std::hexfloat << v << std::defaultfloat << ' '; }
  std::ostringstream text_;
};
