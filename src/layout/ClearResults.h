// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class WindowState;

// Empties every computed field and result text, clears and hides the chart and
// disables "Gráfica" and "Imprimir". Nothing while a project is being opened.
void ClearResults(WindowState& app);
