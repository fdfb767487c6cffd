#include "app/ProjectCommands.h"

#include "checking/CompletenessCheck.h"
#include "app/CalculationRun.h"
#include "files/ProjectFile.h"
#include "files/ProjectFolders.h"
#include "app/ProjectHistory.h"
#include "checking/FieldValidation.h"
#include "layout/ClearResults.h"
#include "layout/GeometryLayout.h"
#include "app/Brenak.h"
#include "form/FileDialogs.h"

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

// Reads the file and checks every value that must be an integer, before
// anything on the window changes. An empty reason means the values can be applied.
QString ReadProject(const Brenak& app, const QString& path, QStringList* values) {
  const QFileInfo info(path);
  QFile file(path);
  // Only a regular file: a folder cannot be read and a pipe or device could
  // keep the window waiting for ever.
  if (!info.isFile() || !file.open(QIODevice::ReadOnly)) return QStringLiteral("no se puede leer el archivo");
  if (info.size() > kProjectFileMaxBytes) return QStringLiteral("el archivo es demasiado grande para ser un proyecto");
  // A device that says nothing of its size still stops one byte past the limit.
  const QByteArray bytes = file.read(kProjectFileMaxBytes + 1);
  if (file.error() != QFileDevice::NoError) return QStringLiteral("no se puede leer el archivo");
  ProjectRecords records = ReadProjectRecords(bytes);
  if (!records.ok()) return records.error;
  *values = records.values;
  return CheckProjectRecords(app, *values);
}

QString Row(int n) { return QString::number(n); }

// A layer row read from a file is given by its conductivity when that field
// holds a text, otherwise by its thermal resistance.
void DeriveLayerStates(Form& form, int n) {
  const bool byResistance = form.Text("Edit" + Row(n) + "k").isEmpty();
  form.SetState("Edit" + Row(n) + "k", byResistance ? FieldState::Computed : FieldState::Entered);
  form.SetState("Edit" + Row(n) + "RT", byResistance ? FieldState::Entered : FieldState::Computed);
}

// The box of a buried pipe as the file leaves it: a material box with no
// conductivity but a resistance is given by that resistance; otherwise the
// resistance is worked out, from the conductivity or for air.
void DeriveBoxStates(Form& form) {
  const bool material = form.Index("ComboBoxCaja") == 0;
  const bool byResistance =
      material && form.Text("EditkCaja").isEmpty() && !form.Text("EditRTCaja").isEmpty();
  form.SetState("EditeCaja", FieldState::Entered);
  form.SetState("EditkCaja", material && !byResistance ? FieldState::Entered : FieldState::Computed);
  form.SetState("EditRTCaja", byResistance ? FieldState::Entered : FieldState::Computed);
}

void ApplyRecords(Brenak& app, const QStringList& values, int* interiorMode, int* exteriorMode) {
  Form& form = app.form;
  // The file's marks are the case's; none comes back from the case before.
  app.heldInsulationLayer = 0;
  const auto& table = ProjectRecordTable();
  for (int i = 0; i < kProjectRecordCount; ++i) {
    const RecordSpec& entry = table[i];
    const QString control = QString::fromLatin1(entry.control);
    const QString& value = values.at(i);
    int n = 0;
    switch (entry.type) {
      case RecordType::Text: form.SetText(control, value); break;
      case RecordType::Mark: form.SetChecked(control, IsMarkedValue(value)); break;
      case RecordType::KindCode:
        ReadRecordInteger(value, &n);
        app.SetKind(static_cast<GeometryKind>(n));
        break;
      case RecordType::Index:
        ReadRecordInteger(value, &n);
        // The coefficient modes wait until the lists of the opened kind are built.
        if (control == QLatin1String("RGhi")) *interiorMode = n;
        else if (control == QLatin1String("RGhe")) *exteriorMode = n;
        else form.SelectRow(control, n);
        break;
    }
    const int record = i + 1;
    if (record >= 12 && record <= 42 && record % 6 == 0) DeriveLayerStates(form, (record - 6) / 6);
  }

  const bool thicknessTarget = app.ThicknessTarget();
  for (int n = 1; n <= 6; ++n) {
    const bool solved = thicknessTarget && form.Checked("RBAislante" + Row(n));
    form.SetState("Edit" + Row(n) + "e", solved ? FieldState::Computed : FieldState::Entered);
  }
  DeriveBoxStates(form);
}

}  // namespace

bool OpenProjectFile(Brenak& app, const QString& path) {
  QStringList values;
  const QString reason = ReadProject(app, path, &values);
  if (!reason.isEmpty()) {
    app.projectLoading = false;
    ShowWarning(app.messages, MessageId::ProjectNotOpened,
                QStringLiteral("No es posible abrir el proyecto \"%1\": %2.").arg(QFileInfo(path).fileName(), reason));
    if (!QFileInfo::exists(path)) ForgetProject(app, path);
    return false;
  }

  int interiorMode = 0;
  int exteriorMode = 0;
  {
    LoadingGuard loading(app);
    ApplyRecords(app, values, &interiorMode, &exteriorMode);
  }

  Form& form = app.form;
  ApplyGeometryLayout(app);
  {
    // Each mode's reaction empties the fields computed at that moment: with
    // the other mode still the previous case's, a coefficient read from the
    // file would be taken for a computed one and lost.
    LoadingGuard loading(app);
    form.SelectRow("RGhi", interiorMode);
    form.SelectRow("RGhe", exteriorMode);
  }
  ApplyGeometryLayout(app);
  // The layout puts a material box back to its conductivity; a box read with
  // only its resistance must keep that resistance through ClearResults.
  DeriveBoxStates(form);
  ClearResults(app);
  // Layouts from here on are the user's again.
  app.projectLoading.EndOpening();

  app.SetDocument(path, false);
  RememberProject(app, path);

  if (CheckInputsComplete(app) && CheckShownFields(app)) {
    RunCalculation(app);
    form.SetEnabled("SpeedButton7", true);
    form.SetEnabled("SBImpresor", true);
  }
  return true;
}

bool SaveProjectFile(Brenak& app, const QString& path) {
  const QByteArray bytes = WriteProjectRecords(CollectProjectRecords(app));
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
                QStringLiteral("No es posible guardar el proyecto \"%1\": no se puede escribir el archivo. "
                               "El archivo que hubiera con ese nombre no ha cambiado.")
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
  const QString name =
      app.projectPath.isEmpty() ? QStringLiteral("Sin título") : QFileInfo(app.projectPath).fileName();
  switch (app.dialogs->AskSaveChanges(name)) {
    case SaveAnswer::Cancel: return false;
    case SaveAnswer::Discard: return true;
    case SaveAnswer::Save: return SaveProject(app);
  }
  return false;
}
