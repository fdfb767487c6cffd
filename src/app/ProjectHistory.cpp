// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProjectHistory.h"

#include "files/ProjectFolders.h"
#include "form/WindowState.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {
const QString kRecentKey = QStringLiteral("proyectos/recientes");
const QString kFolderKey = QStringLiteral("proyectos/carpeta");
}  // namespace

QStringList RecentProjects(const WindowState& app) {
  if (!app.settings) return {};
  QStringList recent = app.settings->value(kRecentKey).toStringList();
  recent.removeAll(QString());
  return recent.mid(0, kRecentProjects);
}

void RememberProject(WindowState& app, const QString& path) {
  if (!app.settings || path.isEmpty()) return;
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList recent = RecentProjects(app);
  recent.removeAll(absolute);
  recent.prepend(absolute);
  app.settings->setValue(kRecentKey, recent.mid(0, kRecentProjects));
  app.settings->setValue(kFolderKey, QFileInfo(absolute).absolutePath());
}

void ForgetProject(WindowState& app, const QString& path) {
  if (!app.settings) return;
  QStringList recent = RecentProjects(app);
  recent.removeAll(QFileInfo(path).absoluteFilePath());
  app.settings->setValue(kRecentKey, recent);
}

QString DialogFolder(const WindowState& app) {
  if (app.settings) {
    const QString last = app.settings->value(kFolderKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
  }
  return ProjectsFolder(app);
}
