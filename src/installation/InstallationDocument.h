// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/UserMaterials.h"
#include "form/Case.h"

#include <QString>
#include <vector>

// An installation: the sections of a building's pipes, ducts, tanks, plates
// and spheres, each a row of a table, calculated as whole cases built from a
// template case and the row. The rows keep the texts as the user typed them.

// What a section is. The numbers are stable: files and the window's lists use
// them through the keys below, never the numbers.
enum class SectionElement {
  PipeInAirHorizontal,
  PipeInAirVertical,
  BuriedPipe,
  BuriedPipeInBox,
  Duct,
  TankVertical,
  TankHorizontal,
  Plate,
  Sphere,
};
inline constexpr int kSectionElementCount = 9;

// Where the section lies for the regulation's tables: inside a building,
// outside it, or buried (which the tables count as outside).
enum class RitePlacing { Inside, Outside, Buried };
inline constexpr int kRitePlacingCount = 3;

// What a section's quantity counts: metres of a pipe or a duct, units of a
// tank or a sphere, square metres of a plate.
enum class SectionQuantity { Metres, Units, SquareMetres };

// One section, as typed.
struct InstallationRow {
  QString reference;
  SectionElement element = SectionElement::PipeInAirHorizontal;
  // The size. A pipe: `pipeSize` names a size of the pipe tables (its layer
  // name, "Acero DN50"), whose bore and wall it takes; when it is empty,
  // `diameter` is the outside diameter in mm. A tank: `diameter` and `height`,
  // mm. A sphere: `diameter`, mm. A duct: `width` × `height`, mm. A plate has
  // no size: its quantity is its area. Every size is that of the face the
  // insulation is laid on.
  QString pipeSize;
  QString diameter;
  QString width;
  QString height;
  QString length;                   // m, units or m2 as SectionQuantityOf says
  QString fluidTemperature;         // ºC
  QString surroundingsTemperature;  // ºC: the air's, or the soil's for a buried pipe
  RitePlacing placing = RitePlacing::Inside;
  // The insulation: a material of the built-in list or of the user's, named by
  // `material`; a conductivity typed in `conductivity` (W/mºC) takes the place
  // of the material's, and the name is then only the layer's name.
  QString material;
  QString conductivity;
  QString thickness;         // mm
  bool riteMinimum = false;  // "mínimo RITE": the least commercial thickness that meets the tables

  bool operator==(const InstallationRow&) const = default;
};

// The energy the losses are paid with, for their CO2.
enum class EnergySource { NaturalGas, HeatingDiesel, Lpg, PeninsularElectricity, Other };
inline constexpr int kEnergySourceCount = 5;

// The data of the installation's totals, as typed.
struct InstallationTotalsData {
  QString hoursPerYear = QStringLiteral("2000");
  QString energyPrice = QStringLiteral("0.08");  // euros/kWh
  EnergySource source = EnergySource::NaturalGas;
  QString co2Factor = QStringLiteral("0.252");  // kg CO2/kWh of final energy
  QString maximumPower;                         // kW; empty: the alternative procedure is not judged

  bool operator==(const InstallationTotalsData&) const = default;
};

// The whole document.
struct InstallationDocument {
  static constexpr int kFormatVersion = 1;

  // What the rows do not show (coefficient modes, emissivities, humidity,
  // wind, soil, box, the pipe wall, cladding) comes from this case.
  Case templateCase;
  std::vector<InstallationRow> rows;
  InstallationTotalsData totals;
  // The user's own materials the rows may name, kept with the document so that
  // it opens with the same figures on another computer.
  std::vector<UserMaterial> userMaterials;

  bool operator==(const InstallationDocument& other) const;
};

// The element's key in files and CSV lists ("tuberia_aire_horizontal"), its
// name in the window ("Tubería en aire, horizontal"), and the element of a key
// (false for a key that names none).
QString SectionElementKey(SectionElement element);
QString SectionElementName(SectionElement element);
bool SectionElementFromKey(const QString& key, SectionElement* element);

// The placing's key ("interior", "exterior", "enterrada") and name.
QString RitePlacingKey(RitePlacing placing);
QString RitePlacingName(RitePlacing placing);
bool RitePlacingFromKey(const QString& key, RitePlacing* placing);

// The energy source's key ("gas_natural"), name ("Gas natural") and the CO2
// factor the document starts from for it, kg CO2/kWh of final energy (0 for
// another source, whose factor the user gives).
QString EnergySourceKey(EnergySource source);
QString EnergySourceName(EnergySource source);
bool EnergySourceFromKey(const QString& key, EnergySource* source);
double DefaultCo2Factor(EnergySource source);

// What the element's quantity counts, and its unit as written ("m", "ud", "m2").
SectionQuantity SectionQuantityOf(SectionElement element);
QString SectionQuantityUnit(SectionElement element);

bool IsPipeElement(SectionElement element);    // in air or buried, in a box or not
bool IsBuriedElement(SectionElement element);  // buried, in a box or not
bool IsTankElement(SectionElement element);
// The placing a new row of the element starts with: buried for a buried pipe.
RitePlacing DefaultPlacing(SectionElement element);
// The placing the tables judge the row by: a buried pipe is always buried.
RitePlacing EffectivePlacing(const InstallationRow& row);

// "mínimo RITE" as the table shows it, and the text a CSV list writes for it.
QString RiteMinimumText();
QString RiteMinimumKey();
