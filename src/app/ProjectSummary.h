// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/MessageSink.h"

#include <QJsonArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "form/Case.h"

// One project file in a line: what the window shows of it once opened as
// "Abrir" does. Every cell is a text as the window writes it (its decimal
// separator, its decimals); a figure the window does not show is empty.
struct ProjectSummary {
  QString file;                // the path as given
  bool read = false;           // false: the file was refused and only `messages` is filled
  QString reference;           // EditReferencia
  QString element;             // the element kind: "Placa plana", "Tubería", "Esfera", "Conducto o depósito"
  QString variant;             // the selected row of the kind's variant list; empty for a sphere
  QString target;              // "Flujo de calor" or "Espesor aislamiento"
  QString condition;           // the design condition in force; empty for the heat-flow target
  QString insulation;          // the name of the insulation layer (as the regulation's line takes it)
  QString thickness;           // its thickness, mm, entered or found
  QString heatFlow;            // with its unit: "15.00 W/m2", "19.02 W/m", "0.50 W"
  QString resistance;          // with its unit; a plate's is its overall coefficient in W/m2ºC
  QString surfaceTemperature;  // of the exterior surface, ºC
  QString rite;                // the regulation's line: minimum thickness and verdict
  QString messages;            // every box shown while opening and calculating, joined by " | "
};

// The summary of a case as a project file opens to (AsOpened): checked and,
// when it passes its checks, calculated, without any window. `file` is the
// path it was read from.
ProjectSummary SummarizeCase(const QString& file, const Case& opened);

// Reads the file and summarizes its case as the window shows it once "Abrir"
// opened and calculated it.
ProjectSummary SummarizeProjectFile(const QString& path, const QString& programFolder);

// The column titles in the interface's language, the same titles in Spanish
// whatever the language (the keys of the JSON), and a summary's cells in the
// same order.
QStringList SummaryHeader();
QStringList SummaryKeys();
QStringList SummaryCells(const ProjectSummary& summary);

// A header row and a line per summary, in the CSV of the table of thicknesses
// (";" between fields where the decimal separator is a comma).
QString SummaryAsCsv(const std::vector<ProjectSummary>& summaries);
// One object per summary, keyed by the Spanish column titles.
QJsonArray SummaryAsJson(const std::vector<ProjectSummary>& summaries);
