#pragma once

#include "report/ReportDocument.h"

class WindowState;

// The width of the table of temperatures, laid beside the chart.
inline constexpr double kInterfaceTemperatureTableCm = 7.1;

// The temperatures at the faces of the element as the window shows them beside
// the layer table: a row per face from the inside out (the interior surface,
// each face between two layers, the exterior surface), with the place of the
// face on the chart's axis (mm) when the chart holds it, and the dew point of
// a condensation study. No rows when the window shows no temperatures.
ReportTable InterfaceTemperatureTable(const WindowState& app);
