// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Language.h"

// brenak-cli screenshot and brenak-cli chart, the pictures of the real window,
// in a build with the window (BRENAK_HAVE_GUI). The window's layer reads their
// arguments and runs them (gui/WindowPictures.h); here they get their help.

// Whether argv[1] names a picture command.
bool IsPictureSubcommand(int argc, char** argv);

// Shows the help of the picture command named by argv[1] when its arguments,
// read with its options, ask for it, in `helpLanguage` (the tool's language);
// otherwise runs the command with the window in `windowLanguage`. Must run
// before any application object exists.
int RunPictureSubcommand(int argc, char** argv, Language windowLanguage, Language helpLanguage);
