// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/Case.h"
#include "report/ReportDocument.h"
#include "results/CaseCalculation.h"

#include <QDateTime>
#include <QImage>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

class WindowState;
class ReportPictures;

// The case a report tells of: its values, the outcome of its last
// calculation and the project file it is kept in (empty for a case never
// saved). What it shows (an input field, the exterior or the soil, the
// economic panel) follows from the case and its outcome alone.
struct ReportCase {
  ReportCase(const Case& c, const CaseOutcome& outcome, const QString& projectPath);

  Case c;
  CaseOutcome outcome;
  QString projectPath;
  QSet<QString> shownFields;  // ShownFields(c)

  bool Shown(const char* control) const;
  bool Shown(const QString& control) const;
};

// The cells of one row of the layer table: the name, then thickness (2
// decimals), conductivity, resistance and, when `vapourColumn`, vapour
// resistivity (3 decimals); a value that is not shown leaves its cell empty.
QStringList LayerRowCells(const QString& name, const QString& thickness, bool thicknessShown,
                          const QString& conductivity, bool conductivityShown, const QString& resistance,
                          bool resistanceShown, const QString& vapour, bool vapourShown, bool vapourColumn);

// The table of layers, from the inside out: a heading row with the unit of
// every column, the interior surface, the layers in use, the box of a buried
// pipe, the exterior surface or the soil.
ReportTable LayerTable(const ReportCase& r);

// The line that states the design condition of the case; nothing for a row the
// condition list of the element does not have.
std::optional<QString> DesignConditionLine(const ReportCase& r);

// Whether the calculation sought the economic thickness.
bool IsEconomicCase(const CaseOutcome& outcome);

// The title of the report of the case: its reference, or "Informe Brenak"
// in the language of the interface.
QString ReportTitle(const Case& c);

// The name of the window's picture of the element of the case.
QString ElementDrawingName(const Case& c);

// Writes the report of the case into `doc`, an empty document, dated `when`.
void WriteReport(const ReportCase& r, ReportDocument& doc, ReportPictures& pictures,
                 const QDateTime& when = QDateTime::currentDateTime());
