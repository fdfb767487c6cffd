#pragma once

#include "results/ChartModel.h"
#include "shell/Form.h"
#include "shell/GeometryKind.h"
#include "shell/LoadingFlag.h"
#include "shell/MessageSink.h"

#include <QString>
#include <functional>

class FileDialogs;
class ReportService;

// The main window of the program without its widgets: the controls, the chart,
// the selected element kind and the process-wide flags, with the services that
// reach outside (message boxes, file dialogs, the report document).
class Brenak {
 public:
  explicit Brenak(MessageSink& messages);
  Brenak(const Brenak&) = delete;
  Brenak& operator=(const Brenak&) = delete;

  Form form;
  ChartModel chart;
  MessageSink& messages;
  FileDialogs* dialogs = nullptr;
  ReportService* report = nullptr;

  GeometryKind kind = GeometryKind::Plate;
  bool absurdData = false;      // a "Datos absurdos" warning was raised in this run
  LoadingFlag projectLoading;   // a project file is being applied
  bool interiorLaminar = false; // regime of the last calculated interior convection
  bool exteriorLaminar = false; // regime of the last calculated exterior convection
  int chooserTarget = 0;        // layer (1..6) or surface (1, 2) the chooser opened last writes to
  // Both choosers can be open at once; each applies to the target it was opened
  // for, so that "Aplicar" of one never writes into what the other was opened for.
  int materialTarget = 0;
  int emissionTarget = 0;
  QString programFolder;
  // Closes the window, which ends the program ("Cerrar"); set by the window.
  std::function<void()> onClose;

  // Shows a calculation or completeness message: caption "Atención", OK and Cancel.
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
