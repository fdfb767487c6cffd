// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// brenak-cli report FILE OUT.odt|OUT.pdf [--decimal-separator , | .]: opens the project file as "Abrir"
// does (which calculates it) and writes the report of the result, a PDF when
// OUT ends in ".pdf", an OpenDocument text otherwise. Exit status: 0 written,
// 1 wrong use, 2 the file is no project, 3 the project was not calculated,
// 4 the report could not be written.
int RunReportSubcommand(const QStringList& args, const QString& programPath);
