// SPDX-License-Identifier: GPL-3.0-or-later
// Any 98-record file opened as "Abrir" does: applied, laid out, checked and
// calculated. Nothing may crash, hang or show a number that is not finite.
//
// Every input takes the program's path without a window: read as a case,
// opened, checked and calculated; no figure and no line it writes may be
// other than finite. One input in eight (chosen by its bytes) is also opened
// on a window, one window serving every input, put back to its start state
// before each: the window must show no number that is not finite, and must
// agree with the case at every step (opened, checked, the engine's outcome to
// the last bit, the warnings, the result lines).
#include "CasePath.h"
#include "ReusedWindow.h"

#include "app/Brenak.h"
#include "engine/ResultFigures.h"
#include "form/NumberFormat.h"
#include "results/ResultLines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

constexpr unsigned kWindowEvery = 8;

bool NotFinite(const QString& text) {
  return text.contains(QLatin1String("NAN")) || text.contains(QLatin1String("INF"));
}

bool ShowsNonFinite(const Brenak& app) {
  for (const Control& c : app.form.Controls()) {
    if (c.type != ControlType::Label && c.type != ControlType::Edit) continue;
    if (NotFinite(c.text)) {
      std::fprintf(stderr, "%s shows \"%s\"\n", qPrintable(c.name), qPrintable(c.text));
      return true;
    }
  }
  return false;
}

// What the case's calculation writes: its result lines, the economic panel,
// the bare element's line of a refused condition, and the figures behind them.
bool WritesNonFinite(const CaseOutcome& outcome) {
  const CalcOutcome& engine = outcome.engine;
  for (const CalcEvent& event : engine.events)
    if (event.kind == CalcEvent::Kind::BareElementLine && NotFinite(BareElementLineText(event.line))) return true;
  if (!outcome.HasResults()) return false;
  for (double figure : ResultFigures(outcome.inputs, engine.results))
    if (!std::isfinite(figure)) return true;
  const ResultLines lines = MakeResultLines(outcome);
  for (const QString& line : {lines.heatFlow, lines.resistance, lines.rite, lines.note.value_or(QString())})
    if (NotFinite(line)) return true;
  if (engine.economic) {
    const EconomicLines e = MakeEconomicLines(outcome.inputs, engine.economicOutcome);
    for (const QString& line : {e.thickness, e.resistance, e.heatFlow, e.totalCost, e.investment})
      if (NotFinite(line)) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static int argc = 1;
  static char name[] = "fuzz";
  static char* argv[] = {name, nullptr};
  static QCoreApplication qapp(argc, argv);
  static const QString folder = QDir::tempPath();
  static const QString path = folder + "/brenak-fuzz-" + QString::number(QCoreApplication::applicationPid()) + ".txt";

  SetDecimalSeparator('.');
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const CaseRun run = RunCase(bytes);
  if (run.outcome && WritesNonFinite(*run.outcome)) {
    std::fprintf(stderr, "the case's calculation writes a number that is not finite\n");
    __builtin_trap();
  }
  if (!SampledForWindow(bytes, kWindowEvery)) return 0;

  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
  file.write(bytes);
  file.close();
  static ReusedWindow window(folder);
  const std::vector<std::string> differ = WindowDisagreements(window, path, run);
  for (const std::string& line : differ) std::fprintf(stderr, "%s\n", line.c_str());
  if (!differ.empty() || ShowsNonFinite(window.Window())) __builtin_trap();
  return 0;
}
