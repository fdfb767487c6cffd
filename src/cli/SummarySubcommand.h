// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// brenak-cli summary FILE... [--format csv|json] [--decimal-separator , | .]:
// opens each project file as "Abrir" does and prints a row per file, in the
// order given (app/ProjectSummary.h): CSV with a header row, or JSON. A refused
// file has its row with its message. Exit status: 0 every file was read,
// 1 wrong use, 2 some file was refused.
int RunSummarySubcommand(const QStringList& args, const QString& programPath);
