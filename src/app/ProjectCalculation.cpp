// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProjectCalculation.h"

#include "app/Brenak.h"
#include "app/ProjectCommands.h"
#include "app/StartUp.h"
#include "form/FormJson.h"
#include "form/MessageSink.h"

CalculatedProject CalculateProjectFile(const QString& path, const QString& programFolder) {
  RecordingMessageSink sink;
  Brenak app(sink);
  CreateMainWindow(app, programFolder);
  CalculatedProject outcome;
  outcome.read = OpenProjectFile(app, path);
  outcome.json = FormStateJson(app, sink.shown);
  return outcome;
}
