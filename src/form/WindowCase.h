// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/Case.h"

class WindowState;

// The case on the window, as "Guardar" writes it: every value of the case
// from its control (texts as they stand, the selected rows, the marks), the
// element kind, and which of each layer's and the box's values are the user's.
Case CaseFromWindow(const WindowState& app);
