// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// brenak-cli installation FILE [--power-kw P] [--format csv|json]
// brenak-cli installation --import-csv LIST.csv --template PROJECT.txt [--power-kw P] [--save DOC]
//                         [--format csv|json]
// Calculates an installation document, read from FILE or built from a pipe
// list and a template project, and prints every row with its results, the
// totals, the regulation's procedures and the bill of materials: CSV tables,
// or one JSON object. Exit status: 0 every row calculated, 1 wrong use,
// 2 a row or a line of the list refused (each told on the standard error) or
// the document, list or template unreadable, 3 the document not saved.
int RunInstallationSubcommand(const QStringList& args, const QString& programPath);
