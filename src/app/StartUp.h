// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class Brenak;
class WindowState;
class MessageSink;

// The folder of the program file: the text before the last path separator
// (a backslash, or a forward slash), without it; empty when there is none.
QString ProgramFolderFromPath(const QString& programPath);

// The command line, program path first. None or one argument after it starts
// the program (the argument is a project to open, OpenStartFile); more show "Mal uso" / "AVISO" and
// give false: the program then ends with exit code 1 and opens no window.
bool CommandLineAccepted(const QStringList& arguments, MessageSink& messages);

// `brenak --version` (-v) or `brenak --help` (-h), alone after the program
// path: the text the program prints on the standard output instead of opening
// its window, before any application object exists (so no display is needed).
// Empty for every other command line.
QString CommandLineAnswer(const QStringList& arguments);

// Creates the main window on `app`: installs its event handlers, gives the
// project its start values and lays the window out. Opens no project and
// calculates nothing.
void CreateMainWindow(Brenak& app, const QString& programFolder);

// The selections that both the new window and "Nuevo" begin with: condition
// label hidden, insulation-thickness target, layer 1 as insulation, first
// plate condition, one layer, a box of material. Each sets off its reaction.
void SelectStartRows(Brenak& app);
// The ending both share: imposed coefficients on both faces and their panels laid out.
void ImposeCoefficientsAndLayOutPanels(Brenak& app);

// The caption of the main window.
QString MainWindowCaption();

// The title of the main window: the project's file name (or "Sin título"),
// Qt's mark of a changed document "[*]", and the program's caption.
QString MainWindowTitle(const WindowState& app);

// `brenak FILE`: after the window is created, opens the file as "Abrir" does.
// A file that cannot be read shows its message and leaves the start-up case.
void OpenStartFile(Brenak& app, const QStringList& arguments);
