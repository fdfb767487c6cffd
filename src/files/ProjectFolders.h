#pragma once

#include <QString>

class WindowState;

// The folder where the project dialogs start: "proyectos" below the program's
// folder, created when missing; when that folder cannot be written (an
// installed program), a "proyectos" folder in the user's documents.
QString ProjectsFolder(const WindowState& app);

// The folder of reports: "informes" beside the projects folder, else in the
// user's documents; empty when no such folder can be made.
QString ReportsFolder(const WindowState& app);
