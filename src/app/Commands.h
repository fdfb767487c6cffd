// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/GeometryKind.h"

class Brenak;

// "Calcular": drops the report document's connection, checks that the inputs
// are complete and, when they are, calculates; "Gráfica" and "Imprimir" are
// enabled afterwards, also when the run ended with a warning.
void CommandCalculate(Brenak& app);

// "Gráfica": shows the temperature chart.
void CommandShowChart(Brenak& app);
// "Cerrar" on the chart: hides it again.
void CommandHideChart(Brenak& app);

// The kind buttons: select the element kind with its red caption, one layer,
// the heat-flow target for the special kind, and lay the window out anew.
void SelectElementKind(Brenak& app, GeometryKind kind);

// "Cerrar" of the toolbar: closes the window, which ends the program.
void CommandClose(Brenak& app);
