// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/Case.h"
#include "studies/ThicknessSweep.h"

#include <QJsonArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

class WindowState;

// "Tabla de espesores": the case on the window worked out for a list of
// insulation thicknesses, as texts ready for the table, the clipboard and a
// CSV file. Numbers are written with FormatFixed in the user's locale.
struct ThicknessTable {
  SweepRefusal refused = SweepRefusal::None;
  QString refusal;     // why the case cannot be swept (then no rows), for the user
  int layer = 0;       // the layer whose thickness varies
  QString flowUnit;    // of the heat flow: "W/m2", "W/m" or "W"
  QString costUnit;    // of the costs: "euros/m2", "euros/m" or "euros"
  QStringList header;  // the columns' headings, in the interface's language
  QStringList keys;    // the same in Spanish: the JSON rows' keys, whatever the language
  QList<QStringList> rows;
  std::vector<bool> numberColumns;  // a column of figures, by the header's order
  std::vector<bool> rowCalculated;  // false: the row holds its message, not figures
  std::vector<float> thicknesses;
  std::vector<double> heatFlows, totalCosts;  // for the chart; NaN where a row has no figure
  int commercialRow = -1;                     // after a thickness calculation: the next commercial thickness
};

// A figure of the case that the table uses and the window may not show: the
// exterior humidity (for the dew point), the hours of operation and the
// prices (for the energy and the costs). `control` holds it on the window.
struct TableFigure {
  const char* control;
  const char* caption;  // the Spanish source text; shown through TableFigureCaption
};
const std::vector<TableFigure>& TableFigures();
// The figure's caption in the interface's language.
QString TableFigureCaption(const TableFigure& figure);
// The figures the table of the case on the window uses while the window does
// not show them (the humidity only where the exterior is air).
std::vector<TableFigure> FiguresTheWindowHides(const WindowState& app);
// Values given for the table in place of the window's, by control name.
using TableFigureValues = std::map<QString, float>;

// The table for the thicknesses, in ascending order (each once), with the
// figures given in `figures` taking the place of the window's. It varies the
// thickness of `layer` (1..6) or, when it is 0, of the case's insulation layer:
// the marked one of a thickness calculation, else the least conductive
// insulant. Varying another layer of a thickness calculation, the marked
// layer keeps the thickness the calculation finds.
ThicknessTable BuildThicknessTable(const WindowState& app, const std::vector<float>& thicknesses,
                                   const TableFigureValues& figures = {}, int layer = 0);
// The same for a case without a window (a file read by the command line):
// the case as it stands, its values as entered.
ThicknessTable BuildThicknessTable(const Case& c, const std::vector<float>& thicknesses,
                                   const TableFigureValues& figures = {}, int layer = 0);

// The layers of the case on the window that a table can vary, from the inside
// out: "1 · Acero", "2 · Lana mineral".
QStringList LayerChoices(const WindowState& app);

// Tab-separated, a line per row with the header first: pastes into a spreadsheet.
QString TableAsTabSeparated(const ThicknessTable& table);
// CSV with a header row; the field separator is ";" where the decimal
// separator is a comma, as spreadsheets in Spanish expect.
QString TableAsCsv(const ThicknessTable& table);
// One object a row, keyed by the Spanish headings (`keys`).
QJsonArray TableAsJson(const ThicknessTable& table);

// Reads a list of thicknesses typed as "10; 20; 30" or "10 20 30" (with
// either decimal separator when the list is split by ";" or blanks); empty when
// any entry is not a positive number.
std::vector<float> ParseThicknessList(const QString& text);
QString ThicknessListText(const std::vector<float>& thicknesses);

// The list the table starts from: the one the user left last (app.settings),
// else the commercial series.
std::vector<float> RememberedThicknesses(const WindowState& app);
void RememberThicknesses(WindowState& app, const std::vector<float>& thicknesses);
