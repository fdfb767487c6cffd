#pragma once

#include <QImage>
#include <QString>
#include <optional>

class WindowState;
class ReportDocument;
class ReportPictures;

// How a run of the report ends: a line feed ends the paragraph, a tab goes on.
enum class RunEnd { LineFeed, Tab };

// The caption the document application's window gets while it shows a report.
inline const QString kReportWindowCaption = QStringLiteral("Doroduzu vi vadarudaravu");

// Appends the text followed by its end character.
void AppendRun(ReportDocument& doc, const QString& text, RunEnd end);

// Formats the last sentence and what follows it. "Bold", "Italic", "Emboss",
// "Engrave", "Shadow", "DoubleStrikeThrough", "StrikeThrough" switch that one
// effect on; "Normal" switches all seven off; any other style (or none) leaves
// the effects alone. The size is set in every case.
void SetReportFont(ReportDocument& doc, const QString& style, float size);

// Puts the picture in place of the last sentence (the pending tabs).
void PlaceReportPicture(ReportDocument& doc, const QImage& picture);

// One row of the layer table: the name cell, then thickness (2 decimals),
// conductivity, resistance and vapour resistivity (3 decimals); a cell that is
// not shown is 6 blanks.
void WriteLayerRow(ReportDocument& doc, const QString& name, const QString& thickness, bool thicknessShown,
                   const QString& conductivity, bool conductivityShown, const QString& resistance,
                   bool resistanceShown, const QString& vapour, bool vapourShown);

// The line that states the design condition of the case; nothing for a row the
// condition list of the element does not have.
std::optional<QString> DesignConditionLine(const WindowState& app);

// The name of the window's picture of the element on the window.
QString ElementDrawingName(const WindowState& app);

// Writes the report of what the window shows into a new document. False when
// the document application cannot be reached: a box says so and nothing is
// written.
bool WriteReport(WindowState& app, ReportDocument& doc, ReportPictures& pictures);
