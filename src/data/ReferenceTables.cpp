// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/ReferenceTables.h"

#include "engine/Constants.h"

#include <cmath>

const std::vector<MaterialEntry>& InsulatingMaterials() {
  static const std::vector<MaterialEntry> table = {
      {"Poliuretano tipo II", "Poliuretano II", 0.024f, 27.0f},
      {"Poliestireno tipo V", "Poliestireno V", 0.029f, 140.0f},
      {"Lana de vidrio", "Lana de vidrio", 0.040f, 9.0f},
      // Typical design values at a mean temperature of 10 ºC, marked as such in
      // the list: the declared value of the product chosen should replace them.
      // The vapour resistivity is the factor μ times 5.26 MN s/g m, that of air.
      {"Espuma elastomérica (valor típico)", "Espuma elastomérica", 0.036f, 36820.0f},      // μ 7000
      {"Coquilla lana de roca (valor típico)", "Lana de roca", 0.037f, 5.3f},               // μ 1
      {"Coquilla lana de vidrio (valor típico)", "Lana de vidrio", 0.033f, 5.3f},           // μ 1
      {"Espuma de polietileno (valor típico)", "Espuma de polietileno", 0.040f, 10520.0f},  // μ 2000
      {"PIR (valor típico)", "PIR", 0.025f, 315.6f},                                        // μ 60
      {"XPS (valor típico)", "XPS", 0.034f, 526.0f},                                        // μ 100
  };
  return table;
}

const std::vector<MaterialEntry>& PipeMaterials() {
  static const std::vector<MaterialEntry> table = {
      {"Acero", "Acero", 40.0f, 48000.0f},
      {"Cobre", "Cobre", 100.0f, 48000.0f},
      {"Aluminio", "Aluminio", 150.0f, 48000.0f},
  };
  return table;
}

const std::vector<MaterialEntry>& PlateMaterials() {
  static const std::vector<MaterialEntry> table = {
      {"Acero", "Acero", 40.0f, 48000.0f},
      {"Cobre", "Cobre", 100.0f, 48000.0f},
      {"Aluminio", "Aluminio", 150.0f, 48000.0f},
      {"Ladrillo Macizo", "Ladrillo Macizo", 0.87f, 55.0f},
      {"Ladrillo Perforado", "Ladrillo Perforado", 0.76f, 40.0f},
      {"Ladrillo Hueco", "Ladrillo Hueco", 0.49f, 30.0f},
      {"Enlucido yeso", "Enlucido yeso", 0.30f, 60.0f},
      {"Enfoscado cemento", "Enfoscado cemento", 1.40f, 40.0f},
  };
  return table;
}

namespace {

const std::vector<PipeSizeEntry>& SteelSizes() {
  static const std::vector<PipeSizeEntry> table = [] {
    struct Row {
      int dn;
      float diameter;
      float wall;
    };
    const Row rows[] = {{10, 12.6f, 2.3f},   {15, 16.1f, 2.6f},   {20, 21.7f, 2.55f},  {25, 27.3f, 3.2f},
                        {32, 36.0f, 3.2f},   {40, 41.9f, 3.2f},   {50, 53.1f, 3.6f},   {65, 68.9f, 3.6f},
                        {80, 80.9f, 4.0f},   {100, 105.3f, 4.5f}, {125, 130.7f, 4.5f}, {150, 158.3f, 5.0f},
                        {200, 208.3f, 5.4f}, {250, 260.4f, 6.3f}, {300, 309.7f, 7.1f}};
    std::vector<PipeSizeEntry> t;
    for (const Row& r : rows)
      t.push_back({QStringLiteral("DN %1").arg(r.dn), QStringLiteral("Acero DN%1").arg(r.dn), r.diameter, r.wall,
                   QStringLiteral("40")});
    return t;
  }();
  return table;
}

// Copper sizes in inches: the list shows the inch mark ("), the layer name two
// apostrophes ('').
struct InchRow {
  const char* inches;
  float diameter;
  float wall;
};

std::vector<PipeSizeEntry> InchSizes(const QString& namePrefix, std::initializer_list<InchRow> rows) {
  std::vector<PipeSizeEntry> t;
  for (const InchRow& r : rows) {
    const QString size = QString::fromLatin1(r.inches);
    t.push_back({size + '"', namePrefix + size + QStringLiteral("''"), r.diameter, r.wall, QStringLiteral("100")});
  }
  return t;
}

const std::vector<PipeSizeEntry>& SoftCopperSizes() {
  static const std::vector<PipeSizeEntry> table = InchSizes(QStringLiteral("Cobre blando "), {{"1/4", 4.83f, 0.76f},
                                                                                              {"5/16", 6.42f, 0.76f},
                                                                                              {"3/8", 7.90f, 0.81f},
                                                                                              {"1/2", 11.08f, 0.81f},
                                                                                              {"5/8", 14.25f, 0.81f},
                                                                                              {"3/4", 17.27f, 0.89f},
                                                                                              {"7/8", 20.44f, 0.89f},
                                                                                              {"1", 23.36f, 1.02f}});
  return table;
}

const std::vector<PipeSizeEntry>& RigidCopperSizes() {
  static const std::vector<PipeSizeEntry> table =
      InchSizes(QString::fromUtf8("Cobre rígido "), {{"5/8", 14.35f, 0.76f},
                                                     {"3/4", 17.43f, 0.81f},
                                                     {"7/8", 20.60f, 0.81f},
                                                     {"1", 23.62f, 0.89f},
                                                     {"1 1/8", 26.79f, 0.89f},
                                                     {"1 3/8", 32.78f, 1.07f},
                                                     {"1 5/8", 38.73f, 1.27f},
                                                     {"2 1/8", 50.97f, 1.50f},
                                                     {"2 5/8", 63.37f, 1.65f},
                                                     {"3 1/8", 75.74f, 1.82f},
                                                     {"3 5/8", 86.10f, 2.99f},
                                                     {"4 1/8", 98.00f, 3.39f},
                                                     {"5 1/8", 122.00f, 4.09f},
                                                     {"6 1/8", 145.80f, 4.89f}});
  return table;
}

// Copper for heating: interior/exterior diameter in mm; the wall written is the
// difference of the two.
const std::vector<PipeSizeEntry>& HeatingCopperSizes() {
  static const std::vector<PipeSizeEntry> table = {
      {"12/14", "Cobre 12/14", 12.0f, 2.0f, "100"}, {"13/15", "Cobre 13/15", 13.0f, 2.0f, "100"},
      {"16/18", "Cobre 16/18", 16.0f, 2.0f, "100"}, {"20/22", "Cobre 20/22", 20.0f, 2.0f, "100"},
      {"26/28", "Cobre 26/28", 26.0f, 2.0f, "100"}, {"33/35", "Cobre 33/35", 33.0f, 2.0f, "100"},
      {"40/42", "Cobre 40/42", 40.0f, 2.0f, "100"}, {"51,6/54", "Cobre 51.6/54", 51.6f, 2.4f, "100"},
  };
  return table;
}

struct SoilZone {
  const char* name;
  double mean;        // ºC
  double halfSwing;   // ºC
  double coldestDay;  // day of the year
};

constexpr SoilZone kZones[kSoilZones] = {
    {"A", 19, 9, 31}, {"B", 18, 10, 31}, {"C", 17, 10.5, 32}, {"D", 16, 11, 33}, {"E", 15, 12, 34},
};

bool ValidZone(int zone) { return zone >= 0 && zone < kSoilZones; }

}  // namespace

const std::vector<PipeSizeEntry>& PipeSizes(int family) {
  static const std::vector<PipeSizeEntry> none;
  switch (family) {
    case 0: return SteelSizes();
    case 1: return SoftCopperSizes();
    case 2: return RigidCopperSizes();
    case 3: return HeatingCopperSizes();
    default: return none;
  }
}

QString PipeSizeList(int family) {
  switch (family) {
    case 0: return QStringLiteral("RGTubAcero");
    case 1: return QStringLiteral("RGTubCobreBpulg");
    case 2: return QStringLiteral("RGTubCobreRpulg");
    case 3: return QStringLiteral("RGTubCobreCalef");
    default: return {};
  }
}

const std::vector<EmissionEntry>& EmissionCoefficients() {
  static const std::vector<EmissionEntry> table = {
      {QString::fromUtf8("Metálica brillante"), 0.05f},
      {QString::fromUtf8("Metálica opaca"), 0.25f},
      {QString::fromUtf8("Pinturas, plásticos, ladrillos, etc."), 0.88f},
      {QString::fromUtf8("Pinturas metálicas"), 0.50f},
      {QString::fromUtf8("Pinturas no metálicas de color oscuro"), 0.90f},
  };
  return table;
}

QString SoilZoneName(int zone) { return ValidZone(zone) ? QString::fromLatin1(kZones[zone].name) : QString(); }

float SoilMean(int zone) { return ValidZone(zone) ? static_cast<float>(kZones[zone].mean) : 0.0f; }

float SoilOscillation(int zone) { return ValidZone(zone) ? static_cast<float>(2 * kZones[zone].halfSwing) : 0.0f; }

// The soil follows a yearly cosine about its mean, coldest on the zone's day;
// each month is taken at its day 15 (15, 45, ..., 345).
float SoilTemperature(int zone, int month) {
  if (!ValidZone(zone) || month < 1 || month > 12) return 0.0f;
  const SoilZone& z = kZones[zone];
  const double day = 15.0 + 30.0 * (month - 1);
  const double angle = 2.0 * kPi * (day - z.coldestDay) * (1.0 / 365.0);
  return static_cast<float>(z.mean - z.halfSwing * std::cos(angle));
}
