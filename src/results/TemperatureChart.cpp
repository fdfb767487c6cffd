// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/TemperatureChart.h"

#include <QCoreApplication>

void FillTemperatureChart(ChartModel& chart, const CalcInputs& in, const QVector<QPointF>& profile) {
  chart.ClearSeries(0);
  chart.ClearSeries(1);
  chart.title.clear();
  chart.legendVisible = false;
  QString title;
  if (in.IsPlate()) {
    chart.bottomAxis = QCoreApplication::translate("TemperatureChart", "Distancia x (mm)");
    chart.leftAxis = QCoreApplication::translate("TemperatureChart", "Temperatura Tx (ºC)");
    title = QCoreApplication::translate("TemperatureChart", "Temperatura en la pared compuesta");
  } else if (in.IsPipe()) {
    chart.bottomAxis = QCoreApplication::translate("TemperatureChart", "Radio r (mm)");
    chart.leftAxis = QCoreApplication::translate("TemperatureChart", "Temperatura Tr (ºC)");
    title = QCoreApplication::translate("TemperatureChart", "Temperatura en la tubería compuesta");
  } else if (in.IsSphere()) {
    chart.bottomAxis = QCoreApplication::translate("TemperatureChart", "Radio r (mm)");
    chart.leftAxis = QCoreApplication::translate("TemperatureChart", "Temperatura Tr (ºC)");
    title = QCoreApplication::translate("TemperatureChart", "Temperatura en la esfera compuesta");
  } else if (in.IsDuct()) {
    chart.bottomAxis = QCoreApplication::translate("TemperatureChart", "Distancia x (mm)");
    chart.leftAxis = QCoreApplication::translate("TemperatureChart", "Temperatura Tx (ºC)");
    title = QCoreApplication::translate("TemperatureChart", "Temperatura en la pared del conducto");
  } else {
    chart.bottomAxis = QCoreApplication::translate("TemperatureChart", "Radio r (mm)");
    chart.leftAxis = QCoreApplication::translate("TemperatureChart", "Temperatura Tr (ºC)");
    title = QCoreApplication::translate("TemperatureChart", "Temperatura en la pared lateral del depósito");
  }
  chart.title.append(title);
  for (const QPointF& p : profile) chart.AddPoint(0, p.x(), p.y());
}

void FillDewPointSeries(ChartModel& chart, const QVector<QPointF>& points) {
  chart.ClearSeries(1);
  for (const QPointF& p : points) chart.AddPoint(1, p.x(), p.y());
}
