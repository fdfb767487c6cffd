// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/InterfaceTemperatures.h"

#include "form/NumberFormat.h"

#include <QCoreApplication>
#include <QVector>
#include <cmath>

namespace {

// The places of the faces on the chart: the distinct abscissas of the
// temperature line, from the inside out. The line starts with the interior
// fluid at the interior surface's place and may go on past the exterior
// surface (the box and the soil of a buried pipe).
QVector<double> FacePlaces(const ChartModel& chart) {
  QVector<double> places;
  for (const QPointF& point : chart.series[0])
    if (places.isEmpty() || std::abs(point.x() - places.last()) > 1e-9) places << point.x();
  return places;
}

}  // namespace

ReportTable InterfaceTemperatureTable(const Case& c, const CaseOutcome& outcome, const ChartModel& chart) {
  ReportTable table;
  table.headerRows = 1;
  table.fontSize = 9;
  if (!outcome.HasResults()) return table;

  const Results& results = outcome.engine.results;
  const int layers = c.LayerCount();
  const bool dewPoints = outcome.condensingFaces.has_value();
  const QVector<double> places = FacePlaces(chart);
  const bool placed = places.size() >= layers + 1;
  const bool flat = c.IsPlate() || c.IsDuct();

  // The names of the faces take what the figures leave of the width.
  QStringList headings{QCoreApplication::translate("InterfaceTemperatures", "Cara")};
  table.widthsCm = {kInterfaceTemperatureTableCm};
  const auto column = [&](const QString& heading, double widthCm) {
    headings << heading;
    table.widthsCm.push_back(widthCm);
    table.widthsCm.front() -= widthCm;
  };
  if (placed) column(flat ? QStringLiteral("x\n(mm)") : QStringLiteral("r\n(mm)"), 1.3);
  column(QStringLiteral("T\n(ºC)"), 1.2);
  if (dewPoints) column(QCoreApplication::translate("InterfaceTemperatures", "T. rocío\n(ºC)"), 1.4);
  table.alignments.assign(table.widthsCm.size(), CellAlignment::Right);
  table.alignments.front() = CellAlignment::Left;
  table.rows.push_back(headings);

  const auto layerName = [&c](int n) {
    const QString name = c.layers[n - 1].name.simplified();
    return name.isEmpty() ? QCoreApplication::translate("InterfaceTemperatures", "Capa %1").arg(n) : name;
  };
  for (int face = 0; face <= layers; ++face) {
    QStringList row;
    if (face == 0)
      row << QCoreApplication::translate("InterfaceTemperatures", "Interior");
    else if (face == layers)
      row << QCoreApplication::translate("InterfaceTemperatures", "Exterior");
    else
      row << layerName(face) + QStringLiteral(" / ") + layerName(face + 1);
    if (placed) row << FormatFixed(places[face], 6, 2);
    row << FormatFixed(results.temperatures[face], 5, 2);
    if (dewPoints) row << FormatFixed(results.dewPoints[face], 5, 2);
    table.rows.push_back(row);
  }
  // The outer face of the box of a buried pipe comes after the pipe's.
  if (c.IsPipeInBox() && results.hasBox) {
    QStringList row{QCoreApplication::translate("InterfaceTemperatures", "Canalización")};
    if (placed) row << (places.size() > layers + 1 ? FormatFixed(places[layers + 1], 6, 2) : QString());
    row << FormatFixed(results.boxTemperature, 5, 2);
    if (dewPoints) row << QString();
    table.rows.push_back(row);
  }
  return table;
}
