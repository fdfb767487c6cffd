// SPDX-License-Identifier: GPL-3.0-or-later
// Time of one calculation of the engine alone (Calculate on its inputs, no
// window model): the typical cases, and the slowest case of each design
// condition, mostly a thickness that runs to or past 5 m.
#include "engine/CalcOutcome.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <functional>
#include <string>

namespace {

LayerInput Layer(float thicknessMm, float conductivity, bool marked = false) {
  LayerInput layer;
  layer.thickness = thicknessMm;
  layer.conductivity = conductivity;
  layer.marked = marked;
  return layer;
}

// A plate of 50 mm at 0.04 W/mºC, 25 ºC inside and 10 ºC outside, 9 and 16 W/m2ºC imposed.
CalcInputs Plate() {
  CalcInputs in;
  in.layers[1] = Layer(50, 0.04f, true);
  return in;
}

// A steel pipe of 125 mm with hot water at 80 ºC in a room at 20 ºC, its
// insulation of 0.04 W/mºC outside the steel.
CalcInputs Pipe() {
  CalcInputs in;
  in.kind = GeometryKind::Pipe;
  in.Ti = 80;
  in.Te = 20;
  in.interiorDiameter = 125;
  in.layerCount = 2;
  in.layers[1] = Layer(4, 50);
  in.layers[2] = Layer(40, 0.04f, true);
  return in;
}

CalcInputs Thickness(CalcInputs in, DesignCondition condition) {
  in.thicknessTarget = true;
  in.condition = condition;
  return in;
}

CalcInputs CalculatedCoefficients(CalcInputs in) {
  in.interiorMode = SurfaceCoefMode::Calculate;
  in.exteriorMode = SurfaceCoefMode::Calculate;
  return in;
}

CalcInputs CalculatedExterior(CalcInputs in) {
  in.exteriorMode = SurfaceCoefMode::Calculate;
  return in;
}

void Run(benchmark::State& state, const CalcInputs& in) {
  CalcOutcome outcome;
  for (auto _ : state) {
    outcome = Calculate(in);
    benchmark::DoNotOptimize(outcome.events.data());
  }
  // What the case comes to: the thickness found, or how it ended without one.
  std::string label = !outcome.hasResults ? "refused" : outcome.absurdData ? "absurd data" : "results";
  if (outcome.hasResults && in.thicknessTarget) {
    const float t = outcome.economic ? outcome.economicOutcome.thickness : outcome.results.insulationThickness;
    label += ", " + std::to_string(std::lround(t)) + " mm";
  }
  state.SetLabel(label);
  // The resistance evaluations of one calculation: what the time is mostly made of.
  state.counters["evaluations"] = static_cast<double>(outcome.evaluations);
}

using Case = std::function<CalcInputs()>;

void Register(const char* name, const Case& make) {
  benchmark::RegisterBenchmark(name, [make](benchmark::State& state) {
    Run(state, make());
  })->Unit(benchmark::kMicrosecond);
}

// The typical cases.
void RegisterTypical() {
  Register("plate heat flow, imposed coefficients", [] {
    CalcInputs in = Plate();
    return in;
  });
  Register("plate heat flow, calculated coefficients", [] { return CalculatedCoefficients(Plate()); });
  Register("plate thickness for 15 W/m2", [] { return Thickness(Plate(), DesignCondition::HeatFlow); });
  Register("pipe in air heat flow, calculated coefficients", [] { return CalculatedCoefficients(Pipe()); });
  Register("pipe in air thickness for 15 W/m, calculated exterior",
           [] { return Thickness(CalculatedExterior(Pipe()), DesignCondition::HeatFlow); });
  Register("pipe in air economic thickness, calculated exterior",
           [] { return Thickness(CalculatedExterior(Pipe()), DesignCondition::Economic); });
  Register("pipe in air economic thickness, imposed coefficients",
           [] { return Thickness(Pipe(), DesignCondition::Economic); });
  Register("plate economic thickness, imposed coefficients",
           [] { return Thickness(Plate(), DesignCondition::Economic); });
  Register("buried pipe in a box thickness for 15 W/m", [] {
    CalcInputs in = Thickness(Pipe(), DesignCondition::HeatFlow);
    in.pipePlacing = 3;
    in.soilTemperature = 10;
    in.depth = 1;
    in.boxSize = 400;
    return in;
  });
  Register("sphere thickness for 50 W, calculated exterior", [] {
    CalcInputs in = Thickness(CalculatedExterior(Pipe()), DesignCondition::HeatFlow);
    in.kind = GeometryKind::Sphere;
    in.interiorDiameter = 1000;
    in.wantedHeatFlow = 50;
    return in;
  });
}

// The slowest case of each design condition of a pipe in air (and of a
// sphere's resistance, which has a finite limit).
void RegisterSlowest() {
  Register("pipe resistance 100 mºC/W (past 5 m)", [] {
    CalcInputs in = Thickness(CalculatedExterior(Pipe()), DesignCondition::Resistance);
    in.wantedResistance = 100;
    return in;
  });
  Register("pipe heat flow 1 W/m (past 5 m)", [] {
    CalcInputs in = Thickness(CalculatedExterior(Pipe()), DesignCondition::HeatFlow);
    in.wantedHeatFlow = 1;
    return in;
  });
  Register("pipe percentage 0.5 % (past 5 m)", [] {
    CalcInputs in = Thickness(CalculatedCoefficients(Pipe()), DesignCondition::Percentage);
    in.wantedPercentage = 0.5f;
    return in;
  });
  Register("pipe economic, cost falling past 5 m", [] {
    CalcInputs in = Thickness(CalculatedExterior(Pipe()), DesignCondition::Economic);
    in.cost2 = 0.0001f;
    return in;
  });
  Register("plate economic, calculated exterior, past 5 m", [] {
    CalcInputs in = Thickness(CalculatedExterior(Plate()), DesignCondition::Economic);
    in.cost2 = 0.0001f;
    return in;
  });
  // Its interior coefficient follows the interior surface: every step is worked out.
  Register("plate economic, calculated interior, past 5 m", [] {
    CalcInputs in = Thickness(Plate(), DesignCondition::Economic);
    in.interiorMode = SurfaceCoefMode::Calculate;
    in.interiorHeight = 2.5f;
    in.interiorHeightShown = true;
    in.cost2 = 0.0001f;
    return in;
  });
  Register("pipe economic, imposed coefficients, past 5 m", [] {
    CalcInputs in = Thickness(Pipe(), DesignCondition::Economic);
    in.cost2 = 0.0001f;
    return in;
  });
  // A buried pipe's search ends at the most insulation its box or its depth
  // holds, or at 5 m for a pipe buried deep enough.
  Register("buried pipe in a box economic, cost falling to the box", [] {
    CalcInputs in = Thickness(Pipe(), DesignCondition::Economic);
    in.pipePlacing = 3;
    in.depth = 2;
    in.boxSize = 1500;
    in.cost2 = 0.0001f;
    return in;
  });
  Register("buried pipe economic, cost falling past 5 m", [] {
    CalcInputs in = Thickness(Pipe(), DesignCondition::Economic);
    in.pipePlacing = 2;
    in.depth = 20;
    in.cost2 = 0.0001f;
    return in;
  });
  Register("pipe exterior surface at 20.5 ºC (past 5 m)", [] {
    CalcInputs in = Thickness(CalculatedExterior(Pipe()), DesignCondition::ExteriorSurfaceTemperature);
    in.wantedExteriorSurface = 20.5f;
    return in;
  });
  Register("chilled pipe no exterior condensation at 90 %", [] {
    CalcInputs in = Thickness(CalculatedExterior(Pipe()), DesignCondition::NoExteriorCondensation);
    in.Ti = 5;
    in.Te = 25;
    in.exteriorHumidity = 90;
    return in;
  });
  Register("pipe final water 79.9 ºC after 1000 m (past 5 m)", [] {
    CalcInputs in = Thickness(CalculatedExterior(Pipe()), DesignCondition::FinalWaterTemperature);
    in.wantedFinalTemperature = 79.9f;
    in.finalTemperatureLength = 1000;
    in.interiorVelocity = 0.5f;
    return in;
  });
  Register("pipe freezing in 1000 h (past 5 m)", [] {
    CalcInputs in = Thickness(CalculatedExterior(Pipe()), DesignCondition::FreezingTime);
    in.Ti = 10;
    in.Te = -15;
    in.freezingHours = 1000;
    return in;
  });
  Register("sphere resistance beyond its limit (past 5 m)", [] {
    CalcInputs in = Thickness(Pipe(), DesignCondition::Resistance);
    in.kind = GeometryKind::Sphere;
    in.interiorDiameter = 1000;
    in.wantedResistance = 9.9f;
    return in;
  });
}

}  // namespace

int main(int argc, char** argv) {
  RegisterTypical();
  RegisterSlowest();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
