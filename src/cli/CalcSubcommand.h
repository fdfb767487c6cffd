// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// brenak-cli calc FILE [--set CONTROL=TEXT]... [--click CONTROL[=ROW]]...
// [--decimal-separator , | .]: opens the project file as "Abrir" does (which
// lays the case out, checks it and calculates it), then does what the --set
// and --click options say, in the order given, as a user would on the window
// (app/UserActions.h), and prints the whole state of the window as one JSON
// object on the standard output. Exit status: 0 the file was read, 1 wrong
// use, 2 the file was refused (its message is in the JSON) or an action was
// one the window does not take (an unknown control, a row out of range; told
// on the standard error, and nothing is printed).
int RunCalcSubcommand(const QStringList& args, const QString& programPath);
