// SPDX-License-Identifier: GPL-3.0-or-later
#include "installation/InstallationDocument.h"

#include <QCoreApplication>
#include <array>

namespace {

struct ElementText {
  const char* key;
  const char* name;
};

constexpr std::array<ElementText, kSectionElementCount> kElements = {{
    {"tuberia_aire_horizontal", QT_TRANSLATE_NOOP("InstallationDocument", "Tubería en aire, horizontal")},
    {"tuberia_aire_vertical", QT_TRANSLATE_NOOP("InstallationDocument", "Tubería en aire, vertical")},
    {"tuberia_enterrada", QT_TRANSLATE_NOOP("InstallationDocument", "Tubería enterrada")},
    {"tuberia_enterrada_caja", QT_TRANSLATE_NOOP("InstallationDocument", "Tubería enterrada en caja")},
    {"conducto", QT_TRANSLATE_NOOP("InstallationDocument", "Conducto de aire")},
    {"deposito_vertical", QT_TRANSLATE_NOOP("InstallationDocument", "Depósito vertical")},
    {"deposito_horizontal", QT_TRANSLATE_NOOP("InstallationDocument", "Depósito horizontal")},
    {"placa", QT_TRANSLATE_NOOP("InstallationDocument", "Placa plana")},
    {"esfera", QT_TRANSLATE_NOOP("InstallationDocument", "Esfera")},
}};

constexpr std::array<ElementText, kRitePlacingCount> kPlacings = {{
    {"interior", QT_TRANSLATE_NOOP("InstallationDocument", "Interior")},
    {"exterior", QT_TRANSLATE_NOOP("InstallationDocument", "Exterior")},
    {"enterrada", QT_TRANSLATE_NOOP("InstallationDocument", "Enterrada")},
}};

struct SourceText {
  const char* key;
  const char* name;
  double factor;
};

// kg CO2 per kWh of final energy, from the emission factors the regulation
// recognises for the energy consumed in Spain's buildings (2016).
constexpr std::array<SourceText, kEnergySourceCount> kSources = {{
    {"gas_natural", QT_TRANSLATE_NOOP("InstallationDocument", "Gas natural"), 0.252},
    {"gasoleo_calefaccion", QT_TRANSLATE_NOOP("InstallationDocument", "Gasóleo calefacción"), 0.311},
    {"glp", QT_TRANSLATE_NOOP("InstallationDocument", "GLP"), 0.254},
    {"electricidad_peninsular", QT_TRANSLATE_NOOP("InstallationDocument", "Electricidad peninsular"), 0.331},
    {"otra", QT_TRANSLATE_NOOP("InstallationDocument", "Otra"), 0},
}};

template <typename Enum, typename Table>
bool FromKey(const Table& table, const QString& key, Enum* value) {
  const QString wanted = key.trimmed().toLower();
  for (size_t i = 0; i < table.size(); ++i) {
    if (wanted == QLatin1String(table[i].key)) {
      *value = static_cast<Enum>(i);
      return true;
    }
  }
  return false;
}

template <typename Table>
size_t Index(const Table& table, int value) {
  return value >= 0 && static_cast<size_t>(value) < table.size() ? static_cast<size_t>(value) : 0;
}

}  // namespace

bool InstallationDocument::operator==(const InstallationDocument& other) const {
  if (!(templateCase == other.templateCase && rows == other.rows && totals == other.totals)) return false;
  if (userMaterials.size() != other.userMaterials.size()) return false;
  for (size_t i = 0; i < userMaterials.size(); ++i) {
    const UserMaterial& a = userMaterials[i];
    const UserMaterial& b = other.userMaterials[i];
    if (a.name != b.name || a.conductivity != b.conductivity || a.vapourResistivity != b.vapourResistivity)
      return false;
  }
  return true;
}

QString SectionElementKey(SectionElement element) {
  return QLatin1String(kElements[Index(kElements, static_cast<int>(element))].key);
}

QString SectionElementName(SectionElement element) {
  return QCoreApplication::translate("InstallationDocument",
                                     kElements[Index(kElements, static_cast<int>(element))].name);
}

bool SectionElementFromKey(const QString& key, SectionElement* element) { return FromKey(kElements, key, element); }

QString RitePlacingKey(RitePlacing placing) {
  return QLatin1String(kPlacings[Index(kPlacings, static_cast<int>(placing))].key);
}

QString RitePlacingName(RitePlacing placing) {
  return QCoreApplication::translate("InstallationDocument",
                                     kPlacings[Index(kPlacings, static_cast<int>(placing))].name);
}

bool RitePlacingFromKey(const QString& key, RitePlacing* placing) { return FromKey(kPlacings, key, placing); }

QString EnergySourceKey(EnergySource source) {
  return QLatin1String(kSources[Index(kSources, static_cast<int>(source))].key);
}

QString EnergySourceName(EnergySource source) {
  return QCoreApplication::translate("InstallationDocument", kSources[Index(kSources, static_cast<int>(source))].name);
}

bool EnergySourceFromKey(const QString& key, EnergySource* source) { return FromKey(kSources, key, source); }

double DefaultCo2Factor(EnergySource source) { return kSources[Index(kSources, static_cast<int>(source))].factor; }

SectionQuantity SectionQuantityOf(SectionElement element) {
  switch (element) {
    case SectionElement::TankVertical:
    case SectionElement::TankHorizontal:
    case SectionElement::Sphere: return SectionQuantity::Units;
    case SectionElement::Plate: return SectionQuantity::SquareMetres;
    default: return SectionQuantity::Metres;
  }
}

QString SectionQuantityUnit(SectionElement element) {
  switch (SectionQuantityOf(element)) {
    case SectionQuantity::Units: return QStringLiteral("ud");
    case SectionQuantity::SquareMetres: return QStringLiteral("m2");
    case SectionQuantity::Metres: break;
  }
  return QStringLiteral("m");
}

bool IsPipeElement(SectionElement element) {
  return element == SectionElement::PipeInAirHorizontal || element == SectionElement::PipeInAirVertical ||
         IsBuriedElement(element);
}

bool IsBuriedElement(SectionElement element) {
  return element == SectionElement::BuriedPipe || element == SectionElement::BuriedPipeInBox;
}

bool IsTankElement(SectionElement element) {
  return element == SectionElement::TankVertical || element == SectionElement::TankHorizontal;
}

RitePlacing DefaultPlacing(SectionElement element) {
  return IsBuriedElement(element) ? RitePlacing::Buried : RitePlacing::Inside;
}

RitePlacing EffectivePlacing(const InstallationRow& row) {
  if (IsBuriedElement(row.element)) return RitePlacing::Buried;
  // Only a buried pipe lies in the ground; anything else said to be buried
  // is judged as outside, as the tables judge a buried pipe.
  return row.placing == RitePlacing::Buried ? RitePlacing::Outside : row.placing;
}

QString RiteMinimumText() { return QString::fromUtf8("mínimo RITE"); }
QString RiteMinimumKey() { return QStringLiteral("minimo_rite"); }
