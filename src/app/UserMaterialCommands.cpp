// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UserMaterialCommands.h"

#include "app/Brenak.h"
#include "app/Choosers.h"

#include <QCoreApplication>

namespace {

const QString kList = QStringLiteral("RGMisMateriales");

void ShowList(Brenak& app, int row) {
  QStringList names;
  for (const UserMaterial& m : app.userMaterials) names << m.name;
  if (row >= names.size()) row = names.size() - 1;
  app.form.RebuildItems(kList, names, names.isEmpty() ? -1 : row);
}

// Saves a changed list; on failure the list goes back to what it was.
bool Keep(Brenak& app, const std::vector<UserMaterial>& previous, int row) {
  QString problem;
  if (!app.userMaterialsWritable)
    problem = QCoreApplication::translate("UserMaterialCommands",
                                          "el archivo de materiales propios no se pudo leer y no se sobrescribe");
  else
    problem = SaveUserMaterials(app.userMaterialsPath, app.userMaterials);
  if (!problem.isEmpty()) {
    app.userMaterials = previous;
    ShowWarning(app.messages, MessageId::UserMaterialsNotSaved,
                QCoreApplication::translate("UserMaterialCommands", "No es posible guardar los materiales propios: %1")
                    .arg(problem));
    ShowList(app, app.form.Index(kList));
    return false;
  }
  ShowList(app, row);
  return true;
}

bool Valid(Brenak& app, const UserMaterial& material) {
  const QString problem = UserMaterialProblem(material);
  if (problem.isEmpty()) return true;
  ShowWarning(
      app.messages, MessageId::UserMaterialRefused,
      QCoreApplication::translate("UserMaterialCommands", "No es posible guardar el material: %1").arg(problem));
  return false;
}

}  // namespace

void LoadUserMaterialLibrary(Brenak& app, const QString& path) {
  const UserMaterialFile file = LoadUserMaterials(path);
  app.userMaterialsPath = path;
  app.userMaterials = file.materials;
  app.userMaterialsWritable = file.mayWrite;
  ShowList(app, 0);
  if (!file.problem.isEmpty())
    ShowWarning(app.messages, MessageId::UserMaterialsDamaged,
                QCoreApplication::translate("UserMaterialCommands", "Materiales propios: %1.").arg(file.problem));
}

bool AddUserMaterial(Brenak& app, const UserMaterial& material) {
  if (!Valid(app, material)) return false;
  const std::vector<UserMaterial> previous = app.userMaterials;
  app.userMaterials.push_back(material);
  return Keep(app, previous, static_cast<int>(app.userMaterials.size()) - 1);
}

bool ReplaceUserMaterial(Brenak& app, int row, const UserMaterial& material) {
  if (row < 0 || row >= static_cast<int>(app.userMaterials.size()) || !Valid(app, material)) return false;
  const std::vector<UserMaterial> previous = app.userMaterials;
  app.userMaterials[row] = material;
  return Keep(app, previous, row);
}

bool DeleteUserMaterial(Brenak& app, int row) {
  if (row < 0 || row >= static_cast<int>(app.userMaterials.size())) return false;
  const std::vector<UserMaterial> previous = app.userMaterials;
  app.userMaterials.erase(app.userMaterials.begin() + row);
  return Keep(app, previous, row);
}

void ApplyUserMaterial(Brenak& app) {
  const int row = app.form.Index(kList);
  app.form.Hide(QStringLiteral("PMateriales"));
  if (row < 0 || row >= static_cast<int>(app.userMaterials.size())) return;
  const UserMaterial& m = app.userMaterials[row];
  ApplyMaterialToLayer(app, app.materialTarget, {m.name, m.name, m.conductivity, m.vapourResistivity});
}
