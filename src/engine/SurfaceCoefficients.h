// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/CalcInputs.h"

// The convection and radiation parts of the last calculated coefficient of one
// surface, and its flow regime.
struct SurfaceParts {
  float convection = 0;
  float radiation = 0;
  bool laminar = false;     // process-wide regime flag, kept by impose and neglect calls
  bool calculated = false;  // a calculated call has filled the parts
};

// Which correlation a calculated coefficient uses where it has a laminar and a
// turbulent one: the one its flow calls for, or either whatever the flow (the
// bounds of the economic search take both where the flow may switch).
enum class FlowRegime { AsItFlows, Laminar, Turbulent };

// Radiation exchange of a surface at Ts with surroundings at the fluid temperature Tf.
double RadiationCoefficient(double emission, double Tf, double Ts);

// Natural convection of air on a flat face of height or width L, fluid at Tf and
// face at Ts; the interior and exterior temperatures Ti, Te tell which side is
// warmer. Sets `laminar` unless the temperature difference is zero.
double PlateNaturalConvection(const CalcInputs& in, double Tf, double Ts, double Ti, double Te, double L, bool& laminar,
                              FlowRegime regime = FlowRegime::AsItFlows);

// Surface coefficient of the inside face, W/m2ºC, or -1 when neglected.
float InteriorCoefficient(const CalcInputs& in, SurfaceParts& parts, float Ts, float Ti, float Te,
                          FlowRegime regime = FlowRegime::AsItFlows);
// Surface coefficient of the outside face; D is the outer diameter in m (pipes, tanks).
float ExteriorCoefficient(const CalcInputs& in, SurfaceParts& parts, float Ts, float Ti, float Te, float D,
                          FlowRegime regime = FlowRegime::AsItFlows);
