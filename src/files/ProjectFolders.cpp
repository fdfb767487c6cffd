// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ProjectFolders.h"

#include "form/WindowState.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// The program's own folder among the user's documents.
QString ProgramDocuments(const WindowState& app) {
  QString documents = app.documentsFolder;
  if (documents.isEmpty()) documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (documents.isEmpty()) documents = QDir::homePath();
  return QDir::cleanPath(QDir(documents).filePath(QStringLiteral("Brenak")));
}

// `name` below the program's documents, made when missing; empty when it
// cannot be made or written.
QString UsableFolder(const WindowState& app, const QString& name) {
  const QString path = QDir(ProgramDocuments(app)).filePath(name);
  if (!QDir().mkpath(path)) return QString();
  const QFileInfo info(path);
  return info.isDir() && info.isWritable() ? path : QString();
}

}  // namespace

QString ProjectsFolder(const WindowState& app) {
  const QString folder = UsableFolder(app, QStringLiteral("proyectos"));
  // The dialog can still be opened where the folder would be.
  return folder.isEmpty() ? QDir(ProgramDocuments(app)).filePath(QStringLiteral("proyectos")) : folder;
}

QString ReportsFolder(const WindowState& app) { return UsableFolder(app, QStringLiteral("informes")); }
