// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhysicsInvariants.h"

#include "ReusedWindow.h"

#include "app/Brenak.h"
#include "app/CalculationInputs.h"
#include "app/ProjectCommands.h"
#include "engine/CalcOutcome.h"

#include <QFileInfo>
#include <string>

namespace {

std::string Messages(const RecordingMessageSink& sink) {
  std::string text;
  for (const Message& m : sink.shown) text += " [" + m.text.toStdString() + "]";
  return text;
}

}  // namespace

InvariantReport CheckProjectInvariants(const QString& projectPath) {
  ReusedWindow window(QFileInfo(projectPath).absolutePath());
  return CheckProjectInvariants(window, projectPath);
}

InvariantReport CheckProjectInvariants(ReusedWindow& window, const QString& projectPath) {
  InvariantReport report;
  Brenak& app = window.Fresh();
  const RecordingMessageSink& sink = window.Messages();
  report.opened = OpenProjectFile(app, projectPath);
  if (!report.opened) {
    report.violations.push_back("not read as a project:" + Messages(sink));
    return report;
  }
  // "Gráfica" waits for a calculation: opening a complete project whose
  // fields pass their checks calculates it.
  report.calculated = app.form.Enabled("SpeedButton7");
  if (!report.calculated) {
    report.violations.push_back("not calculated on opening:" + Messages(sink));
    return report;
  }
  const CalcInputs in = ReadCalcInputs(app);
  InvariantReport checked = CheckCalculationInvariants(in, Calculate(in));
  checked.opened = checked.calculated = true;
  return checked;
}
