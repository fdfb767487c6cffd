// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class WindowState;

// The program keeps the user's files in a "Brenak" folder among the user's
// documents (WindowState::documentsFolder, else the platform's documents
// folder), never beside the program, which an installed program cannot write.
// Each folder is made the first time it is asked for.

// Where the project dialogs start: "Brenak/proyectos".
QString ProjectsFolder(const WindowState& app);

// The folder of reports: "Brenak/informes"; empty when it cannot be made.
QString ReportsFolder(const WindowState& app);
