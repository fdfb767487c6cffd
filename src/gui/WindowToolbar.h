// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

class QMainWindow;
class QToolBar;
class WindowBinding;

// A command of the toolbar: its button, its picture and its shortcut. An entry
// without a name stands for a separator.
struct ToolbarEntry {
  const char* name;
  const char* icon;
  QKeySequence key;
};
const QList<ToolbarEntry>& ToolbarEntries();

bool IsToolbarButton(const QString& name);

// A command's hint with the key that gives it: "Nuevo (Ctrl+N)"; the hint
// alone without a key.
QString ToolTipWithKey(const QString& hint, const QKeySequence& key);

// Puts the toolbar's buttons into a toolbar at the top of `window`, "Cerrar"
// pushed to the far end.
QToolBar* BuildToolbar(QMainWindow* window, WindowBinding& binding);
