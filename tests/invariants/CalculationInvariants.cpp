// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalculationInvariants.h"

#include "engine/CalcOutcome.h"
#include "engine/Constants.h"
#include "engine/EconomicThickness.h"
#include "engine/LayerStack.h"
#include "engine/Moisture.h"
#include "engine/ResultFigures.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

namespace {

constexpr float kStep = 0.1f;          // mm: the step of the thickness and economic searches
constexpr float kMoreInsulation = 10;  // mm added for the monotonic check
// The searches end once the surface coefficients move by less than 0.001
// W/m2ºC from one pass to the next, so a heat-flow run of the thickness found
// reproduces the figures of the search to about a thousandth.
constexpr double kRelative = 1e-3;
constexpr double kSurfaceTolerance = 0.1;  // ºC, a surface temperature asked for
constexpr double kDewTolerance = 0.01;     // ºC, a surface kept above a dew point
constexpr double kOrderTolerance = 1e-3;   // ºC, single-precision temperatures in a row
// Water: 1000 kg/m3 at 4.19 kJ/kgºC; ice: 920 kg/m3, 333.8 kJ/kg to freeze.
constexpr double kWaterHeatPerVolume = 1000 * 4.19e3;  // J/m3ºC
constexpr double kIceLatentPerVolume = 920 * 333.8e3;  // J/m3
// The water's cross-section per mm2 of diameter squared, m2, with the program's π.
constexpr double kPipeSectionPerMm2 = 0.0031416 * 0.001 * 0.25;

std::string Number(double value) {
  std::ostringstream s;
  s.precision(7);
  s << value;
  return s.str();
}

// "T0", "T1", ...: the temperature at the interior surface and at the outer face of each layer.
std::string Face(int i) {
  std::string name = "T";
  name += std::to_string(i);
  return name;
}

const char* ConditionName(DesignCondition c) {
  switch (c) {
    case DesignCondition::None: return "heat flow";
    case DesignCondition::HeatFlow: return "thickness for a heat flow";
    case DesignCondition::Percentage: return "thickness for a percentage of the bare flow";
    case DesignCondition::Resistance: return "thickness for a resistance";
    case DesignCondition::Economic: return "economic thickness";
    case DesignCondition::ExteriorSurfaceTemperature: return "thickness for an exterior surface temperature";
    case DesignCondition::NoExteriorCondensation: return "thickness against exterior condensation";
    case DesignCondition::InteriorSurfaceTemperature: return "thickness for an interior surface temperature";
    case DesignCondition::NoInteriorCondensation: return "thickness against interior condensation";
    case DesignCondition::FinalWaterTemperature: return "thickness for a final water temperature";
    case DesignCondition::FreezingTime: return "thickness for a freezing time";
    case DesignCondition::NotForElement: return "condition the element lacks";
  }
  return "?";
}

// A heat-flow calculation of the element with its insulation at one thickness.
struct Run {
  bool ok = false;  // results and no absurd-data warning
  // The coefficient loop gave up: a surface at the switch between the laminar
  // and the turbulent correlation, whose coefficient never settles.
  bool unsettled = false;
  // Worked out, then refused because the element cannot hold it (a buried
  // pipe reaching above the ground or beyond the walls of its box).
  bool outgrown = false;
  // The convection regimes the run ended in (laminar or not), inside and out.
  bool interiorLaminar = false, exteriorLaminar = false;
  Results r;
  float thickness = 0;
  float T(int i) const { return r.temperatures[i]; }
  float Outer() const { return r.temperatures[r.layerCount]; }
};

class Checker {
 public:
  Checker(const CalcInputs& in, const CalcOutcome& out, InvariantReport& report)
      : in_(in), out_(out), report_(report) {}

  void Check() {
    if (!in_.thicknessTarget) {
      // The heat flow leaves the layers unmarked: the one of least conductivity is the insulation.
      for (int i = 1; i <= in_.layerCount; ++i)
        if (Conductive(i) && (layer_ == 0 || in_.layers[i].conductivity < in_.layers[layer_].conductivity)) layer_ = i;
      CheckHeatFlowTarget(out_.results);
      if (layer_ > 0) CheckMoreInsulation(in_.layers[layer_].thickness);
      return;
    }
    for (int i = 1; i <= in_.layerCount; ++i)
      if (in_.layers[i].marked) layer_ = i;
    if (layer_ == 0 || !Conductive(layer_)) return;
    if (in_.condition == DesignCondition::Economic) {
      CheckEconomicThickness();
      CheckMoreInsulation(out_.economicOutcome.thickness);
    } else if (CheckThicknessTarget()) {
      CheckMoreInsulation(out_.results.insulationThickness);
    }
  }

 private:
  // A layer given by its thickness and conductivity.
  bool Conductive(int i) const { return in_.layers[i].conductivityEntered && !in_.layers[i].resistanceEntered; }

  double Interior() const { return in_.condition == DesignCondition::FreezingTime ? 0.0 : double(in_.Ti); }
  double Exterior() const { return in_.IsBuried() ? in_.soilTemperature : in_.Te; }

  void Fail(const std::string& what) {
    report_.violations.push_back(std::string(ConditionName(in_.condition)) + ": " + what);
  }

  // The same element calculated for its heat flow, the insulation `thickness` mm thick.
  const Run& At(float thickness) {
    auto found = runs_.find(thickness);
    if (found != runs_.end()) return found->second;
    return runs_.emplace(thickness, RunOf(in_, thickness)).first->second;
  }

  // The same, with the surface coefficients the search showed imposed where
  // they are calculated: the temperatures the search showed are this run's.
  // The search works its coefficients out from the temperatures of the
  // resistance it requires, not those of the 0.1 mm step it stops at, so
  // where one step moves a surface far they may differ from a heat-flow
  // run's own by more than its temperatures are read to.
  Run WithShownCoefficients(float thickness, const Results& shown) const {
    CalcInputs h = in_;
    if (h.interiorMode == SurfaceCoefMode::Calculate) {
      h.interiorMode = SurfaceCoefMode::Impose;
      h.interiorCoef = shown.interiorCoef;
    }
    if (h.exteriorMode == SurfaceCoefMode::Calculate && !in_.IsBuried()) {
      h.exteriorMode = SurfaceCoefMode::Impose;
      h.exteriorCoef = shown.exteriorCoef;
    }
    return RunOf(h, thickness);
  }

  Run RunOf(const CalcInputs& element, float thickness) const {
    CalcInputs h = element;
    h.thicknessTarget = false;
    h.condition = DesignCondition::None;
    h.layers[layer_].thickness = thickness;
    // A freezing pipe holds still water at its freezing point, as the search takes it.
    h.Ti = static_cast<float>(Interior());
    const CalcOutcome o = Calculate(h);
    Run run;
    run.ok = o.hasResults && !o.absurdData;
    run.outgrown = o.hasResults && o.absurdData;
    for (const CalcMessage& m : o.Messages()) run.unsettled |= m.id == MessageId::CoefficientsDoNotConverge;
    run.interiorLaminar = o.interiorLaminar;
    run.exteriorLaminar = o.exteriorLaminar;
    run.r = o.results;
    run.thickness = thickness;
    return run;
  }

  // ---- the heat-flow target

  void CheckHeatFlowTarget(const Results& r) {
    report_.heatFlowChecked = true;
    const double Ti = in_.Ti, Te = Exterior();
    const double dT = std::abs(Ti - Te);
    const double q = r.heatFlow, R = r.resistanceTotal;
    if (std::abs(q * R - dT) > 1e-4 * std::max(dT, 1.0))
      Fail("heat flow " + Number(q) + " × total resistance " + Number(R) + " = " + Number(q * R) +
           ", not the temperature difference " + Number(dT));

    double sum = r.resistances[10];
    for (int i = 0; i <= r.layerCount; ++i) sum += r.resistances[i];
    if (in_.IsInBox()) sum += r.boxResistanceValue;
    if (std::abs(sum - R) > 1e-4 * R + 1e-6)
      Fail("the resistances of the surfaces, layers" + std::string(in_.IsInBox() ? ", box" : "") + " and " +
           (in_.IsBuried() ? "soil" : "exterior") + " add up to " + Number(sum) + ", the total is " + Number(R));

    // From the interior fluid to the exterior fluid or the soil, the temperature never turns back.
    std::vector<std::pair<std::string, double>> line = {{"interior", Ti}};
    for (int i = 0; i <= r.layerCount; ++i) line.emplace_back(Face(i), r.temperatures[i]);
    if (r.hasBox) line.emplace_back("box", r.boxTemperature);
    line.emplace_back(in_.IsBuried() ? "soil" : "exterior", Te);
    const double direction = Ti >= Te ? -1 : 1;
    for (size_t i = 1; i < line.size(); ++i) {
      if (direction * (line[i].second - line[i - 1].second) < -kOrderTolerance)
        Fail("the temperature turns back between " + line[i - 1].first + " " + Number(line[i - 1].second) + " and " +
             line[i].first + " " + Number(line[i].second));
    }
  }

  // ---- the thickness target

  // A condition on a figure: one step beyond the thickness found (`more`) it
  // must not exceed `limit` (upper) or fall below it (lower), and one step
  // short of it (`less`) it must not already meet it with room to spare.
  void Limit(const std::string& figure, double more, double less, bool hasLess, double limit, bool upper) {
    const double slack = (kRelative + settling_) * std::abs(limit);
    const bool met = upper ? more <= limit + slack : more >= limit - slack;
    if (!met)
      Fail(figure + " " + Number(more) + " at 0.1 mm beyond the thickness found, " + (upper ? "above" : "below") +
           " the " + Number(limit) + " asked for");
    const bool spare = upper ? less < limit - slack : less > limit + slack;
    if (hasLess && spare)
      Fail(figure + " " + Number(less) + " already " + (upper ? "below" : "above") + " the " + Number(limit) +
           " asked for at 0.1 mm short of the thickness found: too much insulation");
  }

  // A surface temperature reached within 0.1 ºC and a step of thickness
  // either way: a pipe or sphere is searched 0.1 mm at a time, and with
  // calculated coefficients the search may end on either of two neighbouring
  // steps that it alternates between.
  void Near(const std::string& surface, double less, double at, double more, double wanted, const std::string& aim) {
    const double tolerance = kSurfaceTolerance + std::abs(more - at) + std::abs(at - less);
    if (std::abs(at - wanted) > tolerance)
      Fail(surface + " at " + Number(at) + " ºC with the thickness found, not at " + aim + " " + Number(wanted) +
           " ºC");
  }

  // A surface kept above a dew point, judged to the difference between the
  // temperature the search showed and a heat-flow run's at the same
  // thickness: where the coefficients settle slowly (metres of insulation),
  // the two loops stop on either side of them, a hundredth of a degree apart.
  static double DewTolerance(double shown, double run) { return kDewTolerance + std::abs(shown - run); }

  double DuctFlowPerMetre(const Run& run) const { return run.r.heatFlow * ResultsDuctPerimeter(in_, run.r); }

  // The resistance per metre that lets water flowing along the pipe change
  // its temperature no more than asked: T(x) = Te + (Ti - Te)·exp(-x / (R·C)),
  // C the heat the flow carries per ºC.
  double FinalTemperatureResistance() const {
    const double D = in_.interiorDiameter;
    const double C = kWaterHeatPerVolume * kPipeSectionPerMm2 * D * D * in_.interiorVelocity;
    const double Ti = in_.Ti, Te = in_.Te;
    return in_.finalTemperatureLength / (C * std::log((Ti - Te) / (double(in_.wantedFinalTemperature) - Te)));
  }

  // Hours for still water at Ti to cool to 0 ºC and then freeze to the given
  // fraction through a resistance R per metre towards Te below zero.
  double FreezingHours(double R) const {
    const double D = in_.interiorDiameter;
    const double A = kPipeSectionPerMm2 * D * D;
    const double Ti = in_.Ti, Te = in_.Te;
    const double cooling = kWaterHeatPerVolume * std::log((Ti - Te) / -Te);
    const double freezing = double(in_.frozenPercentage) * 0.01 * kIceLatentPerVolume / -Te;
    return R * A * (cooling + freezing) / 3600;
  }

  // A search that ended on a cycle of its passes keeps the surface
  // resistances of one pass beside the coefficients of the other: two
  // thicknesses in turn (a surface at the switch between the laminar and the
  // turbulent correlation), or one thickness whose exterior coefficient
  // swings between two values (a step of 0.1 mm of an insulation of 0.0015
  // W/mºC moves the surface 9 ºC; the passes work the coefficients out from
  // the resistance required, the figures from the step's). Its surface
  // resistances then differ from a settled run's by far more than a pass
  // that settled moves them, or its coefficients are not the ones its own
  // surface resistances were worked out with (a search that ends as it
  // should shows the very coefficients of its last pass). No thickness
  // meets the condition with settled coefficients there.
  bool Unsettled(const Results& found, const Results& run) const {
    for (int i : {0, 10}) {
      const double a = found.resistances[i], b = run.resistances[i];
      if (std::abs(a - b) > 0.01 * std::max(std::abs(a), std::abs(b))) return true;
    }
    return !MatchesItsCoefficient(found.resistances[0], found.interiorCoef, SurfaceArea(found, 0)) ||
           (!in_.IsBuried() &&
            !MatchesItsCoefficient(found.resistances[10], found.exteriorCoef, SurfaceArea(found, 1)));
  }

  // The area of the interior (0) or exterior (1) surface per unit of the element, m2.
  double SurfaceArea(const Results& r, int outer) const {
    if (in_.IsPlate() || in_.IsDuct()) return 1;
    double radius = double(in_.interiorDiameter) * 0.0005;
    if (outer)
      for (int i = 1; i <= r.layerCount; ++i) radius += double(r.thicknesses[i]) * 0.001;
    return in_.IsSphere() ? kFourPi * radius * radius : kTwoPi * radius;
  }

  // To single precision, and the radii summed apart from the engine's.
  static bool MatchesItsCoefficient(double resistance, double coefficient, double area) {
    if (!(coefficient > 0) || !(resistance > 0)) return true;
    return std::abs(resistance * coefficient * area - 1) <= 1e-4;
  }

  static bool SameRegimes(const Run& a, const Run& b) {
    return a.interiorLaminar == b.interiorLaminar && a.exteriorLaminar == b.exteriorLaminar;
  }

  // False when the thickness could not be checked.
  bool CheckThicknessTarget() {
    const Results& r = out_.results;
    if (r.insulationLayer != layer_) {
      Fail("the thickness was found for layer " + std::to_string(r.insulationLayer) + ", the insulation is layer " +
           std::to_string(layer_));
      return false;
    }
    const float t = r.insulationThickness;
    const Run& at = At(t);
    // A neighbour the element cannot hold (the insulation no longer fits in
    // its box, say) leaves the check to the thickness found itself.
    const Run& nextRun = At(t + kStep);
    const bool hasLess = t >= kStep;
    const Run& lessRun = At(hasLess ? t - kStep : t);
    // Across a switch of convection regime the condition may turn back: the
    // search stops at the first step that meets it, and the next step, in the
    // other correlation, need not meet it. The check is then left to the
    // thickness found, as for a neighbour the element cannot hold.
    const bool regimeChanges = nextRun.ok && !SameRegimes(nextRun, at);
    if (regimeChanges) report_.regimeChanged = true;
    const Run& more = (nextRun.ok || nextRun.unsettled) && !regimeChanges ? nextRun : at;
    const Run& less = lessRun.ok || lessRun.unsettled ? lessRun : at;
    if (at.unsettled || more.unsettled || less.unsettled) {
      report_.unsettled = true;
      return false;
    }
    if (!at.ok || !more.ok || !less.ok) {
      Fail("a heat-flow run at " + Number(t) + " mm, the thickness found, gives no results");
      return false;
    }
    if (Unsettled(r, at.r)) {
      report_.unsettled = true;
      return false;
    }
    // The search's coefficient loop and the heat-flow run's each stop once a
    // pass moves the coefficients by less than their tolerance; where they
    // converge slowly, the two stop on either side of the coefficient they
    // tend to, and their totals at the same thickness differ by as much. A
    // limit on a figure of the total is judged to that difference too.
    settling_ = std::abs(double(r.resistanceTotal) - at.r.resistanceTotal) /
                std::max(std::abs(double(at.r.resistanceTotal)), 1e-30);
    report_.thicknessChecked = true;

    // The temperatures shown belong to the thickness found, with the coefficients shown.
    const Run shownRun = WithShownCoefficients(t, r);
    const Run& reference = shownRun.ok ? shownRun : at;
    for (int i = 0; i <= r.layerCount; ++i) {
      const double tolerance = kSurfaceTolerance + (shownRun.ok ? 0.0 : std::abs(double(more.T(i)) - at.T(i)));
      if (std::abs(double(r.temperatures[i]) - reference.T(i)) > tolerance)
        Fail(Face(i) + " shown " + Number(r.temperatures[i]) + ", a heat-flow run at the thickness found gives " +
             Number(reference.T(i)));
    }

    switch (in_.condition) {
      case DesignCondition::HeatFlow:
        if (in_.IsDuct())
          Limit("heat flow per metre of duct", DuctFlowPerMetre(more), DuctFlowPerMetre(less), hasLess,
                in_.wantedHeatFlow, true);
        else
          Limit("heat flow", more.r.heatFlow, less.r.heatFlow, hasLess, in_.wantedHeatFlow, true);
        break;
      case DesignCondition::Percentage: {
        const Run& bare = At(0);
        if (!bare.ok) {
          Fail("the bare element gives no results");
          break;
        }
        Limit("heat flow", more.r.heatFlow, less.r.heatFlow, hasLess,
              double(bare.r.heatFlow) * in_.wantedPercentage * 0.01, true);
        break;
      }
      case DesignCondition::Resistance:
        if (in_.IsPlate()) {
          Limit("overall coefficient", 1 / double(more.r.resistanceTotal), 1 / double(less.r.resistanceTotal), hasLess,
                in_.wantedResistance, true);
        } else if (in_.IsDuct()) {
          auto linear = [&](const Run& run) { return run.r.resistanceTotal / ResultsDuctPerimeter(in_, run.r); };
          Limit("resistance per metre of duct", linear(more), linear(less), hasLess, in_.wantedResistance, false);
        } else {
          Limit("total resistance", more.r.resistanceTotal, less.r.resistanceTotal, hasLess, in_.wantedResistance,
                false);
        }
        break;
      case DesignCondition::ExteriorSurfaceTemperature:
        Near("exterior surface", less.Outer(), at.Outer(), more.Outer(), in_.wantedExteriorSurface,
             "the temperature asked for");
        break;
      case DesignCondition::InteriorSurfaceTemperature:
        Near("interior surface", less.T(0), at.T(0), more.T(0), in_.wantedInteriorSurface, "the temperature asked for");
        break;
      case DesignCondition::NoExteriorCondensation: {
        const float dew =
            DewPointTemperature(static_cast<float>(double(SaturationPressure(in_.Te)) * in_.exteriorHumidity * 0.01));
        if (more.Outer() < dew - DewTolerance(r.temperatures[r.layerCount], at.Outer()))
          Fail("exterior surface " + Number(more.Outer()) + " ºC below the dew point " + Number(dew) +
               " ºC at 0.1 mm beyond the thickness found");
        // The least insulation that avoids condensation leaves the surface at the dew point.
        Near("exterior surface", less.Outer(), at.Outer(), more.Outer(), dew, "the dew point");
        break;
      }
      case DesignCondition::NoInteriorCondensation: {
        const float dew =
            DewPointTemperature(static_cast<float>(double(SaturationPressure(in_.Ti)) * in_.interiorHumidity * 0.01));
        if (more.T(0) < dew - DewTolerance(r.temperatures[0], at.T(0)))
          Fail("interior surface " + Number(more.T(0)) + " ºC below the dew point " + Number(dew) +
               " ºC at 0.1 mm beyond the thickness found");
        Near("interior surface", less.T(0), at.T(0), more.T(0), dew, "the dew point");
        break;
      }
      case DesignCondition::FinalWaterTemperature:
        Limit("resistance per metre", more.r.resistanceTotal, less.r.resistanceTotal, hasLess,
              FinalTemperatureResistance(), false);
        break;
      case DesignCondition::FreezingTime:
        Limit("hours to freeze", FreezingHours(more.r.resistanceTotal), FreezingHours(less.r.resistanceTotal), hasLess,
              in_.freezingHours, false);
        break;
      default: Fail("results for a condition the element has no target for"); break;
    }
    return true;
  }

  // ---- the economic thickness

  void CheckEconomicThickness() {
    const float t = out_.economicOutcome.thickness;
    const EconomicFigures figures = PrepareEconomicFigures(in_);
    // The radius of the insulation's inner face, as the search takes it.
    LayerStack s;
    ReadLayers(in_, s);
    double rIn = 0;
    if (in_.HasRadii()) {
      UpdateRadii(in_, s);
      rIn = s.r[layer_ - 1];
    }
    const Run& at = At(t);
    const Run& less = At(t - kStep);
    const Run& more = At(t + kStep);
    if (at.unsettled || less.unsettled || more.unsettled) {
      report_.unsettled = true;
      return;
    }
    // A neighbour the element cannot hold still has its figures: the search
    // weighs such a step too before it stops at the one before.
    if (!at.ok || !(less.ok || less.outgrown) || !(more.ok || more.outgrown)) {
      Fail("a heat-flow run at or beside " + Number(t) + " mm, the economic thickness, gives no results");
      return;
    }
    // The search works each step out with the coefficients the step before
    // left, one update a step, and a calculated coefficient may trail its
    // settled value by far more than the cost moves from one step to the
    // next: no settled run tells which step the search saw as the least. The
    // least cost is checked where the coefficients are given or neglected.
    if (in_.interiorMode == SurfaceCoefMode::Calculate ||
        (in_.exteriorMode == SurfaceCoefMode::Calculate && !in_.IsBuried())) {
      report_.unsettled = true;
      return;
    }
    report_.economicChecked = true;
    auto cost = [&](const Run& run) { return TotalCost(in_, figures, rIn, run.thickness, run.r.heatFlow); };
    const double c = cost(at);
    for (const Run* other : {&less, &more}) {
      const double d = cost(*other);
      // Single-precision costs.
      if (c > d + 1e-6 * std::abs(d))
        Fail("total cost " + Number(c) + " at " + Number(t) + " mm, the economic thickness, but " + Number(d) + " at " +
             Number(other->thickness) + " mm");
    }
  }

  // ---- more insulation

  // The outer radius of a pipe or sphere at the thickness of a run, m.
  double OuterRadius(const Run& run) const {
    double r = double(in_.interiorDiameter) * 0.0005;
    for (int i = 1; i <= run.r.layerCount; ++i) r += double(run.r.thicknesses[i]) * 0.001;
    return r;
  }

  // Whether a thicker insulation may lower the resistance of the element: the
  // outer surface (or the box or soil around a buried pipe) grows with it,
  // and below the critical radius it gains more than the insulation adds; a
  // layer outside it that insulates better loses more than it adds.
  bool MayLoseResistance(const Run& a, const Run& b) const {
    if (!in_.HasRadii()) return false;
    const double k = in_.layers[layer_].conductivity;
    for (int i = layer_ + 1; i <= in_.layerCount; ++i)
      if (Conductive(i) && in_.layers[i].conductivity < k) return true;
    const double ra = OuterRadius(a), rb = OuterRadius(b);
    if (in_.IsInBox()) {
      // The soil around the box stays the same; the box between pipe and walls thins.
      if (in_.boxMode == 0) return k > in_.boxConductivity;
      if (in_.boxMode == 1) return ra < k / 8.5;  // the box air's coefficient
      return false;
    }
    if (in_.IsBuried()) {
      const double lambda = in_.soilMode == 1 ? a.r.soilConductivity : in_.soilConductivity;
      const double x = rb / in_.depth;
      return x < 1 && k > lambda * std::sqrt(1 - x * x);
    }
    const double he = std::min(a.r.exteriorCoef, b.r.exteriorCoef);
    if (!(he > 0)) return false;
    return ra < (in_.IsSphere() ? 2 : 1) * k / he;
  }

  // Whether the thicker run lets more heat through only because it works with
  // other surface coefficients: a calculated coefficient follows its surface
  // temperature (its radiation part grows with it), so the thicker run's may
  // be the larger. Given the thinner run's coefficients on its own surfaces,
  // the thicker run must still resist more. A buried pipe's exterior term is
  // its soil's or its box's, not a coefficient's.
  bool RaisedByItsCoefficients(const Run& a, const Run& b) const {
    if (in_.IsBuried()) return false;
    const double heA = a.r.exteriorCoef, heB = b.r.exteriorCoef;
    double exterior = b.r.resistances[10];
    if (heA > 0 && heB > 0) exterior *= heB / heA;
    const double withThinnerCoefficients =
        double(b.r.resistanceTotal) - b.r.resistances[10] - b.r.resistances[0] + a.r.resistances[0] + exterior;
    return withThinnerCoefficients >= double(a.r.resistanceTotal) * (1 - 1e-5);
  }

  void CheckMoreInsulation(float t) {
    const Run& a = At(t);
    const Run& b = At(t + kMoreInsulation);
    // A buried pipe may outgrow its box or its depth: refused, nothing to compare.
    if (!a.ok || !b.ok) return;
    if (MayLoseResistance(a, b)) {
      report_.belowCriticalRadius = true;
      return;
    }
    // A calculated coefficient whose air changed regime between the two
    // thicknesses jumps from one correlation to the other: still air over a
    // horizontal plate, say, takes a laminar coefficient (ΔT/L)^¼ times 0.59,
    // above the turbulent ΔT^¼ times 0.59 for a height under a metre, so the
    // thicker insulation, leaving the surface nearer the air's temperature
    // and the air laminar, may let more heat through.
    if (!SameRegimes(a, b)) {
      report_.regimeChanged = true;
      return;
    }
    report_.monotonicChecked = true;
    if (double(b.r.heatFlow) > double(a.r.heatFlow) * (1 + 1e-5) + 1e-6 && !RaisedByItsCoefficients(a, b))
      Fail("heat flow " + Number(a.r.heatFlow) + " with " + Number(t) + " mm of insulation but " +
           Number(b.r.heatFlow) + " with 10 mm more");
  }

  const CalcInputs& in_;
  const CalcOutcome& out_;
  InvariantReport& report_;
  int layer_ = 0;
  double settling_ = 0;  // relative difference of the search's total and a heat-flow run's
  std::map<float, Run> runs_;
};

}  // namespace

InvariantReport CheckCalculationInvariants(const CalcInputs& in, const CalcOutcome& out) {
  InvariantReport report;
  if (!out.hasResults || out.absurdData) return report;
  report.hasResults = true;
  Checker(in, out, report).Check();
  return report;
}

std::string Describe(const InvariantReport& report) {
  std::string text;
  for (const std::string& v : report.violations) text += "  " + v + "\n";
  return text;
}
