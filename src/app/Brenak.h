// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/UserMaterials.h"
#include "form/WindowState.h"
#include "results/CaseCalculation.h"

#include <functional>
#include <optional>
#include <vector>

class ReportService;

// The main window of the program without its widgets: the window's state, and
// the ways out that only the application may take.
class Brenak : public WindowState {
 public:
  using WindowState::WindowState;

  // Closes the window, which ends the program ("Cerrar"); set by the window.
  std::function<void()> onClose;
  // Where reports are written and how they are opened; the desktop's own
  // when none is set.
  ReportService* report = nullptr;
  // Opens the table of thicknesses ("Tabla de espesores"); set by the window.
  std::function<void()> onThicknessTable;
  // Opens the installation's window ("Instalación"); set by the window.
  std::function<void()> onInstallation;

  // What the last "Calcular" (or the calculation of an opened project) gave:
  // the report and the table of thicknesses read it.
  std::optional<CaseOutcome> lastOutcome;

  // The user's own materials (app/UserMaterialCommands.h), and their file.
  std::vector<UserMaterial> userMaterials;
  QString userMaterialsPath;
  bool userMaterialsWritable = false;
};
