// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes as the inputs of one calculation of the engine, with no window in
// between: every number of CalcInputs, including values that no field lets
// through (zero, negative, huge, subnormal, not a number, infinite). The
// calculation must end within its bound of resistance evaluations, and either
// refuse with a message or give only finite figures. When every number passes
// the check of its field and the lists hold rows the window offers, the
// physical invariants of tests/invariants hold too.
#include "CalculationInvariants.h"

#include "checking/KindRules.h"
#include "engine/CalcOutcome.h"
#include "engine/ResultFigures.h"

#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

// What bounds a calculation: a coefficient loop gives up after 500 passes, and
// a search of the thickness (or of the economic thickness) stops at 5000 mm,
// which single-precision steps of 0.1 mm reach in 49,975 steps. A run makes
// the bare element's passes, then on each pass of its loop one bare resistance
// and a search; settling between two thicknesses the passes alternate between
// takes at most 31 searches more. The economic search takes the place of the
// loop, one evaluation per step and one more for the step it keeps.
constexpr long kPasses = 500;
constexpr long kSearchSteps = 50000;
constexpr long kMaxEvaluations = kPasses + (kPasses + 31) * (1 + kSearchSteps) + kSearchSteps + 1;

constexpr float kInf = std::numeric_limits<float>::infinity();

// The fuzzer's bytes, read in order; past their end every byte is zero.
class Bytes {
 public:
  Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  uint32_t Word() {
    uint32_t w = 0;
    for (int i = 0; i < 4; ++i) w |= uint32_t(Byte()) << (8 * i);
    return w;
  }
  double Unit() { return (Byte() | Byte() << 8) / 65535.0; }
  int Choice(int n) { return Byte() % n; }
  bool Flag() { return Byte() & 1; }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

// A number of the inputs and the kind of the field it is read from. A field
// the window does not check (`checked` false) is read within the limits of
// the kind given, and passes with any finite number.
struct NumberField {
  const char* name;
  float CalcInputs::*member;
  const char* kind;
  bool checked = true;
};

const std::vector<NumberField>& NumberFields() {
  static const std::vector<NumberField> fields = {
      {"Ti", &CalcInputs::Ti, "Temperatura"},
      {"Te", &CalcInputs::Te, "Temperatura"},
      {"soilTemperature", &CalcInputs::soilTemperature, "Temperatura"},
      {"interiorHumidity", &CalcInputs::interiorHumidity, "Porcentaje"},
      {"exteriorHumidity", &CalcInputs::exteriorHumidity, "Porcentaje"},
      {"interiorCoef", &CalcInputs::interiorCoef, "CoeficienteConv"},
      {"exteriorCoef", &CalcInputs::exteriorCoef, "CoeficienteConv"},
      {"interiorEmission", &CalcInputs::interiorEmission, "Emision"},
      {"exteriorEmission", &CalcInputs::exteriorEmission, "Emision"},
      {"interiorVelocity", &CalcInputs::interiorVelocity, "Velocidad"},
      {"exteriorVelocity", &CalcInputs::exteriorVelocity, "Velocidad"},
      {"interiorHeight", &CalcInputs::interiorHeight, "Altura"},
      {"ductWidth", &CalcInputs::ductWidth, "Altura"},
      {"exteriorLength", &CalcInputs::exteriorLength, "Altura"},
      {"interiorDiameter", &CalcInputs::interiorDiameter, "Radio"},
      {"boxSize", &CalcInputs::boxSize, "Espesor"},
      {"boxConductivity", &CalcInputs::boxConductivity, "Conductividad"},
      {"boxResistance", &CalcInputs::boxResistance, "ResistenciaT"},
      {"soilConductivity", &CalcInputs::soilConductivity, "Conductividad"},
      {"depth", &CalcInputs::depth, "Altura"},
      {"soilDensity", &CalcInputs::soilDensity, "Densidad"},
      {"soilHumidity", &CalcInputs::soilHumidity, "Porcentaje"},
      {"wantedHeatFlow", &CalcInputs::wantedHeatFlow, "Calor"},
      {"wantedPercentage", &CalcInputs::wantedPercentage, "Porcentaje"},
      {"wantedResistance", &CalcInputs::wantedResistance, "ResistenciaT"},
      {"wantedExteriorSurface", &CalcInputs::wantedExteriorSurface, "Temperatura"},
      {"wantedInteriorSurface", &CalcInputs::wantedInteriorSurface, "Temperatura", false},
      {"wantedFinalTemperature", &CalcInputs::wantedFinalTemperature, "Temperatura"},
      {"finalTemperatureLength", &CalcInputs::finalTemperatureLength, "Longitud"},
      {"freezingHours", &CalcInputs::freezingHours, "Horas"},
      {"frozenPercentage", &CalcInputs::frozenPercentage, "Porcentaje"},
      {"inflation", &CalcInputs::inflation, "Porcentaje"},
      {"opportunity", &CalcInputs::opportunity, "Porcentaje"},
      {"lifeYears", &CalcInputs::lifeYears, "Anos"},
      {"hoursPerYear", &CalcInputs::hoursPerYear, "Horas"},
      {"energyCost", &CalcInputs::energyCost, "CosteEnerg"},
      {"thickness1", &CalcInputs::thickness1, "Espesor"},
      {"cost1", &CalcInputs::cost1, "Coste"},
      {"thickness2", &CalcInputs::thickness2, "Espesor"},
      {"cost2", &CalcInputs::cost2, "Coste"},
      {"length", &CalcInputs::length, "Longitud", false},
  };
  return fields;
}

struct LayerField {
  const char* name;
  float LayerInput::*member;
  const char* kind;
};

const LayerField kLayerFields[] = {
    {"thickness", &LayerInput::thickness, "Espesor"},
    {"conductivity", &LayerInput::conductivity, "Conductividad"},
    {"resistance", &LayerInput::resistance, "ResistenciaT"},
    {"vapourResistivity", &LayerInput::vapourResistivity, "ResistividadV"},
};

// The rule of a kind, looked up once.
const KindRule& Limits(const char* kind) {
  static std::vector<std::pair<const char*, const KindRule*>> known;
  for (const auto& [name, rule] : known)
    if (name == kind) return *rule;
  known.emplace_back(kind, FindKindRule(QString::fromLatin1(kind)));
  return *known.back().second;
}

// The rules of the fields, in their order, looked up once for every input.
const std::vector<const KindRule*>& NumberRules() {
  static const std::vector<const KindRule*> rules = [] {
    std::vector<const KindRule*> found;
    for (const NumberField& field : NumberFields()) found.push_back(&Limits(field.kind));
    return found;
  }();
  return rules;
}

const std::vector<const KindRule*>& LayerRules() {
  static const std::vector<const KindRule*> rules = [] {
    std::vector<const KindRule*> found;
    for (const LayerField& field : kLayerFields) found.push_back(&Limits(field.kind));
    return found;
  }();
  return rules;
}

// A number within the limits of a kind: spread over them (over their
// logarithm when they span decades), whole for an integer kind.
float WithinLimits(Bytes& bytes, const KindRule& limits) {
  const double u = bytes.Unit();
  const double lower = limits.lower, upper = limits.upper;
  double value = lower > 0 && upper / lower >= 100 ? lower * std::pow(upper / lower, u) : lower + (upper - lower) * u;
  if (limits.integer) value = std::round(value);
  return std::min(std::max(static_cast<float>(value), limits.lower), limits.upper);
}

// One number. A zero selector keeps the start value the inputs have (the
// default of an empty input); otherwise a value within the limits, or, when
// `wild`, one of the values past every check.
float ReadNumber(Bytes& bytes, float start, const KindRule& limits, bool wild) {
  const uint8_t selector = bytes.Byte();
  if (selector == 0) return limits.Admits(start) || wild ? start : limits.lower;
  if (selector < 128 || !wild) {
    if (selector == 127 || selector == 255) return limits.upper;
    if (selector == 126 || selector == 254) return limits.lower;
    return WithinLimits(bytes, limits);
  }
  switch (selector % 14) {
    case 0: return 0.0f;
    case 1: return -0.0f;
    case 2: return -WithinLimits(bytes, limits);
    case 3: return std::nextafter(limits.lower, -kInf);
    case 4: return std::nextafter(limits.upper, kInf);
    case 5: return 1e30f;
    case 6: return std::numeric_limits<float>::max();
    case 7: return -std::numeric_limits<float>::max();
    case 8: return 1e-40f;  // subnormal
    case 9: return std::numeric_limits<float>::min();
    case 10: return std::numeric_limits<float>::quiet_NaN();
    case 11: return kInf;
    case 12: return -kInf;
    default: {
      const uint32_t word = bytes.Word();
      float raw;
      std::memcpy(&raw, &word, sizeof raw);
      return raw;
    }
  }
}

struct Decoded {
  CalcInputs in;
  bool windowLike = true;  // every number passes its field's check, every list holds a row the window offers
};

Decoded Decode(const uint8_t* data, size_t size) {
  Bytes bytes(data, size);
  Decoded d;
  CalcInputs& in = d.in;
  // The first byte: numbers past the checks of the fields, and conditions and
  // marks no window would give. A project file, which starts with a quote,
  // reads as neither.
  const uint8_t mode = bytes.Byte();
  const bool wild = mode & 1;
  const bool anyCondition = (mode & 0x0c) == 0x0c;

  in.kind = static_cast<GeometryKind>(bytes.Choice(4) + 1);
  in.plateOrientation = bytes.Choice(3);
  in.pipePlacing = bytes.Choice(4);
  in.specialVariant = bytes.Choice(3);
  in.thicknessTarget = bytes.Flag();
  // The rows of the element's condition list: a buried pipe offers four, a
  // sphere six, a duct seven, a plate and a pipe in air eight.
  const int rows = in.IsBuried() ? 4 : in.IsSphere() ? 6 : in.IsDuct() ? 7 : 8;
  const int row = bytes.Choice(rows);
  if (anyCondition) {
    in.condition = static_cast<DesignCondition>(bytes.Choice(int(DesignCondition::NotForElement) + 1));
  } else {
    in.condition =
        in.thicknessTarget && !in.IsTank() ? ConditionOfRow(in.kind, in.IsPipeInAir(), row) : DesignCondition::None;
  }
  // A sphere offers no calculated coefficient, a tank none inside.
  const int interiorModes = in.IsSphere() || in.IsTank() ? 2 : 3, exteriorModes = in.IsSphere() ? 2 : 3;
  in.interiorMode = static_cast<SurfaceCoefMode>(bytes.Choice(anyCondition ? 3 : interiorModes));
  in.exteriorMode = static_cast<SurfaceCoefMode>(bytes.Choice(anyCondition ? 3 : exteriorModes));
  in.interiorHeightShown = bytes.Flag();
  in.ductWidthShown = bytes.Flag();
  if (!anyCondition) {
    // The window shows a duct's height and width, and a plate's height when
    // its interior coefficient is calculated.
    in.ductWidthShown = in.IsDuct();
    in.interiorHeightShown = in.IsDuct() || (in.IsPlate() && in.interiorMode == SurfaceCoefMode::Calculate);
  }
  in.surroundings = bytes.Choice(2);
  in.layerCount = bytes.Choice(6) + 1;
  in.boxMode = bytes.Choice(3);
  in.soilMode = bytes.Choice(2);
  in.waterEstimate = bytes.Flag();
  in.airEstimate = bytes.Flag();
  in.condensationStudy = bytes.Flag();
  in.interiorLaminar = bytes.Flag();
  in.exteriorLaminar = bytes.Flag();

  const int marked = bytes.Choice(6) + 1;
  for (int i = 1; i <= 6; ++i) {
    LayerInput& layer = in.layers[i];
    layer = LayerInput{};
    layer.thickness = 50;
    layer.conductivity = 0.04f;
    layer.resistance = 1;
    const uint8_t flags = bytes.Byte();
    layer.conductivityEntered = !(flags & 1);
    // The window gives a layer by its conductivity or by its resistance, and marks one layer.
    layer.resistanceEntered = anyCondition ? (flags & 2) : !layer.conductivityEntered;
    layer.marked = anyCondition ? (flags & 4) : i == marked;
    for (size_t f = 0; f < std::size(kLayerFields); ++f) {
      const LayerField& field = kLayerFields[f];
      const KindRule& limits = *LayerRules()[f];
      float& value = layer.*field.member;
      value = ReadNumber(bytes, value, limits, wild);
      d.windowLike &= limits.Admits(value);
    }
  }
  for (size_t f = 0; f < NumberFields().size(); ++f) {
    const NumberField& field = NumberFields()[f];
    const KindRule& limits = *NumberRules()[f];
    float& value = in.*field.member;
    value = ReadNumber(bytes, value, limits, wild);
    d.windowLike &= field.checked ? limits.Admits(value) : std::isfinite(value);
  }
  d.windowLike &= !anyCondition;
  // An economic search runs while the total cost falls; with an insulation
  // that costs less the thicker it is, it falls all the way to 5 m, some
  // 50,000 steps, of which those it cannot pass over (a coefficient of a
  // plate's interior that follows its surface, a switch of the convection
  // regime, a buried pipe) would take most of the fuzzer's time. Unless the
  // last byte asks for such a run (one value in 64), the two costs of the
  // insulation are put in the order that makes it dearer when thicker. Only
  // the order of two values changes, so every input still reads as one the
  // window could give.
  const bool farReaching = bytes.Byte() % 64 == 63;
  if (!farReaching && (double(in.thickness2) - in.thickness1) * (double(in.cost2) - in.cost1) < 0)
    std::swap(in.cost1, in.cost2);
  return d;
}

std::string Describe(const CalcInputs& in) {
  std::string text;
  auto put = [&text](const std::string& name, double value) {
    char line[96];
    std::snprintf(line, sizeof line, "  %s = %.9g\n", name.c_str(), value);
    text += line;
  };
  put("kind", int(in.kind));
  put("plateOrientation", in.plateOrientation);
  put("pipePlacing", in.pipePlacing);
  put("specialVariant", in.specialVariant);
  put("thicknessTarget", in.thicknessTarget);
  put("condition", int(in.condition));
  put("interiorMode", int(in.interiorMode));
  put("exteriorMode", int(in.exteriorMode));
  put("interiorHeightShown", in.interiorHeightShown);
  put("ductWidthShown", in.ductWidthShown);
  put("surroundings", in.surroundings);
  put("layerCount", in.layerCount);
  put("boxMode", in.boxMode);
  put("soilMode", in.soilMode);
  put("waterEstimate", in.waterEstimate);
  put("airEstimate", in.airEstimate);
  put("condensationStudy", in.condensationStudy);
  put("interiorLaminar", in.interiorLaminar);
  put("exteriorLaminar", in.exteriorLaminar);
  for (int i = 1; i <= in.layerCount; ++i) {
    const LayerInput& layer = in.layers[i];
    const std::string row = "layer " + std::to_string(i) + " ";
    put(row + "conductivityEntered", layer.conductivityEntered);
    put(row + "resistanceEntered", layer.resistanceEntered);
    put(row + "marked", layer.marked);
    for (const LayerField& field : kLayerFields) put(row + field.name, layer.*field.member);
  }
  for (const NumberField& field : NumberFields()) put(field.name, in.*field.member);
  return text;
}

[[noreturn]] void Fail(const CalcInputs& in, const CalcOutcome& out, const std::string& what) {
  std::fprintf(stderr, "%s\n-- messages:\n", what.c_str());
  for (const CalcMessage& m : out.Messages()) std::fprintf(stderr, "  %s\n", qPrintable(m.text));
  std::fprintf(stderr, "-- the inputs:\n%s", Describe(in).c_str());
  std::abort();
}

bool AllFinite(const QVector<double>& figures) {
  for (double figure : figures)
    if (!std::isfinite(figure)) return false;
  return true;
}

// The most evaluations one input took, told when the run ends.
struct MostEvaluations {
  long most = 0;
  ~MostEvaluations() { std::fprintf(stderr, "The most resistance evaluations of one calculation: %ld\n", most); }
};

}  // namespace

// libFuzzer weighs the inputs of its corpus by how much new coverage they
// bring; told to, it also favours those that run faster, so the few inputs
// that walk a search through thousands of steps are mutated less often than
// the many that do not. A run's own -entropic_scale_per_exec_time wins.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static std::vector<char*> args;
  static char favourFast[] = "-entropic_scale_per_exec_time=1";
  bool given = false;
  for (int i = 0; i < *argc; ++i) {
    args.push_back((*argv)[i]);
    given |= std::strncmp((*argv)[i], "-entropic_scale_per_exec_time", 29) == 0;
  }
  if (!given) args.push_back(favourFast);
  args.push_back(nullptr);
  *argc = static_cast<int>(args.size()) - 1;
  *argv = args.data();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static MostEvaluations seen;
  const Decoded d = Decode(data, size);
  const CalcInputs& in = d.in;
  const CalcOutcome out = Calculate(in);
  seen.most = std::max(seen.most, out.evaluations);

  if (out.evaluations > kMaxEvaluations)
    Fail(in, out,
         std::to_string(out.evaluations) + " resistance evaluations, beyond the bound of " +
             std::to_string(kMaxEvaluations));
  const bool refused = !out.hasResults || out.absurdData;
  if (refused && out.Messages().empty()) Fail(in, out, "the calculation gave no results and no message");
  if (!refused && !AllFinite(ResultFigures(in, out.results)))
    Fail(in, out, "results shown with a figure that is not a finite number");
  if (out.economic) {
    const EconomicOutcome& e = out.economicOutcome;
    if (!AllFinite({e.thickness, e.cost, e.investment, e.heatFlow, e.resistance}))
      Fail(in, out, "an economic panel with a figure that is not a finite number");
  }
  if (!refused && out.results.hasDewPoints)
    for (const QPointF& p : out.results.dewPointProfile)
      if (!std::isfinite(p.x()) || !std::isfinite(p.y())) Fail(in, out, "a dew-point line that is not finite");

  if (d.windowLike) {
    const InvariantReport report = CheckCalculationInvariants(in, out);
    if (!report.violations.empty()) Fail(in, out, "A physical invariant is broken:\n" + Describe(report));
  }
  return 0;
}
