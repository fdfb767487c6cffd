// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class WindowState;

// Reports every input the current case needs and lacks, one "Atención" box
// each, in a fixed order, and asks the focus for the first input missing. True
// when nothing is missing.
bool CheckInputsComplete(WindowState& app);
