// SPDX-License-Identifier: GPL-3.0-or-later
// Time of whole calculations on the window model, typical and slowest cases.
#include "app/Brenak.h"
#include "app/CalculationRun.h"
#include "app/StartUp.h"
#include "form/NumberFormat.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>

#include <functional>

namespace {

using Setup = std::function<void(Brenak&)>;

void RunCase(benchmark::State& state, const Setup& setup) {
  RecordingMessageSink sink;
  Brenak app(sink);
  SetDecimalSeparator('.');
  CreateMainWindow(app, QString());
  setup(app);
  for (auto _ : state) {
    sink.shown.clear();
    RunCalculation(app);
    benchmark::DoNotOptimize(app.form.Text("LabelQ"));
  }
  state.SetLabel(sink.shown.empty() ? "results" : sink.shown.front().text.left(40).toStdString());
}

void KindButton(Brenak& app, const char* button) { app.form.UserClick(button); }

void PlateThickness(benchmark::State& state) {
  RunCase(state, [](Brenak&) {});
}

void PlateHeatFlowCalculatedCoefficients(benchmark::State& state) {
  RunCase(state, [](Brenak& app) {
    app.form.UserSelect("RadioGroupCalcular", 0);
    app.form.SetText("Edit1e", "50");
    app.form.UserSelect("RGhi", 2);
    app.form.UserSelect("RGhe", 2);
  });
}

void PipeInAirThickness(benchmark::State& state) {
  RunCase(state, [](Brenak& app) { KindButton(app, "SpeedButton4"); });
}

void BuriedPipeInBoxHeatFlow(benchmark::State& state) {
  RunCase(state, [](Brenak& app) {
    KindButton(app, "SpeedButton4");
    app.form.UserSelect("RGTipoTuberias", 3);
    app.form.UserSelect("RadioGroupCalcular", 0);
    app.form.SetText("Edit1e", "30");
    app.form.UserSelect("RadioGroupTerreno", 1);
  });
}

void SphereThickness(benchmark::State& state) {
  RunCase(state, [](Brenak& app) {
    KindButton(app, "SpeedButton5");
    app.form.SetText("Editr0", "1000");
    app.form.SetText("EditCondicionQ", "50");
  });
}

void DuctHeatFlow(benchmark::State& state) {
  RunCase(state, [](Brenak& app) {
    KindButton(app, "SpeedButton23");
    app.form.SetText("Edit1e", "30");
    app.form.UserSelect("RGhi", 2);
    app.form.UserSelect("RGhe", 2);
  });
}

void TankHeatFlow(benchmark::State& state) {
  RunCase(state, [](Brenak& app) {
    KindButton(app, "SpeedButton23");
    app.form.UserSelect("RGTipoOtros", 1);
    app.form.SetText("Edit1e", "30");
  });
}

// The slowest cases: searches that step 0.1 mm at a time up to 5000 mm.
void PipeThicknessToFiveMetres(benchmark::State& state) {
  RunCase(state, [](Brenak& app) {
    KindButton(app, "SpeedButton4");
    app.form.UserSelect("RadioGroupCondicionT", 2);
    app.form.SetText("EditCondicionRT", "100");
    app.form.UserSelect("RGhe", 2);
  });
}

void SphereThicknessToFiveMetres(benchmark::State& state) {
  RunCase(state, [](Brenak& app) {
    KindButton(app, "SpeedButton5");
    app.form.UserSelect("RadioGroupCondicionE", 2);
    app.form.SetText("Editr0", "1000");
    app.form.SetText("EditCondicionRT", "9.9");
  });
}

void EconomicWithCalculatedCoefficients(benchmark::State& state) {
  RunCase(state, [](Brenak& app) {
    KindButton(app, "SpeedButton4");
    app.form.UserSelect("RadioGroupCondicionT", 3);
    app.form.UserSelect("RGhi", 2);
    app.form.UserSelect("RGhe", 2);
  });
}

void EconomicToFiveMetres(benchmark::State& state) {
  RunCase(state, [](Brenak& app) {
    KindButton(app, "SpeedButton4");
    app.form.UserSelect("RadioGroupCondicionT", 3);
    app.form.UserSelect("RGhe", 2);
    app.form.SetText("EditCI2", "0.0001");
  });
}

}  // namespace

BENCHMARK(PlateThickness)->Unit(benchmark::kMicrosecond);
BENCHMARK(PlateHeatFlowCalculatedCoefficients)->Unit(benchmark::kMicrosecond);
BENCHMARK(PipeInAirThickness)->Unit(benchmark::kMicrosecond);
BENCHMARK(BuriedPipeInBoxHeatFlow)->Unit(benchmark::kMicrosecond);
BENCHMARK(SphereThickness)->Unit(benchmark::kMicrosecond);
BENCHMARK(DuctHeatFlow)->Unit(benchmark::kMicrosecond);
BENCHMARK(TankHeatFlow)->Unit(benchmark::kMicrosecond);
BENCHMARK(PipeThicknessToFiveMetres)->Unit(benchmark::kMillisecond);
BENCHMARK(SphereThicknessToFiveMetres)->Unit(benchmark::kMillisecond);
BENCHMARK(EconomicWithCalculatedCoefficients)->Unit(benchmark::kMillisecond);
BENCHMARK(EconomicToFiveMetres)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
