// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QString>

// A project file calculated as the window would do it: a fresh main window
// with its start values opens the file as "Abrir" does (apply, lay out,
// check, calculate). `json` is what the window then shows (FormStateJson);
// `read` is false when the file was refused.
struct CalculatedProject {
  QJsonObject json;
  bool read = false;
};

CalculatedProject CalculateProjectFile(const QString& path, const QString& programFolder);
