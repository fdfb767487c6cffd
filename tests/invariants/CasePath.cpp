// SPDX-License-Identifier: GPL-3.0-or-later
#include "CasePath.h"

#include "ReusedWindow.h"

#include "app/ProjectCommands.h"
#include "checking/CaseCheck.h"
#include "engine/OutcomeFingerprint.h"
#include "form/CaseOpening.h"
#include "results/ResultLines.h"

#include <cstdint>

CaseRun RunCase(const QByteArray& bytes) {
  CaseRun run;
  run.reading = ReadCase(bytes);
  if (!run.reading.ok()) return run;
  const Case opened = AsOpened(run.reading.value);
  const std::vector<CaseProblem> problems = CheckCase(opened);
  run.calculable = problems.empty();
  for (const CaseProblem& problem : problems)
    for (const Message& box : problem.boxes) run.boxes.push_back(box.text);
  if (run.calculable) run.outcome = CalculateCase(opened);
  return run;
}

std::vector<std::string> WindowDisagreements(ReusedWindow& window, const QString& path, const CaseRun& run) {
  std::vector<std::string> differ;
  Brenak& app = window.Fresh();
  const bool opened = OpenProjectFile(app, path);
  if (opened != run.reading.ok()) {
    differ.push_back(opened ? "the window opened a file the case reading refused"
                            : "the window refused a file read as a case");
    return differ;
  }
  if (!opened) return differ;
  std::vector<QString> shown;
  for (const Message& m : window.Messages().shown) shown.push_back(m.text);
  if (app.lastOutcome.has_value() != run.calculable) {
    differ.push_back(run.calculable ? "the window did not calculate a case its checks let through"
                                    : "the window calculated a case its checks stopped");
    return differ;
  }
  if (!run.calculable) {
    if (shown != run.boxes) differ.push_back("the window's checks said other boxes than the case's");
    return differ;
  }
  const CaseOutcome& alone = *run.outcome;
  if (Fingerprint(alone.engine).Text() != Fingerprint(app.lastOutcome->engine).Text())
    differ.push_back("the engine gave the window another outcome than the case");
  std::vector<QString> warnings;
  for (const CalcMessage& m : alone.engine.Messages()) warnings.push_back(m.text);
  if (warnings != shown) differ.push_back("the window showed other warnings than the case's");
  if (alone.HasResults()) {
    const ResultLines lines = MakeResultLines(alone);
    if (lines.heatFlow != app.form.Text(QStringLiteral("LabelQ")) ||
        lines.resistance != app.form.Text(QStringLiteral("LabelRT")) ||
        lines.rite != app.form.Text(QStringLiteral("LabelRITE")) ||
        (lines.note && *lines.note != app.form.Text(QStringLiteral("LabelEsp"))))
      differ.push_back("the window wrote other result lines than the case's");
  }
  return differ;
}

bool SampledForWindow(const QByteArray& bytes, unsigned every) {
  // FNV-1a over the bytes.
  std::uint32_t h = 2166136261u;
  for (char byte : bytes) h = (h ^ static_cast<unsigned char>(byte)) * 16777619u;
  return every <= 1 || h % every == 0;
}
