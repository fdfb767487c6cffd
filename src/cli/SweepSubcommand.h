// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// brenak-cli sweep FILE [--thickness E1,E2,...] [--layer N] [--format csv|json]
// [--decimal-separator , | .]: opens the project file as "Abrir" does and
// prints the table of thicknesses of its case (app/ThicknessTable.h): the
// thicknesses given, in mm, or the commercial series, of layer N or of the
// case's insulation layer. Exit status: 0 table printed, 1 wrong use, 2 the
// file was refused or its case cannot be swept, layer N not in use included
// (the reason on the standard error).
int RunSweepSubcommand(const QStringList& args, const QString& programPath);

// Reads the thicknesses of --thickness: entries split by commas whatever the
// decimal separator, each a number of mm with a decimal point ("12.5"), above
// 0 and up to 5000. Empty when any entry is not.
std::vector<float> ParseThicknessOption(const QString& text);
