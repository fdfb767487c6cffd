#include "files/CalcCommand.h"

#include "files/ProjectCommands.h"
#include "shell/Brenak.h"
#include "shell/FormJson.h"
#include "shell/MessageSink.h"
#include "shell/StartUp.h"

CalcOutcome CalculateProjectFile(const QString& path, const QString& programFolder) {
  RecordingMessageSink sink;
  Brenak app(sink);
  CreateMainWindow(app, programFolder);
  CalcOutcome outcome;
  outcome.read = OpenProjectFile(app, path);
  outcome.json = FormStateJson(app, sink.shown);
  return outcome;
}
