// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProjectCommands.h"

#include "app/Brenak.h"
#include "app/CalculationRun.h"
#include "app/ProjectHistory.h"
#include "checking/CompletenessCheck.h"
#include "checking/FieldValidation.h"
#include "files/CaseFile.h"
#include "files/ProjectFile.h"
#include "files/ProjectFolders.h"
#include "form/CaseFields.h"
#include "form/FileDialogs.h"
#include "form/WindowCase.h"
#include "layout/ClearResults.h"
#include "layout/GeometryLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Clears ProjectLoading however the opening ends.
class LoadingGuard {
 public:
  explicit LoadingGuard(Brenak& app) : app_(app) { app_.projectLoading = true; }
  ~LoadingGuard() { app_.projectLoading = false; }
  LoadingGuard(const LoadingGuard&) = delete;
  LoadingGuard& operator=(const LoadingGuard&) = delete;

 private:
  Brenak& app_;
};

QString Row(int n) { return QString::number(n); }

// The states of the box's values: a box given by its resistance has no
// conductivity of the user's, nor has an air box; otherwise the resistance is
// worked out.
void ApplyBoxStates(Form& form, const Case& c) {
  const bool material = c.boxMaterial == 0;
  form.SetState("EditeCaja", FieldState::Entered);
  form.SetState("EditkCaja", material && !c.boxByResistance ? FieldState::Entered : FieldState::Computed);
  form.SetState("EditRTCaja", c.boxByResistance ? FieldState::Entered : FieldState::Computed);
}

void ApplyCaseValues(Brenak& app, const Case& c, int* interiorMode, int* exteriorMode) {
  Form& form = app.form;
  // The case's marks are its own; none comes back from the case before.
  app.heldInsulationLayer = 0;
  for (const CaseField& field : CaseFields()) {
    const QString control = QString::fromLatin1(field.control);
    switch (field.type) {
      case CaseValueType::Text: form.SetText(control, CaseText(c, field)); break;
      case CaseValueType::Mark: form.SetChecked(control, CaseInteger(c, field) != 0); break;
      case CaseValueType::Kind: app.SetKind(c.kind); break;
      case CaseValueType::Row:
        // The coefficient modes wait until the lists of the opened kind are built.
        if (field.row == &Case::interiorMode)
          *interiorMode = c.interiorMode;
        else if (field.row == &Case::exteriorMode)
          *exteriorMode = c.exteriorMode;
        else
          form.SelectRow(control, CaseInteger(c, field));
        break;
    }
  }
  for (int n = 1; n <= Case::kMaxLayers; ++n) {
    const CaseLayer& layer = c.layers[n - 1];
    form.SetState("Edit" + Row(n) + "k", layer.conductivityGiven ? FieldState::Entered : FieldState::Computed);
    form.SetState("Edit" + Row(n) + "RT", layer.resistanceGiven ? FieldState::Entered : FieldState::Computed);
    form.SetState("Edit" + Row(n) + "e", layer.thicknessSolved ? FieldState::Computed : FieldState::Entered);
  }
  ApplyBoxStates(form, c);
}

}  // namespace

bool OpenProjectFile(Brenak& app, const QString& path) {
  const CaseReading reading = ReadCaseFile(path);
  if (!reading.ok()) {
    app.projectLoading = false;
    ShowWarning(app.messages, MessageId::ProjectNotOpened, ProjectNotOpenedText(path, reading.error));
    if (!QFileInfo::exists(path)) ForgetProject(app, path);
    return false;
  }

  PutCaseOnWindow(app, reading.value);
  app.SetDocument(path, false);
  RememberProject(app, path);

  if (CheckInputsComplete(app) && CheckShownFields(app)) {
    app.lastOutcome = RunCalculation(app);
    app.form.SetEnabled("SpeedButton7", true);
    app.form.SetEnabled("SBImpresor", true);
  }
  return true;
}

void PutCaseOnWindow(Brenak& app, const Case& c) {
  int interiorMode = 0;
  int exteriorMode = 0;
  {
    LoadingGuard loading(app);
    ApplyCaseValues(app, c, &interiorMode, &exteriorMode);
  }

  Form& form = app.form;
  ApplyGeometryLayout(app);
  {
    // Each mode's reaction empties the fields computed at that moment: with
    // the other mode still the previous case's, a coefficient of the case
    // would be taken for a computed one and lost.
    LoadingGuard loading(app);
    form.SelectRow("RGhi", interiorMode);
    form.SelectRow("RGhe", exteriorMode);
  }
  ApplyGeometryLayout(app);
  // The layout puts a material box back to its conductivity; a box given by
  // its resistance must keep that resistance through ClearResults.
  ApplyBoxStates(form, c);
  ClearResults(app);
  // Layouts from here on are the user's again.
  app.projectLoading.EndOpening();
}

bool SaveProjectFile(Brenak& app, const QString& path) {
  const QByteArray bytes = WriteCase(CaseFromWindow(app));
  // The new file goes to a temporary beside the target and replaces it only
  // when all of it is on disk. Unbuffered, a short write (a full disk, a size
  // limit) shows in the count written; a buffered flush can lose it.
  QSaveFile file(path);
  bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
  if (written) written = file.write(bytes) == bytes.size() && file.size() == bytes.size();
  if (written) {
    written = file.commit();
  } else {
    file.cancelWriting();
  }
  if (written) {
    app.SetDocument(path, false);
    RememberProject(app, path);
  } else {
    ShowWarning(app.messages, MessageId::ProjectNotSaved,
                QCoreApplication::translate("ProjectCommands",
                                            "No es posible guardar el proyecto \"%1\": no se puede escribir el "
                                            "archivo. El archivo que hubiera con ese nombre no ha cambiado.")
                    .arg(QDir::toNativeSeparators(path)));
  }
  return written;
}

void OpenProject(Brenak& app) {
  if (!app.dialogs || !ConfirmDiscardChanges(app)) return;
  const QString path = app.dialogs->AskOpenFile(DialogFolder(app), kProjectFilter, QStringLiteral("txt"));
  if (path.isEmpty()) return;
  OpenProjectFile(app, path);
}

void OpenRecentProject(Brenak& app, const QString& path) {
  if (!ConfirmDiscardChanges(app)) return;
  OpenProjectFile(app, path);
  app.projectLoading.EndOpening();
}

bool SaveProject(Brenak& app) {
  return app.projectPath.isEmpty() ? SaveProjectAs(app) : SaveProjectFile(app, app.projectPath);
}

bool SaveProjectAs(Brenak& app) {
  if (!app.dialogs) return false;
  QString path = app.dialogs->AskSaveFile(DialogFolder(app), kProjectFilter, QStringLiteral("txt"));
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".txt");
  return SaveProjectFile(app, path);
}

bool ConfirmDiscardChanges(Brenak& app) {
  if (!app.modified || !app.dialogs) return true;
  const QString name = app.projectPath.isEmpty() ? QCoreApplication::translate("StartUp", "Sin título")
                                                 : QFileInfo(app.projectPath).fileName();
  switch (app.dialogs->AskSaveChanges(name)) {
    case SaveAnswer::Cancel: return false;
    case SaveAnswer::Discard: return true;
    case SaveAnswer::Save: return SaveProject(app);
  }
  return false;
}
