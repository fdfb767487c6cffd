// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class WindowState;

// The projects the user opened or saved last, newest first (at most
// kRecentProjects), and the folder used last, kept in app.settings between
// runs. Without settings there is no history.
inline constexpr int kRecentProjects = 8;

QStringList RecentProjects(const WindowState& app);
// Puts `path` at the head of the recent projects and remembers its folder.
void RememberProject(WindowState& app, const QString& path);
// Takes a project that can no longer be opened off the list.
void ForgetProject(WindowState& app, const QString& path);
// The folder the project dialogs start in: the one used last while it exists,
// else the projects folder.
QString DialogFolder(const WindowState& app);
