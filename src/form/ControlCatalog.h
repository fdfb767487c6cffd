// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/Control.h"

#include <vector>

// Every control of the main window with its design values: type, panel,
// caption or text, rows, selected row, visibility. Start-up (StartUp) then sets
// the few values that are set in code and lays the window out.
std::vector<Control> BuildControlCatalog();

// The text the control `name` holds when the window opens; empty for a name
// the window has not.
QString StartText(const QString& name);
