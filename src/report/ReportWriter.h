#pragma once

#include "report/ReportDocument.h"

#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

class WindowState;
class ReportPictures;

// The title a report document carries when the case has no reference.
inline const QString kUntitledReport = QStringLiteral("Informe Brenak");

// What the heading block says of a case that was never saved to a file.
inline const QString kUnsavedProject = QStringLiteral("sin guardar");

// The unit the layer resistances of the element on the window are given in:
// per square metre of wall for plates and ducts, per metre of length for
// pipes and tanks, for the whole element for spheres.
QString LayerResistanceUnit(const WindowState& app);

// The cells of one row of the layer table: the name, then thickness (2
// decimals), conductivity, resistance and, when `vapourColumn`, vapour
// resistivity (3 decimals); a value that is not shown leaves its cell empty.
QStringList LayerRowCells(const QString& name, const QString& thickness, bool thicknessShown,
                          const QString& conductivity, bool conductivityShown, const QString& resistance,
                          bool resistanceShown, const QString& vapour, bool vapourShown, bool vapourColumn);

// The table of layers of the window, from the inside out: a heading row with
// the unit of every column, the interior surface, the layers in use, the box
// of a buried pipe, the exterior surface or the soil.
ReportTable LayerTable(const WindowState& app);

// The line that states the design condition of the case; nothing for a row the
// condition list of the element does not have.
std::optional<QString> DesignConditionLine(const WindowState& app);

// Whether the case on the window seeks the economic thickness.
bool IsEconomicCase(const WindowState& app);

// The title of the report of the case: its reference, or kUntitledReport.
QString ReportTitle(const WindowState& app);

// The name of the window's picture of the element on the window.
QString ElementDrawingName(const WindowState& app);

// Writes the report of what the window shows into `doc`, an empty document,
// dated `when`.
void WriteReport(const WindowState& app, ReportDocument& doc, ReportPictures& pictures,
                 const QDateTime& when = QDateTime::currentDateTime());
