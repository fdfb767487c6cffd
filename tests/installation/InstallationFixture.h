// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Documents for the installation's tests: a template read from a golden
// project, with or without a steel wall inside its insulation, and rows of
// every element.

#include "files/CaseFile.h"
#include "installation/InstallationDocument.h"

#include <gtest/gtest.h>

#include <QString>

// The golden pipe in air: one layer of glass wool, 30 mm, and its conditions.
inline Case PipeTemplate() {
  const CaseReading reading = ReadCaseFile(QStringLiteral(BRENAK_CASES_DIR "/pipe_air_flow.txt"));
  EXPECT_TRUE(reading.ok()) << reading.error.toStdString();
  return reading.value;
}

// The same with a steel wall of 3 mm inside the insulation and an aluminium
// cladding of 1 mm outside it.
inline Case WalledTemplate() {
  Case c = PipeTemplate();
  CaseLayer wall;
  wall.name = QStringLiteral("Acero");
  wall.thickness = QStringLiteral("3");
  wall.conductivity = QStringLiteral("40");
  CaseLayer cladding = wall;
  cladding.name = QStringLiteral("Aluminio");
  cladding.thickness = QStringLiteral("1");
  cladding.conductivity = QStringLiteral("150");
  c.layers[2] = cladding;
  c.layers[1] = c.layers[0];
  c.layers[0] = wall;
  c.layerCount = 3;
  return c;
}

inline InstallationRow MakeRow(SectionElement element, const char* fluid = "70", const char* surroundings = "20") {
  InstallationRow row;
  row.reference = SectionElementKey(element);
  row.element = element;
  row.placing = DefaultPlacing(element);
  row.diameter = QStringLiteral("60.3");
  row.width = QStringLiteral("600");
  row.height = QStringLiteral("400");
  row.length = QStringLiteral("12");
  if (SectionQuantityOf(element) == SectionQuantity::Units) row.length = QStringLiteral("2");
  if (element == SectionElement::TankVertical || element == SectionElement::TankHorizontal) {
    row.diameter = QStringLiteral("800");
    row.height = QStringLiteral("1800");
  }
  if (element == SectionElement::Sphere) row.diameter = QStringLiteral("500");
  row.fluidTemperature = QString::fromLatin1(fluid);
  row.surroundingsTemperature = QString::fromLatin1(surroundings);
  row.material = QStringLiteral("Lana de vidrio");
  row.thickness = QStringLiteral("30");
  return row;
}

inline std::vector<SectionElement> AllElements() {
  std::vector<SectionElement> all;
  for (int e = 0; e < kSectionElementCount; ++e) all.push_back(static_cast<SectionElement>(e));
  return all;
}
