// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/Case.h"

#include <QString>

class Brenak;

// Replaces the inputs on the window with the values of a case, with the field
// states the case says, lays the window out and clears the results, as
// opening a project does (without its calculation).
void PutCaseOnWindow(Brenak& app, const Case& c);

// "Abrir" without its dialog: reads the project file at `path` and, when it
// is a project, replaces the inputs on the window with its values, derives the
// field states, lays the window out and recalculates when the inputs are
// complete. A file that is no project is refused with one "Atención" box and
// the window stays exactly as it was. False when refused.
bool OpenProjectFile(Brenak& app, const QString& path);

// "Guardar" without its dialog: writes the project on the window to `path`.
// The file is replaced only once the new one is complete; on failure an
// "Atención" box says so and the previous file is left as it was.
bool SaveProjectFile(Brenak& app, const QString& path);

// The commands "Abrir" and "Guardar como…": ask for a file through
// app.dialogs, starting in the folder used last, else in ProjectsFolder
// (files/ProjectFolders.h); a cancelled dialog does nothing. "Abrir" first
// asks whether to save a changed case; SaveProjectAs is true when the project
// was written.
void OpenProject(Brenak& app);
bool SaveProjectAs(Brenak& app);
// "Guardar": a case opened or saved before goes back to its file without a
// question; a new one is saved as with "Guardar como…".
bool SaveProject(Brenak& app);

// A project of the recent list: asks whether to save a changed case, then opens it.
void OpenRecentProject(Brenak& app, const QString& path);

// Before a changed case is left ("Nuevo", "Abrir", "Cerrar", closing the
// window): asks whether to save it. True when the case may be left: nothing
// changed, the user chose not to save, or the save succeeded; false when the
// user cancelled or the save failed.
bool ConfirmDiscardChanges(Brenak& app);
