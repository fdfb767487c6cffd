// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/TemperatureProfile.h"

void ComputeInterfaceTemperatures(const LayerStack& s, float Rtot, float Ti, float Te, std::array<float, 7>& T) {
  double c = s.R[0];
  T[0] = static_cast<float>(double(Ti) - (double(Ti) - double(Te)) * c / double(Rtot));
  for (int i = 1; i <= s.n; ++i) {
    c = static_cast<float>(c + s.R[i]);
    T[i] = static_cast<float>(double(Ti) - (double(Ti) - double(Te)) * c / double(Rtot));
  }
}

ProfileLine BuildProfileLine(const CalcInputs& in, const LayerStack& s, const std::array<float, 7>& T, float Rtot,
                             float Ti, float Te, float boxResistance) {
  ProfileLine line;
  const bool flat = in.IsPlate() || in.IsDuct();
  double x = flat ? 0.0 : double(in.interiorDiameter) * 0.5;
  line.points.append(QPointF(x, Ti));
  line.points.append(QPointF(x, T[0]));
  float c = s.R[0];
  for (int i = 1; i <= s.n; ++i) {
    c += s.R[i];
    x = static_cast<float>(x + s.e[i]);
    line.points.append(QPointF(x, T[i]));
  }
  if (in.IsInBox()) {
    c += boxResistance;
    line.hasBox = true;
    line.boxTemperature = static_cast<float>(double(Ti) - (double(Ti) - double(Te)) * c / double(Rtot));
    line.points.append(QPointF(double(in.boxSize) * 0.5 * 1.07, line.boxTemperature));
  }
  if (in.IsBuried())
    line.points.append(QPointF(double(in.depth) * 1000, Te));
  else
    line.points.append(QPointF(x, Te));
  return line;
}
