#include "files/ProjectFolders.h"

#include "form/WindowState.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString ProjectsFolder(const WindowState& app) {
  const QString folder = app.programFolder + QStringLiteral("/proyectos");
  const QFileInfo info(folder);
  if (info.isDir() ? info.isWritable() : QDir().mkpath(folder)) return folder;

  QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (documents.isEmpty()) documents = QDir::homePath();
  const QString fallback = documents + QStringLiteral("/proyectos");
  QDir().mkpath(fallback);
  return fallback;
}

namespace {

bool UsableFolder(const QString& path) {
  if (path.isEmpty() || !QDir().mkpath(path)) return false;
  const QFileInfo info(path);
  return info.isDir() && info.isWritable();
}

}  // namespace

QString ReportsFolder(const WindowState& app) {
  const QString projects = ProjectsFolder(app);
  if (!projects.isEmpty()) {
    const QString beside = QDir::cleanPath(QFileInfo(projects).absoluteDir().filePath(QStringLiteral("informes")));
    if (UsableFolder(beside)) return beside;
  } else if (!app.programFolder.isEmpty()) {
    const QString beside = QDir::cleanPath(QDir(app.programFolder).filePath(QStringLiteral("informes")));
    if (UsableFolder(beside)) return beside;
  }
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty()) {
    const QString inDocuments = QDir(documents).filePath(QStringLiteral("informes"));
    if (UsableFolder(inDocuments)) return inDocuments;
  }
  return {};
}
