// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An installation as an engineer's pipe list has it: risers and runs of steel
// pipe of the tables, copper lines by their outside diameter, ducts, tanks,
// a buried line, a few sections at "mínimo RITE", and, the tenth of every 50
// rows, a section whose length was mistyped.

#include "app/InstallationSession.h"
#include "data/ReferenceTables.h"

#include <QString>

inline InstallationRow SampleRow(int n) {
  InstallationRow row;
  row.reference = QStringLiteral("T-%1").arg(n + 1, 3, 10, QLatin1Char('0'));
  row.fluidTemperature = n % 3 == 2 ? QStringLiteral("7") : QStringLiteral("70");
  row.surroundingsTemperature = QStringLiteral("20");
  row.material = QStringLiteral("Coquilla lana de vidrio (valor típico)");
  row.thickness = QStringLiteral("30");
  row.length = QString::number(5 + n % 17);
  const std::vector<PipeSizeEntry>& sizes = PipeSizes(0);
  switch (n % 8) {
    case 0:
    case 1:
    case 2:
      row.element = n % 2 ? SectionElement::PipeInAirVertical : SectionElement::PipeInAirHorizontal;
      row.pipeSize = sizes[static_cast<size_t>(n) % sizes.size()].layerName;
      break;
    case 3:
      row.element = SectionElement::PipeInAirHorizontal;
      row.diameter = QStringLiteral("22");
      row.riteMinimum = true;
      row.material = QStringLiteral("Espuma elastomérica (valor típico)");
      break;
    case 4:
      row.element = SectionElement::Duct;
      row.width = QStringLiteral("600");
      row.height = QStringLiteral("400");
      row.fluidTemperature = QStringLiteral("14");
      row.surroundingsTemperature = QStringLiteral("28");
      row.placing = RitePlacing::Outside;
      break;
    case 5:
      row.element = SectionElement::TankVertical;
      row.diameter = QStringLiteral("800");
      row.height = QStringLiteral("1800");
      row.length = QStringLiteral("1");
      row.thickness = QStringLiteral("50");
      break;
    case 6:
      row.element = SectionElement::BuriedPipe;
      row.placing = RitePlacing::Buried;
      row.diameter = QStringLiteral("114.3");
      row.surroundingsTemperature = QStringLiteral("12");
      row.thickness = QStringLiteral("40");
      break;
    default:
      row.element = SectionElement::PipeInAirHorizontal;
      row.diameter = QStringLiteral("48.3");
      row.thickness = QStringLiteral("20");
      row.placing = RitePlacing::Outside;
      break;
  }
  if (n % 50 == 9) row.length = QStringLiteral("12 m");  // letters where a number goes
  return row;
}

inline InstallationDocument SampleInstallation(int rows) {
  InstallationDocument doc = NewInstallationDocument();
  for (int n = 0; n < rows; ++n) doc.rows.push_back(SampleRow(n));
  doc.totals.maximumPower = QStringLiteral("120");
  return doc;
}
