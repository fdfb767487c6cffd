// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/MainWindow.h"

#include "app/Brenak.h"
#include "app/InstallationCaseLink.h"
#include "app/InstallationSession.h"
#include "app/ProjectCommands.h"
#include "app/StartUp.h"
#include "checking/FieldDescription.h"
#include "form/Control.h"
#include "gui/ChartPanel.h"
#include "gui/ConditionFields.h"
#include "gui/DataPanels.h"
#include "gui/InstallationWindow.h"
#include "gui/LanguageMenu.h"
#include "gui/Overlays.h"
#include "gui/TabOrder.h"
#include "gui/ThicknessTableDialog.h"
#include "gui/UserMaterialsEditor.h"
#include "gui/WindowBinding.h"
#include "gui/WindowDocument.h"
#include "gui/WindowServices.h"
#include "gui/WindowToolbar.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <exception>

MainWindow::MainWindow(Brenak& app, QWidget* parent) : QMainWindow(parent), app_(app) {
  setObjectName(QStringLiteral("FBrenak"));
  ShowDocumentTitle(this, app_);
  setWindowIcon(QIcon(QStringLiteral(":/icons/brenak.svg")));

  central_ = new QWidget(this);
  central_->setObjectName(QStringLiteral("DataArea"));
  setCentralWidget(central_);

  binding_ = std::make_unique<WindowBinding>(app_.form, this,
                                             [this](const std::function<void()>& action) { Forward(action); });
  // A field's tooltip says what it holds and what it accepts, as the case on
  // the window has it.
  binding_->fieldTooltip = [this](const Control& field) { return FieldTooltip(app_, field.name); };
  toolbar_ = BuildToolbar(this, *binding_);

  scroll_ = new QScrollArea(central_);
  scroll_->setWidgetResizable(true);
  scroll_->setFrameShape(QFrame::NoFrame);
  panels_ = std::make_unique<DataPanels>(*binding_);
  scroll_->setWidget(panels_->Build());

  auto* centralLayout = new QVBoxLayout(central_);
  centralLayout->setContentsMargins(0, 0, 0, 0);
  centralLayout->addWidget(scroll_);

  overlays_ = std::make_unique<WindowOverlays>(this, central_, app_, *binding_);
  userMaterials_ = new UserMaterialsEditor(app_, overlays_->UserMaterialTools(),
                                           [this](const std::function<void()>& action) { Forward(action); });
  app_.onThicknessTable = [this] { OpenThicknessTable(); };
  app_.onInstallation = [this] { OpenInstallation(); };
  BuildShortcuts();
  AttachRecentProjects(qobject_cast<QToolButton*>(binding_->Widget(QStringLiteral("SBAbrir"))), app_,
                       [this](const std::function<void()>& action) { Forward(action); });
  AttachSaveAs(qobject_cast<QToolButton*>(binding_->Widget(QStringLiteral("SBGuardar"))), this, app_,
               [this](const std::function<void()>& action) { Forward(action); });
  AttachLanguageMenu(qobject_cast<QToolButton*>(binding_->Widget(QStringLiteral("SBImpresor2"))), app_.settings);
  // The title names the project and shows whether it has unsaved changes.
  app_.documentChanged = [this, told = app_.documentChanged] {
    if (told) told();
    ShowDocumentTitle(this, app_);
    // A project opened or saved here is no longer the installation's case.
    if (installation_ && !app_.projectPath.isEmpty()) DropMainWindowLink(installation_->Session());
  };
  // The model asks for the focus in the middle of an action, before the window
  // shows what the action changed: the request waits for the next Sync().
  app_.form.focusRequested = [this](const QString& name, bool selectAll) {
    pendingFocus_ = name;
    pendingSelectAll_ = selectAll;
  };
  central_->installEventFilter(this);
  binding_->WarnOfUnplaced();

  Sync();
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::ControlWidget(const QString& name) const { return binding_->Widget(name); }

ChartPanel* MainWindow::Chart() const { return overlays_->Chart(); }

InstallationWindow* MainWindow::Installation() const { return installation_; }

void MainWindow::BuildShortcuts() {
  for (const ToolbarEntry& e : ToolbarEntries()) {
    if (!e.name) continue;
    const QString name = QString::fromLatin1(e.name);
    auto* shortcut = new QShortcut(e.key, this);
    connect(shortcut, &QShortcut::activated, this, [this, name] { binding_->ClickButton(name); });
  }
  auto* calculate = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return), this);
  connect(calculate, &QShortcut::activated, this, [this] { binding_->ClickButton(QStringLiteral("SpeedButton1")); });
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, [this] { overlays_->CloseTop(); });
  auto* copy = new QShortcut(QKeySequence::Copy, Chart());
  copy->setContext(Qt::WidgetWithChildrenShortcut);
  connect(copy, &QShortcut::activated, Chart(), &ChartPanel::CopyToClipboard);
}

QSize MainWindow::PreferredSize(const QSize& available) const {
  QSize content = scroll_->widget()->sizeHint();
  content += QSize(scroll_->verticalScrollBar()->sizeHint().width() + 4, toolbar_->sizeHint().height() + 8);
  return content.boundedTo(available);
}

// ------------------------------------------------------------ user actions

void MainWindow::Forward(const std::function<void()>& action) {
  if (syncing_) return;  // the window's own updates are no user action
  try {
    action();
  } catch (const std::exception& error) {
    ReportError(QString::fromLocal8Bit(error.what()));
  } catch (...) {
    ReportError(QCoreApplication::translate("MainWindow", "Error inesperado"));
  }
  Sync();
}

void MainWindow::OpenThicknessTable() {
  // One table, kept between openings with its list; each opening works out
  // the case as the window holds it now.
  if (!thicknessTable_) thicknessTable_ = new ThicknessTableDialog(app_, this);
  thicknessTable_->show();
  thicknessTable_->raise();
  thicknessTable_->activateWindow();
  thicknessTable_->Calculate();
}

void MainWindow::OpenInstallation() {
  // One installation window, kept with its document while it is open.
  if (!installation_) {
    installation_ = new InstallationWindow(app_, this);
    // Its boxes and dialogs over it, where the main window's are the desktop's.
    if (dynamic_cast<WidgetMessageSink*>(&app_.messages)) installation_->AskAndTellHere();
    installation_->showMainWindow = [this] {
      Sync();
      raise();
      activateWindow();
    };
  }
  installation_->ShowOnScreen();
}

void MainWindow::ReportError(const QString& text) {
  Sync();
  if (showError)
    showError(text);
  else
    ShowErrorBox(this, text);
}

// -------------------------------------------------------------------- sync

void MainWindow::Sync() {
  if (syncing_) return;
  syncing_ = true;
  for (const Control& c : app_.form.Controls())
    if (binding_->Mirror(c)) tabOrderDirty_ = true;
  panels_->Sync(app_.form);
  userMaterials_->Sync();
  if (PlaceConditionFields(app_.form, *binding_)) tabOrderDirty_ = true;

  Chart()->ShowModel(app_.chart);
  overlays_->Place();
  if (tabOrderDirty_) {
    tabOrderDirty_ = false;
    ApplyTabOrder(*binding_);
  }
  syncing_ = false;
  panels_->PlaceBoundaryLabels();
  ApplyFocusRequest();
}

void MainWindow::ApplyFocusRequest() {
  if (pendingFocus_.isEmpty()) return;
  QWidget* w = binding_->Widget(pendingFocus_);
  pendingFocus_.clear();
  if (!w || !w->isVisibleTo(this) || !w->isEnabled()) return;
  // A move of the program's: neither a click on the field nor a leave of the
  // control that had the focus.
  w->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    if (pendingSelectAll_)
      edit->selectAll();
    else
      edit->deselect();
  }
}

// ------------------------------------------------------------------ events

void MainWindow::ShowOnScreen() {
  if (RestoreWindowPlace(this, app_.settings)) {
    // Kept at another letter size or on another screen, it may not fit this one.
    show();
    KeepOnScreen(this);
    return;
  }
  // The layouts measure the window once it is shown.
  show();
  FitToScreen(this, PreferredSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)).expandedTo(QSize(1280, 700)));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  bool leave = false;  // an error while saving keeps the window open
  Forward([this, &leave] { leave = ConfirmDiscardChanges(app_); });
  // A changed installation is offered to be saved too.
  if (leave && installation_ && installation_->isVisible()) leave = installation_->close();
  if (!leave) {
    event->ignore();
    return;
  }
  SaveWindowPlace(this, app_.settings);
  QMainWindow::closeEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!syncing_ && overlays_) overlays_->Place();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == central_ && event->type() == QEvent::Resize && !syncing_) overlays_->Place();
  return QMainWindow::eventFilter(watched, event);
}
