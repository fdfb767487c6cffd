// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class Brenak;
class ChartPanel;
class DataPanels;
class InstallationWindow;
class QScrollArea;
class QToolBar;
class ThicknessTableDialog;
class UserMaterialsEditor;
class WindowBinding;
class WindowOverlays;

// The main window: a view of the form model. Every control of the model has a
// widget of the same object name; Sync() mirrors the model into the widgets,
// and what the user does to a widget goes to the model as the user's action
// (a click, a leave, a keystroke, a selection), after which the window is
// brought up to date again.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(Brenak& app, QWidget* parent = nullptr);
  ~MainWindow() override;

  Brenak& App() const { return app_; }
  // The widget of a control of the model; null for a name the model lacks.
  QWidget* ControlWidget(const QString& name) const;
  ChartPanel* Chart() const;
  // The installation's window; null before "Instalación" first opens it.
  InstallationWindow* Installation() const;

  // Mirrors the whole model: texts, visibility, enabled and read-only flags,
  // field states, rows, marks, caption colours, the chart.
  void Sync();

  // Shows an error that escaped a command; an error box unless replaced.
  std::function<void(const QString& text)> showError;

  // The size that shows everything without scrolling, bounded by `available`.
  // Meaningful once the window has been shown: only then do the layouts measure.
  QSize PreferredSize(const QSize& available) const;

  // Shows the window where the user left it last time (app.settings); the
  // first time, at the size that shows everything when the screen has room,
  // else maximized.
  void ShowOnScreen();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  // Closing the window leaves the case: a changed one asks to be saved first,
  // and "Cancelar" keeps the window open. The window's place is kept.
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildShortcuts();
  // Gives the keyboard focus to the control the model last asked for, once
  // the window shows it.
  void ApplyFocusRequest();

  // Runs a user action on the model; an error it raises is shown in an error
  // box and the program goes on. The window is brought up to date afterwards.
  void Forward(const std::function<void()>& action);
  void ReportError(const QString& text);
  // "Tabla de espesores": opens the table over the window, worked out anew.
  void OpenThicknessTable();
  // "Instalación": shows the installation's window, made the first time.
  void OpenInstallation();

  Brenak& app_;
  std::unique_ptr<WindowBinding> binding_;
  std::unique_ptr<DataPanels> panels_;
  std::unique_ptr<WindowOverlays> overlays_;
  UserMaterialsEditor* userMaterials_ = nullptr;  // owned by the material chooser
  QPointer<ThicknessTableDialog> thicknessTable_;
  QPointer<InstallationWindow> installation_;
  QToolBar* toolbar_ = nullptr;
  QWidget* central_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  bool syncing_ = false;
  bool tabOrderDirty_ = true;
  QString pendingFocus_;
  bool pendingSelectAll_ = false;
};
