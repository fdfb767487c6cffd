// SPDX-License-Identifier: GPL-3.0-or-later
// Time of the command-line tables: the summary of the golden project files
// (each opened in a fresh window, calculated and read back) and the table of
// the 13 commercial thicknesses of an opened case.
#include "app/Brenak.h"
#include "app/ProjectCommands.h"
#include "app/ProjectSummary.h"
#include "app/StartUp.h"
#include "app/ThicknessTable.h"
#include "form/NumberFormat.h"
#include "studies/ThicknessSweep.h"

#include <benchmark/benchmark.h>
#include <QDir>

namespace {

QStringList GoldenCases() {
  const QDir dir(QStringLiteral(BRENAK_CASES_DIR));
  QStringList files;
  for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
    files << dir.filePath(name);
  return files;
}

void SummaryOfGoldenCases(benchmark::State& state) {
  SetDecimalSeparator('.');
  const QStringList files = GoldenCases();
  for (auto _ : state) {
    for (const QString& file : files) benchmark::DoNotOptimize(SummarizeProjectFile(file, QString()));
  }
  // Items are files: the rate is files per second.
  state.SetItemsProcessed(state.iterations() * files.size());
  state.SetLabel(std::to_string(files.size()) + " files");
}

// The table of a golden case: a plate (0) or a pipe in air with the final
// water temperature condition (1), both asked for their thickness.
void SweepOfThirteenThicknesses(benchmark::State& state) {
  SetDecimalSeparator('.');
  const char* names[] = {"start.txt", "pipe_air_final_temp.txt"};
  const char* name = names[state.range(0)];
  RecordingMessageSink sink;
  Brenak app(sink);
  CreateMainWindow(app, QString());
  OpenProjectFile(app, QDir(QStringLiteral(BRENAK_CASES_DIR)).filePath(QString::fromLatin1(name)));
  const std::vector<float>& thicknesses = CommercialThicknesses();
  for (auto _ : state) benchmark::DoNotOptimize(BuildThicknessTable(app, thicknesses));
  state.SetLabel(std::string(name) + ", " + std::to_string(thicknesses.size()) + " thicknesses");
}

}  // namespace

BENCHMARK(SummaryOfGoldenCases)->Unit(benchmark::kMillisecond);
BENCHMARK(SweepOfThirteenThicknesses)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
