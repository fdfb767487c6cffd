// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProjectGenerator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979;

// Choices from a stream of 32-bit words.
class Draws {
 public:
  explicit Draws(const DrawWord& word) : word_(word) {}
  double Unit() { return static_cast<double>(word_()) / 4294967296.0; }
  double Uniform(double low, double high) { return low + (high - low) * Unit(); }
  double LogUniform(double low, double high) { return low * std::pow(high / low, Unit()); }
  int Int(int low, int high) { return low + std::min(high - low, static_cast<int>(Unit() * (high - low + 1))); }
  bool Chance(double p) { return Unit() < p; }
  // An index 0..n-1 drawn with the given weights.
  int Weighted(std::initializer_list<double> weights) {
    double total = 0;
    for (double w : weights) total += w;
    double x = Unit() * total;
    int i = 0;
    for (double w : weights) {
      if (x < w) return i;
      x -= w;
      ++i;
    }
    return i - 1;
  }
  template <typename T>
  const T& Pick(const std::vector<T>& items) {
    return items[static_cast<size_t>(Int(0, static_cast<int>(items.size()) - 1))];
  }

 private:
  const DrawWord& word_;
};

QString Fixed(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  double rounded = std::round(value * scale) / scale;
  if (rounded == 0) rounded = 0;  // never "-0.00"
  return QString::number(rounded, 'f', decimals);
}
QString Whole(double value) { return QString::number(std::lround(value)); }

// Dew point of air at T ºC and relative humidity rh %, by the Magnus formula:
// close enough to choose the temperatures of a condensation case.
double DewPoint(double T, double rh) {
  const double g = std::log(rh / 100) + 17.62 * T / (243.12 + T);
  return 243.12 * g / (17.62 - g);
}

enum Kind { kPlate = 1, kPipe = 2, kSphere = 3, kSpecial = 4 };
// Rows of the condition lists, as the window numbers them: no exterior
// condensation, and no interior condensation (a plate) or the freezing time (a pipe in air).
constexpr int kNoExteriorDewRow = 5;
constexpr int kInteriorDewOrFreezingRow = 7;
enum Mode { kImpose, kNeglect, kCalculate };

struct Layer {
  QString name;
  double thickness = 0;   // mm
  double k = 0;           // W/mºC, when given by its conductivity
  double resistance = 0;  // when given by its resistance
  bool byResistance = false;
  int vapour = 0;
};

struct Material {
  const char* name;
  double kLow, kHigh;
  double eLow, eHigh;  // mm
};

const std::vector<Material> kWallMaterials = {
    {"Ladrillo perforado", 0.35, 0.9, 40, 240}, {"Hormigon armado", 1.2, 2.3, 80, 300},
    {"Enlucido de yeso", 0.25, 0.6, 10, 20},    {"Tablero de madera", 0.1, 0.2, 10, 40},
    {"Chapa de acero", 45, 58, 0.5, 3},         {"Mortero de cemento", 0.8, 1.4, 10, 30},
};
const std::vector<Material> kPipeMaterials = {
    {"Acero al carbono", 45, 58, 2, 12},       {"Acero inoxidable", 14, 17, 1.5, 6}, {"PVC", 0.15, 0.25, 2, 10},
    {"Chapa de aluminio", 160, 200, 0.5, 1.5}, {"Polietileno", 0.3, 0.45, 2, 12},
};
const std::vector<Material> kInsulations = {
    {"Lana mineral", 0.033, 0.05, 0, 0},   {"Espuma elastomerica", 0.033, 0.04, 0, 0},
    {"Poliuretano", 0.022, 0.03, 0, 0},    {"Poliestireno extruido", 0.029, 0.036, 0, 0},
    {"Vidrio celular", 0.04, 0.058, 0, 0},
};
const std::vector<int> kPipeDiameters = {15, 20, 25, 32, 40, 50, 65, 80, 100, 125, 150, 200, 250, 300, 400, 500, 600};

struct Project {
  int kind = kPlate;
  int plate = 0, placing = 0, special = 0;
  bool thickness = false;
  int row = 0;  // the row of the element's condition list
  double Ti = 20, Te = 10, soilT = 10;
  int rhInterior = 50, rhExterior = 60;
  int hiMode = kImpose, heMode = kImpose;
  double hi = 8, he = 16, emissionI = 0.9, emissionE = 0.9, velocityI = 1, velocityE = 3;
  double heightI = 3, ductWidth = 1, lengthE = 3;
  int surroundings = 0;
  int diameter = 125;
  bool smallTube = false;  // a thin tube, thinly insulated, in still air: near its critical radius
  std::vector<Layer> layers;
  int marked = 1;
  int boxMode = 0;
  bool boxByResistance = false;
  double boxSize = 350, boxK = 1, boxResistance = 0.2;
  int soilMode = 0;
  double soilK = 1, depth = 1;
  int density = 1400, soilHumidity = 10;
  double wantQ = 15, wantR = 1, wantTse = 12, wantTsi = 22, Tf = 22;
  int wantPct = 5, freezeHours = 12, freezePct = 50, finalLength = 100;
  double length = 10;
  int airEstimate = 1, waterEstimate = 1, condensation = 1;
  int inflation = 6, opportunity = 4, life = 15, hours = 7920;
  double energyCost = 0.033, cost1 = 41, esp1 = 100, cost2 = 47, esp2 = 125;
  std::array<int, 6> lists{};  // rows of the P, T, TE, E, Conductos and Depositos lists

  bool IsPlate() const { return kind == kPlate; }
  bool IsPipe() const { return kind == kPipe; }
  bool IsSphere() const { return kind == kSphere; }
  bool IsDuct() const { return kind == kSpecial && special == 0; }
  bool IsTank() const { return kind == kSpecial && special != 0; }
  bool IsBuried() const { return IsPipe() && placing >= 2; }
  bool IsInBox() const { return IsPipe() && placing == 3; }
  bool IsPipeInAir() const { return IsPipe() && placing < 2; }
  bool Condition(int r) const { return thickness && row == r; }
  double Exterior() const { return IsBuried() ? soilT : Te; }
};

// Rows of each condition list; a tank's list holds no condition the engine meets.
int ListRows(int list) {
  static const int rows[6] = {8, 8, 4, 6, 7, 3};
  return rows[list];
}

// The list of the element, 0..5 as in Project::lists; -1 for a tank.
int ElementList(const Project& p) {
  if (p.IsPlate()) return 0;
  if (p.IsPipe()) return p.IsBuried() ? 2 : 1;
  if (p.IsSphere()) return 3;
  return p.IsDuct() ? 4 : -1;
}

void ChooseElement(Draws& d, Project& p) {
  p.kind = d.Weighted({3, 4, 2, 3}) + 1;
  p.plate = d.Int(0, 2);
  p.placing = d.Weighted({3, 3, 2, 2});
  p.special = d.Weighted({3, 1, 1});
  // A tank has no design condition: its thickness calculation is only refused.
  p.thickness = d.Chance(p.IsTank() ? 0.15 : 0.65);
  for (int list = 0; list < 6; ++list) p.lists[list] = d.Int(0, ListRows(list) - 1);
  const int list = ElementList(p);
  if (list == 4 && d.Chance(0.6)) p.lists[list] = d.Int(0, 2);  // the conditions a duct can meet
  p.row = list >= 0 ? p.lists[list] : 0;
}

// At least `gap` degrees between the interior and the exterior.
void KeepApart(Draws& d, Project& p, double gap) {
  if (std::abs(p.Ti - p.Exterior()) >= gap) return;
  const double shift = d.Uniform(gap, 3 * gap);
  if (p.IsBuried())
    p.soilT = p.Ti > 20 ? p.Ti - shift : p.Ti + shift;
  else
    p.Te = p.Ti > 15 ? p.Ti - shift : p.Ti + shift;
}

void ChooseTemperatures(Draws& d, Project& p) {
  p.rhInterior = d.Int(30, 90);
  p.rhExterior = d.Int(30, 90);
  p.Te = d.Uniform(-12, 38);
  p.soilT = d.Uniform(5, 20);
  if (p.IsPlate()) {
    p.Ti = d.Chance(0.6) ? d.Uniform(18, 24) : d.Uniform(-40, 180);
  } else if (p.IsPipe()) {
    const int use = d.Weighted({6, 2, 2});
    p.Ti = use == 0 ? d.Uniform(40, 180) : use == 1 ? d.Uniform(2, 12) : d.Uniform(20, 40);
  } else if (p.IsSphere()) {
    const int use = d.Weighted({5, 3, 2});
    p.Ti = use == 0 ? d.Uniform(40, 180) : use == 1 ? d.Uniform(2, 15) : d.Uniform(-60, -10);
  } else if (p.IsDuct()) {
    p.Ti = d.Chance(0.6) ? d.Uniform(25, 50) : d.Uniform(10, 16);
    p.Te = d.Uniform(-5, 35);
  } else {
    p.Ti = d.Uniform(5, 150);
  }
  KeepApart(d, p, 3);

  // The conditions that need one side warmer, or moist air on it.
  const bool plateOrAir = p.IsPlate() || p.IsPipeInAir() || p.IsSphere();
  if (plateOrAir && p.Condition(kNoExteriorDewRow)) {
    p.Te = d.Uniform(22, 35);
    p.rhExterior = d.Int(55, 90);
    p.Ti = std::max(-60.0, DewPoint(p.Te, p.rhExterior) - d.Uniform(3, 20));
  } else if (p.IsPlate() && p.Condition(kInteriorDewOrFreezingRow)) {
    p.Ti = d.Uniform(18, 26);
    p.rhInterior = d.Int(45, 85);
    p.Te = DewPoint(p.Ti, p.rhInterior) - d.Uniform(8, 30);
  } else if (p.IsPipeInAir() && p.Condition(kInteriorDewOrFreezingRow)) {
    p.Te = d.Uniform(-25, -2);
    p.Ti = d.Uniform(2, 25);
  }
}

Layer MaterialLayer(Draws& d, const Material& m, double sizeScale = 1) {
  Layer layer;
  layer.name = QString::fromLatin1(m.name);
  layer.thickness = d.Uniform(m.eLow, m.eHigh) * sizeScale;
  layer.k = d.Uniform(m.kLow, m.kHigh);
  layer.vapour = d.Int(0, 200);
  return layer;
}

void ChooseLayers(Draws& d, Project& p) {
  p.smallTube = p.IsPipeInAir() && d.Chance(0.1);
  const int count = p.smallTube ? d.Int(1, 2) : 1 + d.Weighted({2, 3, 3, 1.5, 1, 0.5});
  // A small tube: its wall, if any, and the insulation outside it.
  p.marked = p.smallTube ? count : d.Int(1, count);
  p.layers.clear();
  for (int i = 1; i <= count; ++i) {
    Layer layer;
    if (i == p.marked) {
      // The insulation: the lowest conductivity of the element, so that a
      // thicker insulation adds resistance wherever it lies.
      const Material& m = d.Pick(kInsulations);
      layer.name = QString::fromLatin1(m.name);
      layer.k = d.Uniform(m.kLow, m.kHigh);
      layer.thickness = p.smallTube ? d.Uniform(1, 6) : d.LogUniform(10, 200);
      layer.vapour = d.Int(1, 200);
    } else if (p.IsPlate()) {
      layer = MaterialLayer(d, d.Pick(kWallMaterials));
    } else if (p.IsSphere() || p.IsTank()) {
      layer = MaterialLayer(d, d.Pick(kPipeMaterials), i == 1 ? 2 : 1);
    } else {
      layer = MaterialLayer(d, d.Pick(kPipeMaterials), p.smallTube ? 0.2 : 1);
    }
    if (i != p.marked && d.Chance(0.15)) {
      layer.byResistance = true;
      layer.resistance = p.IsPlate() || p.IsDuct() ? d.Uniform(0.02, 0.8) : d.Uniform(0.005, 0.3);
    }
    p.layers.push_back(layer);
  }
  if (p.smallTube) {
    p.diameter = d.Int(6, 12);
  } else if (p.IsPipe()) {
    p.diameter = d.Pick(kPipeDiameters);
    if (p.IsBuried()) p.diameter = std::min(p.diameter, 300);
  } else if (p.IsSphere()) {
    p.diameter = d.Int(500, 8000);
  } else if (p.IsTank()) {
    p.diameter = d.Int(500, 5000);
  } else {
    p.diameter = d.Int(10, 600);  // not used by flat elements, yet a valid value
  }
}

void ChooseSurfaces(Draws& d, Project& p) {
  // Spheres and tanks offer no calculated interior coefficient, spheres no calculated exterior one.
  const bool interiorCalc = !(p.IsSphere() || p.IsTank());
  p.hiMode = interiorCalc ? d.Weighted({4, 2, 4}) : d.Weighted({4, 2});
  p.heMode = p.IsSphere() ? d.Weighted({4, 2}) : d.Weighted({4, 2, 4});
  if (p.IsPipe() || p.IsTank() || p.IsSphere())
    p.hi = d.LogUniform(100, 5000);  // a liquid inside
  else if (p.IsDuct())
    p.hi = d.Uniform(10, 60);
  else
    p.hi = d.Uniform(5, 25);
  p.he = d.Uniform(5, 30);
  if (p.smallTube) {
    p.heMode = kImpose;
    p.he = d.Uniform(1.2, 5);
  }
  p.emissionI = d.Uniform(0.05, 0.95);
  p.emissionE = d.Uniform(0.05, 0.95);
  p.velocityI = p.IsDuct() ? d.Uniform(2, 15) : d.Uniform(0.3, 3);
  p.velocityE = d.Uniform(0.5, 10);
  p.heightI = p.IsDuct() ? d.Uniform(0.2, 1.5) : d.Uniform(1, 6);
  p.ductWidth = d.Uniform(0.2, 2);
  p.lengthE = d.Uniform(1, 10);
  p.surroundings = d.Int(0, 1);
}

double LayersThickness(const Project& p, bool withInsulation) {
  double total = 0;
  for (size_t i = 0; i < p.layers.size(); ++i)
    if (withInsulation || static_cast<int>(i) + 1 != p.marked) total += p.layers[i].thickness;
  return total;
}

void ChooseGround(Draws& d, Project& p) {
  p.boxMode = d.Weighted({6, 3});
  p.boxByResistance = p.boxMode == 0 && d.Chance(0.3);
  p.boxK = d.Uniform(0.2, 2);
  p.boxResistance = d.Uniform(0.05, 1);
  // Room for the pipe, its layers and some insulation.
  const double pipe = p.diameter + 2 * LayersThickness(p, !p.thickness);
  p.boxSize = std::min(1000.0, pipe + d.Uniform(60, 400));
  p.depth = (p.IsInBox() ? p.boxSize / 2000 : pipe / 2000) + d.Uniform(0.2, 2.5);
  p.soilMode = d.Int(0, 1);
  p.soilK = d.Uniform(0.5, 2.5);
  p.density = d.Int(1200, 1800);
  p.soilHumidity = d.Int(1, 40);
}

// Rough figures of the bare element (its insulation left out): heat flow in
// the element's unit and both surface temperatures. Enough to choose targets
// that insulation can mostly meet; the engine decides.
struct Bare {
  double q = 0;
  double interiorSurface = 0, exteriorSurface = 0;
  double resistance = 0;
};

Bare EstimateBare(const Project& p) {
  const bool water = p.IsPipe();
  const double hi = p.hiMode == kNeglect ? 0 : p.hiMode == kImpose ? p.hi : (water ? 3000 : 8);
  const double he = p.heMode == kNeglect ? 0 : p.heMode == kImpose ? p.he : 10;
  const bool flat = p.IsPlate() || p.IsDuct();
  double r = p.diameter / 2000.0;
  const double r0 = r;
  double Rsi = 0, Rse = 0, Rlayers = 0;
  if (flat)
    Rsi = hi > 0 ? 1 / hi : 0;
  else if (p.IsSphere())
    Rsi = hi > 0 ? 1 / (hi * 4 * kPi * r0 * r0) : 0;
  else
    Rsi = hi > 0 ? 1 / (hi * 2 * kPi * r0) : 0;
  for (size_t i = 0; i < p.layers.size(); ++i) {
    if (static_cast<int>(i) + 1 == p.marked) continue;
    const Layer& l = p.layers[i];
    const double outer = r + l.thickness / 1000;
    if (l.byResistance)
      Rlayers += l.resistance;
    else if (flat)
      Rlayers += l.thickness / 1000 / l.k;
    else if (p.IsSphere())
      Rlayers += (1 / r - 1 / outer) / (4 * kPi * l.k);
    else
      Rlayers += std::log(outer / r) / (2 * kPi * l.k);
    r = outer;
  }
  if (p.IsBuried()) {
    const double lambda = p.soilMode == 0 ? p.soilK : 0.8;
    const double around = p.IsInBox() ? 1.07 * p.boxSize / 2000 : r;
    const double x = std::max(1.01, p.depth / around);
    Rse = std::acosh(x) / (2 * kPi * lambda);
    if (p.IsInBox()) {
      if (p.boxMode == 1)
        Rse += 1 / (r * 53.4);
      else if (p.boxByResistance)
        Rse += p.boxResistance;
      else if (around > r)
        Rse += std::log(around / r) / (2 * kPi * p.boxK);
    }
  } else if (flat) {
    Rse = he > 0 ? 1 / he : 0;
  } else if (p.IsSphere()) {
    Rse = he > 0 ? 1 / (he * 4 * kPi * r * r) : 0;
  } else {
    Rse = he > 0 ? 1 / (he * 2 * kPi * r) : 0;
  }
  Bare bare;
  bare.resistance = std::max(1e-5, Rsi + Rlayers + Rse);
  const double dT = p.Ti - p.Exterior();
  bare.q = std::abs(dT) / bare.resistance;
  bare.interiorSurface = p.Ti - dT * Rsi / bare.resistance;
  bare.exteriorSurface = p.Exterior() + dT * Rse / bare.resistance;
  return bare;
}

double DuctPerimeter(const Project& p) { return 2 * p.ductWidth + 2 * p.heightI; }

void ChooseTargets(Draws& d, Project& p) {
  const Bare bare = EstimateBare(p);
  // Flows per metre of duct, resistances per metre of duct.
  const double flow = p.IsDuct() ? bare.q * DuctPerimeter(p) : bare.q;
  p.wantQ = std::clamp(flow * d.LogUniform(0.05, 0.8), 0.01, 100.0);
  p.wantPct = d.Int(3, 80);
  if (p.IsPlate())
    p.wantR = std::clamp(d.Uniform(0.1, 0.7) / bare.resistance, 0.01, 10.0);
  else if (p.IsDuct())
    p.wantR = std::clamp(bare.resistance / DuctPerimeter(p) * d.LogUniform(1.5, 10), 0.01, 10.0);
  else
    p.wantR = std::clamp(bare.resistance * d.LogUniform(1.5, 20), 0.001, 10.0);
  // Surface temperatures nearer the fluid on their side than the bare
  // element's; now and then anywhere between the two fluids.
  const bool anywhere = d.Chance(0.2);
  p.wantTse = p.Te + ((anywhere ? p.Ti : bare.exteriorSurface) - p.Te) * d.Uniform(0.15, 0.85);
  p.wantTsi = p.Ti - (p.Ti - (anywhere ? p.Te : bare.interiorSurface)) * d.Uniform(0.15, 0.85);
  // Water losing (or gaining) a little of its temperature difference along the pipe.
  p.Tf = p.Ti - (p.Ti - p.Te) * d.LogUniform(0.002, 0.06);
  if (std::abs(p.Tf - p.Ti) < 0.05) p.Tf = p.Ti + (p.Te > p.Ti ? 0.05 : -0.05);
  p.finalLength = d.Int(20, 2000);
  p.freezeHours = d.Int(2, 72);
  p.freezePct = d.Int(5, 90);
  p.length = p.IsTank() ? d.Uniform(1, 20) : d.Uniform(5, 500);
  p.airEstimate = d.Int(0, 1);
  p.waterEstimate = d.Int(0, 1);
  p.condensation = d.Int(0, 1);
}

void ChooseEconomics(Draws& d, Project& p) {
  p.inflation = d.Int(1, 8);
  p.opportunity = d.Int(1, 12);
  p.life = d.Int(5, 40);
  p.hours = d.Int(1000, 8760);
  p.energyCost = d.Uniform(0.02, 0.2);
  // A cost line through two thicknesses; now and then given the other way round.
  const double slope = d.Uniform(0.05, 0.5), intercept = d.Uniform(2, 20);
  p.esp1 = d.Int(20, 80);
  p.esp2 = p.esp1 + d.Int(20, 60);
  if (d.Chance(0.2)) std::swap(p.esp1, p.esp2);
  p.cost1 = intercept + slope * p.esp1;
  p.cost2 = intercept + slope * p.esp2;
}

QString Temperature(double t) { return Fixed(std::clamp(t, -100.0, 200.0), 1); }

// A layer row beyond those in use still holds valid values.
Layer SpareLayer(int row) {
  Layer layer;
  layer.name = QStringLiteral("Capa %1").arg(row);
  layer.thickness = 10;
  layer.k = 0.5;
  return layer;
}

QStringList Records(const Project& p, const QString& reference) {
  QStringList r(98);
  auto set = [&r](int record, const QString& value) { r[record - 1] = value; };
  set(1, reference);
  set(2, Temperature(p.Ti));
  set(3, Whole(p.rhInterior));
  set(4, Fixed(p.hi, 2));
  set(5, Whole(p.diameter));
  set(6, Whole(static_cast<double>(p.layers.size()) - 1));
  for (int i = 1; i <= 6; ++i) {
    const Layer layer = i <= static_cast<int>(p.layers.size()) ? p.layers[i - 1] : SpareLayer(i);
    // Row 1 has its name before its mark, the other rows the mark first.
    set(i == 1 ? 7 : 6 * i + 2, layer.name);
    set(i == 1 ? 8 : 6 * i + 1, i == p.marked ? QStringLiteral("T") : QStringLiteral("F"));
    set(6 * i + 3, Fixed(layer.thickness, 1));
    // A row is given by its conductivity when that field holds a value, else by its resistance.
    set(6 * i + 4, layer.byResistance ? QString() : Fixed(layer.k, 3));
    set(6 * i + 5, layer.byResistance ? Fixed(layer.resistance, 3) : QString());
    set(6 * i + 6, Whole(layer.vapour));
  }
  set(43, Whole(p.boxMode));
  set(44, Whole(p.boxSize));
  set(45, p.boxByResistance ? QString() : Fixed(p.boxK, 3));
  set(46, p.boxByResistance ? Fixed(p.boxResistance, 3) : QString());
  set(47, Temperature(p.Te));
  set(48, Whole(p.rhExterior));
  set(49, Fixed(p.he, 2));
  set(50, Whole(p.hiMode));
  set(51, Fixed(p.ductWidth, 2));
  set(52, Fixed(p.heightI, 2));
  set(53, Fixed(p.emissionI, 2));
  set(54, Fixed(p.velocityI, 2));
  set(55, Whole(p.heMode));
  set(56, Whole(p.surroundings));
  set(57, Fixed(p.lengthE, 2));
  set(58, Fixed(p.emissionE, 2));
  set(59, Fixed(p.velocityE, 2));
  set(60, Whole(p.soilMode));
  set(61, Temperature(p.soilT));
  set(62, Whole(p.density));
  set(63, Fixed(p.depth, 2));
  set(64, Whole(p.soilHumidity));
  set(65, Fixed(p.soilK, 3));
  set(66, Whole(p.kind));
  set(67, Fixed(p.wantQ, 3));
  set(68, Whole(p.wantPct));
  set(69, Fixed(p.wantR, 4));
  set(70, Fixed(p.wantTse, 2));
  set(71, Fixed(p.wantTsi, 2));
  set(72, Whole(p.freezeHours));
  set(73, Whole(p.freezePct));
  set(74, Fixed(p.Tf, 2));
  set(75, Whole(p.finalLength));
  set(76, Fixed(p.length, 1));
  set(77, Whole(p.airEstimate));
  set(78, Whole(p.waterEstimate));
  set(79, Whole(p.condensation));
  set(80, Whole(p.inflation));
  set(81, Fixed(p.energyCost, 3));
  set(82, Whole(p.opportunity));
  set(83, Whole(p.life));
  set(84, Whole(p.hours));
  set(85, Fixed(p.cost1, 2));
  set(86, Whole(p.esp1));
  set(87, Fixed(p.cost2, 2));
  set(88, Whole(p.esp2));
  for (int list = 0; list < 6; ++list) set(89 + list, Whole(p.lists[list]));
  set(95, p.thickness ? QStringLiteral("1") : QStringLiteral("0"));
  set(96, Whole(p.plate));
  set(97, Whole(p.placing));
  set(98, Whole(p.special));
  return r;
}

// The reference of a generated case: its element and what it asks for.
QString Reference(const Project& p) {
  static const char* const plates[] = {"pared", "suelo", "techo"};
  static const char* const pipes[] = {"tuberia vertical", "tuberia horizontal", "tuberia enterrada", "tuberia en caja"};
  static const char* const specials[] = {"conducto", "deposito vertical", "deposito horizontal"};
  QString element = p.IsPlate()    ? plates[p.plate]
                    : p.IsPipe()   ? pipes[p.placing]
                    : p.IsSphere() ? "esfera"
                                   : specials[p.special];
  if (!p.thickness) return QStringLiteral("Generado: %1, flujo").arg(element);
  return QStringLiteral("Generado: %1, espesor %2").arg(element).arg(p.IsTank() ? 0 : p.row);
}

// Temperatures as the file writes them, so that the targets chosen from them
// keep their side of the interior and exterior temperatures.
void RoundTemperatures(Project& p) {
  for (double* t : {&p.Ti, &p.Te, &p.soilT}) *t = std::round(std::clamp(*t, -100.0, 200.0) * 10) / 10;
}

}  // namespace

QStringList GenerateProjectRecords(const DrawWord& draw) {
  Draws d(draw);
  Project p;
  ChooseElement(d, p);
  ChooseTemperatures(d, p);
  RoundTemperatures(p);
  ChooseLayers(d, p);
  ChooseSurfaces(d, p);
  ChooseGround(d, p);
  ChooseTargets(d, p);
  ChooseEconomics(d, p);
  return Records(p, Reference(p));
}

QString ProjectText(const QStringList& records) {
  qsizetype size = 0;
  for (const QString& value : records) size += value.size() + 4;
  QString text;
  text.reserve(size);
  for (const QString& value : records) {
    text += u'"';
    text += value;
    text += QLatin1String("\"\r\n");
  }
  return text;
}

QString GenerateProject(std::mt19937& rng) {
  const DrawWord word = [&rng] { return static_cast<std::uint32_t>(rng()); };
  return ProjectText(GenerateProjectRecords(word));
}

QString NumberedProject(std::uint32_t number) {
  std::mt19937 rng(number);
  return GenerateProject(rng);
}
