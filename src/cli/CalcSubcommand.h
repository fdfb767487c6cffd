#pragma once

#include <QString>
#include <QStringList>

// brenak-cli calc FILE [--decimal-separator , | .]: opens the project file as
// "Abrir" does (which lays the case out, checks it and calculates it) and
// prints the whole state of the window as one JSON object on the standard
// output. Exit status: 0 the file was read, 1 wrong use, 2 the file was
// refused (its message is in the JSON).
int RunCalcSubcommand(const QStringList& args, const QString& programPath);
