// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/GeometryKind.h"
#include "form/ChartModel.h"
#include "form/Form.h"
#include "form/LoadingFlag.h"
#include "form/MessageSink.h"

#include <QString>
#include <functional>

class FileDialogs;
class QSettings;

// What the main window holds, without its widgets: the controls, the chart, the
// selected element kind and the process-wide flags, with the services that
// reach outside (message boxes, file dialogs). Every layer
// above the form works on it; the application's window (app/Brenak.h) adds the
// routes that only the top of the program may take.
// The toolbar button that shows each kind with a red caption.
QString KindButton(GeometryKind kind);

class WindowState {
 public:
  explicit WindowState(MessageSink& messages);
  WindowState(const WindowState&) = delete;
  WindowState& operator=(const WindowState&) = delete;

  Form form;
  ChartModel chart;
  MessageSink& messages;
  FileDialogs* dialogs = nullptr;

  GeometryKind kind = GeometryKind::Plate;
  bool absurdData = false;       // a "Datos absurdos" warning was raised in this run
  LoadingFlag projectLoading;    // a project file is being applied
  bool interiorLaminar = false;  // regime of the last calculated interior convection
  bool exteriorLaminar = false;  // regime of the last calculated exterior convection
  int chooserTarget = 0;         // layer (1..6) or surface (1, 2) the chooser opened last writes to
  // Both choosers can be open at once; each applies to the target it was opened
  // for, so that "Aplicar" of one never writes into what the other was opened for.
  int materialTarget = 0;
  int emissionTarget = 0;
  // The layer that was marked as insulation when the heat flow became the
  // target (0 for none): the heat flow needs no mark, and the layer is marked
  // again when the insulation thickness is asked for once more.
  int heldInsulationLayer = 0;
  QString programFolder;
  // The user's documents, where the program keeps its projects and reports;
  // empty for the platform's documents folder.
  QString documentsFolder;
  // Where the user's preferences are kept (recent projects, the last folder,
  // the window's place); none for the command-line tool.
  QSettings* settings = nullptr;

  // The project file the case was opened from or saved to (empty for a case
  // never saved) and whether the user changed the case since it was started,
  // opened or saved. `documentChanged` is told when either changes.
  QString projectPath;
  bool modified = false;
  std::function<void()> documentChanged;
  void SetDocument(const QString& path, bool changed);
  void SetModified(bool changed) { SetDocument(projectPath, changed); }

  // Shows a calculation or completeness message: caption "Atención", one button.
  void Warn(const QString& text);

  // Sets the element kind and renders it as the red caption of its button.
  void SetKind(GeometryKind newKind);

  // Shorthands for the case on the window.
  bool IsPlate() const { return kind == GeometryKind::Plate; }
  bool IsPipe() const { return kind == GeometryKind::Pipe; }
  bool IsSphere() const { return kind == GeometryKind::Sphere; }
  bool IsSpecial() const { return kind == GeometryKind::Special; }
  bool IsBuriedPipe() const;     // pipe placed "Enterrada sin caja" or "Enterrada con caja"
  bool IsPipeInBox() const;      // pipe placed "Enterrada con caja"
  bool IsPipeInAir() const;      // pipe placed in air, vertical or horizontal
  bool IsDuct() const;           // special, "Conductos aire"
  bool IsTank() const;           // special, a vertical or horizontal tank
  bool ThicknessTarget() const;  // "Espesor aislamiento" selected
  int LayerCount() const;        // 1..6, from ComboBox1
  // The condition list of the element kind and variant; empty for a tank.
  QString ConditionGroup() const;
  // The design condition in force: the row of ConditionGroup, 0 for a tank.
  int ConditionIndex() const;
};
