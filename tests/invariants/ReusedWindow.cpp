// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReusedWindow.h"

#include "app/StartUp.h"

namespace {

// The window and its snapshot name their parts alike: one list serves both ways.
template <typename To, typename From>
void CopyWindowState(To& to, const From& from) {
  to.form = from.form;  // with its reactions, which act on the one window
  to.chart = from.chart;
  to.kind = from.kind;
  to.absurdData = from.absurdData;
  to.projectLoading = from.projectLoading;
  to.interiorLaminar = from.interiorLaminar;
  to.exteriorLaminar = from.exteriorLaminar;
  to.chooserTarget = from.chooserTarget;
  to.materialTarget = from.materialTarget;
  to.emissionTarget = from.emissionTarget;
  to.programFolder = from.programFolder;
  to.projectPath = from.projectPath;
  to.modified = from.modified;
  to.userMaterials = from.userMaterials;
  to.userMaterialsPath = from.userMaterialsPath;
  to.userMaterialsWritable = from.userMaterialsWritable;
}

}  // namespace

ReusedWindow::ReusedWindow(const QString& programFolder) {
  CreateMainWindow(app_, programFolder);
  CopyWindowState(start_, app_);
}

Brenak& ReusedWindow::Fresh() {
  CopyWindowState(app_, start_);
  app_.lastOutcome.reset();
  sink_.shown.clear();
  return app_;
}
