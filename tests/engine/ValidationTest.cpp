// SPDX-License-Identifier: GPL-3.0-or-later
// Brenak against published worked examples: each case is built from the
// example's data and compared with the published figure within the precision
// the source gives it. The "Validation" table of docs/development.md
// and of the user's manuals lists them.
#include "engine/CalcOutcome.h"
#include "engine/FluidTemperature.h"
#include "engine/LayerInputs.h"
#include "engine/Moisture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>

namespace {

void Report(const char* name, double brenak, double published) {
  std::cout << "[ figure   ] " << name << ": Brenak " << brenak << ", published " << published << '\n';
}

// Çengel and Ghajar, Heat and Mass Transfer, example "Heat loss through a
// single-pane window": 8 mm of glass (0.78 W/m·K), 20 ºC inside with h = 10,
// -10 ºC outside with h = 40: 266 W through 1.2 m2 (221.7 W/m2), inner glass
// surface at -2.2 ºC.
TEST(Validation, SinglePaneWindow) {
  CalcInputs in;
  in.layers[1] = Layer(8, 0.78f, true);
  in.Ti = 20;
  in.Te = -10;
  in.interiorCoef = 10;
  in.exteriorCoef = 40;
  const Results r = Calculate(in).results;
  Report("single pane, W", r.heatFlow * 1.2, 266);
  EXPECT_NEAR(r.heatFlow * 1.2, 266, 0.5);
  EXPECT_NEAR(r.temperatures[0], -2.2, 0.05);
}

// The same book, "Heat loss through double-pane windows": two 4 mm panes and
// 10 mm of still air (0.026 W/m·K) between them: 69.2 W, inner surface 14.2 ºC.
TEST(Validation, DoublePaneWindow) {
  CalcInputs in;
  in.layerCount = 3;
  in.layers[1] = Layer(4, 0.78f);
  in.layers[2] = Layer(10, 0.026f, true);
  in.layers[3] = Layer(4, 0.78f);
  in.Ti = 20;
  in.Te = -10;
  in.interiorCoef = 10;
  in.exteriorCoef = 40;
  const Results r = Calculate(in).results;
  Report("double pane, W", r.heatFlow * 1.2, 69.2);
  EXPECT_NEAR(r.heatFlow * 1.2, 69.2, 0.05);
  EXPECT_NEAR(r.temperatures[0], 14.2, 0.05);
}

// The same book, "Heat loss through an insulated steam pipe": cast iron
// (80 W/m·K), 5.0/5.5 cm diameters, 3 cm of glass wool (0.05 W/m·K), steam at
// 320 ºC with hi = 60, air at 5 ºC with he = 18: 121 W per metre, total
// resistance 2.61 ºC·m/W.
TEST(Validation, InsulatedSteamPipe) {
  CalcInputs in;
  in.kind = GeometryKind::Pipe;
  in.pipePlacing = 1;
  in.interiorDiameter = 50;
  in.layerCount = 2;
  in.layers[1] = Layer(2.5f, 80);
  in.layers[2] = Layer(30, 0.05f, true);
  in.Ti = 320;
  in.Te = 5;
  in.interiorCoef = 60;
  in.exteriorCoef = 18;
  const Results r = Calculate(in).results;
  Report("steam pipe, W/m", r.heatFlow, 121);
  Report("steam pipe, ºC·m/W", r.resistanceTotal, 2.61);
  EXPECT_NEAR(r.heatFlow, 121, 0.5);
  EXPECT_NEAR(r.resistanceTotal, 2.61, 0.005);
}

// A textbook example of the image method (the conduction shape factor of a
// cylinder buried in a semi-infinite medium, S = 2π / cosh⁻¹(2z/D), as in
// Incropera and DeWitt's table of shape factors): a pipe of 0.2728 m outside
// diameter with its axis 0.4572 m deep, surface 60 ºC, ground 18.33 ºC, soil
// 0.1246 W/m·K: 17.35 W per metre.
TEST(Validation, BuriedPipeByTheImageMethod) {
  CalcInputs in;
  in.kind = GeometryKind::Pipe;
  in.pipePlacing = 2;
  in.interiorDiameter = 272.6f;
  in.layers[1] = Layer(0.1f, 1000, true);  // a wall that holds the surface at the fluid's temperature
  in.Ti = 60;
  in.soilTemperature = 18.33f;
  in.interiorMode = SurfaceCoefMode::Neglect;
  in.soilConductivity = 0.1246f;
  in.depth = 0.4572f;
  const Results r = Calculate(in).results;
  Report("buried pipe, W/m", r.heatFlow, 17.35);
  EXPECT_NEAR(r.heatFlow, 17.35, 0.01);
}

// ASHRAE Handbook, Fundamentals, the freeze-protection example of its chapter
// on insulation for mechanical systems:
// the time for still water to cool to freezing, without its latent heat,
// t = ρ·c·(πD²/4)·R'·ln((Ti - Ta)/(Tf - Ta)). A 2 in pipe (52.5 mm inside,
// 60.3 mm outside) with 1.5 in of insulation of 0.30 Btu·in/h·ft²·ºF
// (0.0433 W/m·K), water at 42 ºF (5.56 ºC), air at -18 ºF (-27.78 ºC): 1.4 h.
TEST(Validation, TimeForStillWaterToReachFreezing) {
  CalcInputs in;
  in.kind = GeometryKind::Pipe;
  in.pipePlacing = 1;
  in.interiorDiameter = 52.5f;
  in.layerCount = 2;
  in.layers[1] = Layer(3.9f, 50);
  in.layers[2] = Layer(38.1f, 0.0433f, true);
  in.Ti = 5.56f;
  in.Te = -27.78f;
  in.interiorMode = SurfaceCoefMode::Neglect;
  in.exteriorMode = SurfaceCoefMode::Neglect;
  in.freezingHours = 1;
  in.frozenPercentage = 0;
  // The resistance that holds the water one hour, and that of the insulated
  // pipe: the time is proportional to the resistance.
  const float perHour = FreezingTimeResistance(in);
  const Results r = Calculate(in).results;
  const double hours = r.resistanceTotal / perHour;
  Report("freezing, h", hours, 1.4);
  EXPECT_NEAR(hours, 1.4, 0.05);

  // Asked for 1.4 h, the thickness search finds the same insulation.
  in.thicknessTarget = true;
  in.condition = DesignCondition::FreezingTime;
  in.freezingHours = 1.4f;
  const Results found = Calculate(in).results;
  Report("freezing, mm for 1.4 h", found.insulationThickness, 38.1);
  EXPECT_NEAR(found.insulationThickness, 38.1, 2.5);
}

// Saturation pressure over water and dew points, against the psychrometric
// tables (ASHRAE Handbook, Fundamentals, psychrometrics).
TEST(Validation, SaturationPressuresAndDewPoints) {
  const struct {
    float T;
    double pressure;
  } table[] = {{0, 611}, {10, 1228}, {20, 2339}, {30, 4246}};
  for (const auto& row : table) {
    Report("saturation pressure, Pa", SaturationPressure(row.T), row.pressure);
    EXPECT_NEAR(SaturationPressure(row.T), row.pressure, 0.001 * row.pressure) << row.T << " ºC";
  }
  const struct {
    float T, humidity;
    double dewPoint;
  } air[] = {{18, 80, 14.5}, {22, 85, 19.4}};
  for (const auto& row : air) {
    const float dew = DewPointTemperature(static_cast<float>(SaturationPressure(row.T) * row.humidity * 0.01));
    Report("dew point, ºC", dew, row.dewPoint);
    EXPECT_NEAR(dew, row.dewPoint, 0.05) << row.T << " ºC, " << row.humidity << " %";
  }
}

}  // namespace
