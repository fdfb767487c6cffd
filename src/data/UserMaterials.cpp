// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/UserMaterials.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <cmath>

namespace {

const QString kList = QStringLiteral("materiales");
const QString kName = QStringLiteral("nombre");
const QString kConductivity = QStringLiteral("conductividad");
const QString kVapour = QStringLiteral("resistividad_vapor");

// A damaged file moves aside under a name no other file has.
QString KeepAside(const QString& path) {
  const QFileInfo info(path);
  const QString stem = info.completeBaseName() + QStringLiteral(".dañado-") +
                       QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  QString aside = info.dir().filePath(stem + QStringLiteral(".json"));
  for (int n = 2; QFileInfo::exists(aside); ++n) aside = info.dir().filePath(stem + QStringLiteral("-%1.json").arg(n));
  return QFile::rename(path, aside) ? aside : QString();
}

bool ReadMaterial(const QJsonValue& value, UserMaterial* material) {
  if (!value.isObject()) return false;
  const QJsonObject o = value.toObject();
  if (!o.value(kName).isString() || !o.value(kConductivity).isDouble()) return false;
  material->name = o.value(kName).toString();
  material->conductivity = static_cast<float>(o.value(kConductivity).toDouble());
  material->vapourResistivity = static_cast<float>(o.value(kVapour).toDouble(0));
  return UserMaterialProblem(*material).isEmpty();
}

}  // namespace

QString UserMaterialsPath() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  if (folder.isEmpty()) folder = QDir::homePath() + QStringLiteral("/.config/brenak");
  return QDir(folder).filePath(QStringLiteral("materiales.json"));
}

QString UserMaterialProblem(const UserMaterial& m) {
  if (m.name.trimmed().isEmpty()) return QCoreApplication::translate("UserMaterials", "falta el nombre del material");
  if (!std::isfinite(m.conductivity) || !(m.conductivity > 0) || m.conductivity >= 200)
    return QCoreApplication::translate("UserMaterials", "la conductividad debe ser >0 y < 200");
  if (!std::isfinite(m.vapourResistivity) || m.vapourResistivity < 0 || m.vapourResistivity > 100000)
    return QCoreApplication::translate("UserMaterials", "la resistividad al vapor debe estar entre 0 y 100000");
  return QString();
}

UserMaterialFile LoadUserMaterials(const QString& path) {
  UserMaterialFile result;
  QFile file(path);
  if (!file.exists()) return result;
  QString problem;
  if (!file.open(QIODevice::ReadOnly)) {
    // Unreadable but present: reported, and left where it is.
    result.problem =
        QCoreApplication::translate("UserMaterials", "no se puede leer el archivo de materiales propios \"%1\"")
            .arg(path);
    result.mayWrite = false;
    return result;
  }
  const QByteArray bytes = file.size() > 1024 * 1024 ? QByteArray() : file.readAll();
  file.close();
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
  const QJsonValue list = doc.object().value(kList);
  if (error.error != QJsonParseError::NoError || !doc.isObject() || !list.isArray()) {
    problem = QCoreApplication::translate("UserMaterials", "el archivo de materiales propios está dañado");
  } else {
    for (const QJsonValue& value : list.toArray()) {
      UserMaterial material;
      if (!ReadMaterial(value, &material)) {
        problem = QCoreApplication::translate("UserMaterials",
                                              "el archivo de materiales propios tiene un material que no es válido");
        result.materials.clear();
        break;
      }
      result.materials.push_back(material);
    }
  }
  if (!problem.isEmpty()) {
    result.keptAs = KeepAside(path);
    result.mayWrite = !result.keptAs.isEmpty();
    result.problem = result.keptAs.isEmpty()
                         ? QCoreApplication::translate("UserMaterials",
                                                       "%1 y no se ha podido apartar: no se guardarán cambios en él")
                               .arg(problem)
                         : QCoreApplication::translate("UserMaterials", "%1; se ha guardado aparte como \"%2\"")
                               .arg(problem, result.keptAs);
  }
  return result;
}

QString SaveUserMaterials(const QString& path, const std::vector<UserMaterial>& materials) {
  QJsonArray list;
  for (const UserMaterial& m : materials)
    list.append(
        QJsonObject{{kName, m.name}, {kConductivity, double(m.conductivity)}, {kVapour, double(m.vapourResistivity)}});
  const QByteArray bytes = QJsonDocument(QJsonObject{{kList, list}}).toJson(QJsonDocument::Indented);
  if (!QDir().mkpath(QFileInfo(path).absolutePath()))
    return QCoreApplication::translate("UserMaterials", "no se puede crear la carpeta");
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return QCoreApplication::translate("UserMaterials", "no se puede escribir el archivo");
  }
  return file.commit() ? QString() : QCoreApplication::translate("UserMaterials", "no se puede escribir el archivo");
}
