// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Language.h"

// The picture commands of brenak-cli, which need the real window:
//
//   brenak-cli screenshot FILE OUT.png [--size WxH] [--scale F] [--show-chart] [--welcome]
//                                      [--click CONTROL]... [--decimal-separator , | .]
//   brenak-cli chart FILE OUT.png [--size WxH] [--scale F] [--decimal-separator , | .]
//
// "screenshot" builds the main window offscreen, opens FILE as "Abrir" does,
// closes the welcome panel (unless --welcome), clicks the named controls in
// turn as a user would, and saves a picture of the whole window;
// "chart" saves the temperature chart alone. The boxes the program would show
// are written to the standard error instead. Exit status: 0 done, 1 wrong
// use or picture not written, 2 the file is no project.

// Whether `name` is one of the picture commands.
bool IsPictureCommand(const char* name);

// Runs the picture command named by argv[1]; creates its own QApplication,
// so it must run before any other application object exists. The window
// speaks `language`.
int RunPictureCommand(int argc, char** argv, Language language = Language::Spanish);

//   brenak-cli layout-check FILE [--size WxH] [--scale F] [--click CONTROL]... [--decimal-separator , | .]
//
// Builds the window as "screenshot" does, at 1366x700 unless told, and prints
// as JSON whether the data area shows scroll bars and every visible text cut
// short by its control (gui/LayoutCheck.h). Exit status: 0 everything fits,
// 1 something does not, or wrong use. Same conditions as RunPictureCommand.
bool IsLayoutCheckCommand(const char* name);
int RunLayoutCheckCommand(int argc, char** argv, Language language = Language::Spanish);
