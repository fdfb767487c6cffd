// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class InstallationSession;

// The main window as the installation's magnifying glass: the template case,
// or one row as the whole case it stands for, put on the main window to be
// looked at and edited there with every figure, the chart and the report; and
// what the user changed there brought back.

// "Editar plantilla": the template on the main window. A changed case of the
// main window is offered to be saved first; false when the user keeps it.
bool EditTemplate(InstallationSession& session);
// "Abrir en la ventana principal": row `index` as its whole case, calculated.
bool OpenRowInMainWindow(InstallationSession& session, int index);
// "Traer los cambios": the case on the main window taken back as the template,
// or into the row it was opened from where it fits the row's columns; what a
// row cannot hold is said in a box and stays on the main window only.
void BringBackFromMainWindow(InstallationSession& session);
// Forgets which case the main window holds (it opened another project).
void DropMainWindowLink(InstallationSession& session);
