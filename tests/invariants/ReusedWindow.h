// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Brenak.h"
#include "form/ChartModel.h"
#include "form/Form.h"
#include "form/MessageSink.h"

#include <QString>

// One main window without widgets, created once and put back to the state
// CreateMainWindow leaves before each use: opening a project on it gives what
// opening the project on a new window gives, for a small part of the cost of
// building the window (its controls, reactions and first layout).
class ReusedWindow {
 public:
  explicit ReusedWindow(const QString& programFolder);
  ReusedWindow(const ReusedWindow&) = delete;
  ReusedWindow& operator=(const ReusedWindow&) = delete;

  // The window in its start state, with no message shown yet.
  Brenak& Fresh();
  // The window as the last command left it.
  Brenak& Window() { return app_; }
  // The boxes shown since the last Fresh().
  const RecordingMessageSink& Messages() const { return sink_; }

 private:
  // Everything the window holds between two commands.
  struct Snapshot {
    Form form;
    ChartModel chart;
    GeometryKind kind = GeometryKind::Plate;
    bool absurdData = false;
    LoadingFlag projectLoading;
    bool interiorLaminar = false, exteriorLaminar = false;
    int chooserTarget = 0, materialTarget = 0, emissionTarget = 0;
    QString programFolder, projectPath;
    bool modified = false;
    std::vector<UserMaterial> userMaterials;
    QString userMaterialsPath;
    bool userMaterialsWritable = false;
  };

  RecordingMessageSink sink_;
  Brenak app_{sink_};
  Snapshot start_;
};
