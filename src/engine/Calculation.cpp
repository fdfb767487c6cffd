// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/CalcOutcome.h"

#include "engine/CalcContext.h"
#include "engine/DecimalRounding.h"
#include "engine/DesignConditions.h"
#include "engine/EconomicThickness.h"
#include "engine/FallingCost.h"
#include "engine/FollowingSurface.h"
#include "engine/Moisture.h"
#include "engine/ResultFigures.h"
#include "engine/Results.h"
#include "engine/TemperatureProfile.h"
#include "engine/ThicknessSolver.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The coefficient loops converge in a few passes; a surface temperature that
// sits at the switch between the laminar and the turbulent correlation can make
// them alternate for ever. Past this many passes the calculation gives up.
constexpr int kMaxCoefficientPasses = 500;

// Where no run of falling costs is shown, the economic search works out this
// many steps before it looks for one again.
constexpr int kStepsBeforeAnotherRun = 48;

const QString kNoConvergence = QT_TRANSLATE_NOOP(
    "CalcMessages",
    "No es posible calcular: los coeficientes superficiales no convergen (se han alcanzado 500 iteraciones). "
    "Revise los datos o imponga los coeficientes.");

// The economic search of a buried pipe reached the most insulation the pipe
// can hold with its total cost still falling.
const QString kEconomicBeyondTheBox = QT_TRANSLATE_NOOP(
    "CalcMessages",
    "Datos absurdos, pues el espesor económico no cabe en la canalización: con el mayor espesor de aislamiento que "
    "cabe en ella el coste total aún baja");
const QString kEconomicBeyondTheDepth = QT_TRANSLATE_NOOP(
    "CalcMessages",
    "Datos absurdos, pues con el espesor económico la profundidad a la que está enterrada la tubería sería menor que "
    "su radio exterior: con el mayor espesor de aislamiento que cabe el coste total aún baja");

bool Converged(float hi, float hiNew, float he, float heNew) {
  return std::abs(double(hi) - hiNew) <= 0.001 && std::abs(double(he) - heNew) <= 0.001;
}

class Calculation {
 public:
  Calculation(const CalcInputs& inputs, CalcOutcome& outcome, ThicknessSearch search, bool passOverFallingCosts)
      : out_(outcome), c_(inputs, outcome) {
    c_.search = search;
    c_.passOverFallingCosts = passOverFallingCosts;
  }

  void Run() {
    Prepare();
    bool proceed = InteriorCoefficientUsable();
    if (proceed) proceed = c_.in.thicknessTarget ? ThicknessPasses() : HeatFlowLoop();
    if (proceed) FinalSteps();
    KeepEngineFigures();
    out_.absurdData = c_.absurd;
  }

 private:
  const CalcInputs& in() const { return c_.in; }

  // Stage A: temperatures, layers, radii and first coefficients.
  void Prepare() {
    Ti_ = in().Ti;
    if (in().condition == DesignCondition::FreezingTime) Ti_ = 0;  // water at its freezing point
    Te_ = in().IsBuried() ? in().soilTemperature : in().Te;
    insulation_ = ReadLayers(in(), c_.s);
    if (in().HasRadii()) UpdateRadii(in(), c_.s);
    hi_ = c_.Interior(static_cast<float>(Ti_ + 0.05 * (double(Te_) - Ti_)), Ti_, Te_);
    he_ = c_.Exterior(static_cast<float>(Te_ - 0.05 * (double(Te_) - Ti_)), Ti_, Te_);
    cond_ = DesignCondition::None;
    q_ = 0;
  }

  // The coefficient of the water flowing in a pipe follows from its
  // temperature and velocity alone. Its correlation falls to zero at
  // -71 ºC and with a still fluid: no interior resistance would then be
  // counted at all, as if the coefficient were neglected, so the calculation
  // is refused instead.
  bool InteriorCoefficientUsable() {
    if (!in().IsPipe() || in().interiorMode != SurfaceCoefMode::Calculate || hi_ > 0) return true;
    c_.Warn(MessageId::InteriorWaterCoefficient,
            QT_TRANSLATE_NOOP("CalcMessages",
                              "No es posible calcular el coeficiente interior: con esta temperatura o esta velocidad "
                              "del agua la correlación no da un valor positivo. Imponga el coeficiente interior."));
    return false;
  }

  // A duct's flow per metre is the flow through each m2 times its outer
  // perimeter, which the insulation lengthens by four times its thickness:
  // with t of insulation of conductivity k it is ΔT·(P0 + 4t)/(Rsa + t/k),
  // whose slope has the sign of 4·k·Rsa - P0 whatever t is. A duct so narrow
  // that 4·k·Rsa reaches its bare perimeter P0 loses more per metre the more
  // it is insulated, and its resistance per metre falls: no thickness meets
  // a flow or a resistance per metre that the bare duct does not, and the
  // passes, each solving for the perimeter of the one before, drift away.
  bool InsulationHelpsDuct(float Rsa) {
    const bool perMetre = cond_ == DesignCondition::HeatFlow || cond_ == DesignCondition::Resistance;
    if (!in().IsDuct() || !perMetre) return true;
    if (4 * double(c_.s.k[insulation_]) * Rsa < BareDuctPerimeter(c_, insulation_, cond_)) return true;
    c_.Warn(MessageId::InsulationRaisesDuctFlow,
            QT_TRANSLATE_NOOP("CalcMessages",
                              "No es posible calcular un espesor de aislante: en un conducto tan estrecho el aislante "
                              "aumenta más el perímetro exterior que la resistencia térmica, y cuanto más grueso es, "
                              "mayor es el flujo de calor por metro de conducto"));
    return false;
  }

  void NewCoefficients(float& hiNew, float& heNew) {
    hiNew = c_.Interior(c_.T[0], Ti_, Te_);
    heNew = c_.Exterior(c_.T[c_.s.n], Ti_, Te_);
  }

  void GiveUp(MessageId id, const QString& text) { c_.Absurd(id, text); }

  // How a pass of a coefficient loop ends.
  enum class Pass { Again, Done, Refused };

  // Repeats `pass` with the coefficients it leaves in hiNew, heNew until it is
  // done, refused, or the pass bound is reached (then with a warning). True when done.
  template <typename PassBody>
  bool CoefficientLoop(float& hiNew, float& heNew, PassBody pass) {
    for (int n = 0; n < kMaxCoefficientPasses; ++n) {
      hi_ = hiNew;
      he_ = heNew;
      switch (pass()) {
        case Pass::Again: break;
        case Pass::Done: return true;
        case Pass::Refused: return false;
      }
    }
    GiveUp(MessageId::CoefficientsDoNotConverge, kNoConvergence);
    return false;
  }

  // Stage C of the heat-flow target.
  bool HeatFlowLoop() {
    float hiNew = hi_, heNew = he_;
    return CoefficientLoop(hiNew, heNew, [&] {
      Rtot_ = c_.Resistance(ResistanceMode::WithInsulation, insulation_, hi_, he_);
      ComputeInterfaceTemperatures(c_.s, Rtot_, Ti_, Te_, c_.T);
      NewCoefficients(hiNew, heNew);
      return Converged(hi_, hiNew, he_, heNew) || c_.absurd ? Pass::Done : Pass::Again;
    });
  }

  // Stages B, C and D of the thickness target. False when the run ends without results.
  bool ThicknessPasses() {
    // B: the bare element.
    float hiNew = hi_, heNew = he_;
    float Rsa = 0;
    const bool settled = CoefficientLoop(hiNew, heNew, [&] {
      Rsa = c_.Resistance(ResistanceMode::WithoutInsulation, insulation_, hi_, he_);
      ComputeInterfaceTemperatures(c_.s, Rsa, Ti_, Te_, c_.T);
      NewCoefficients(hiNew, heNew);
      return Converged(hi_, hiNew, he_, heNew) ? Pass::Done : Pass::Again;
    });
    if (!settled) return false;
    q0_ = static_cast<float>(std::abs(double(Te_) - Ti_) / Rsa);
    cond_ = in().condition;
    q_ = EvaluateCondition(c_, cond_, Rsa, heNew, hiNew, Te_, Ti_, q0_);
    if (q_ == -1 || !InsulationHelpsDuct(Rsa)) return false;

    if (cond_ == DesignCondition::Economic) return EconomicSearch();

    // C: the coefficient loop with the thickness solved on every pass. The
    // targets of some conditions depend on the outer radius or perimeter, which
    // grow with the insulation, so a pass ends the loop only when the
    // coefficients have converged and the thickness has settled too.
    hiNew = hi_;
    heNew = he_;
    float prev1 = 0, prev2 = 0;
    // The coefficients each of the last two passes was solved with.
    float hiPrev1 = -1, hePrev1 = -1, hiPrev2 = -1, hePrev2 = -1;
    bool firstPass = true;
    return CoefficientLoop(hiNew, heNew, [&] {
      if (in().HasRadii()) UpdateRadii(in(), c_.s);
      Rsa = c_.Resistance(ResistanceMode::WithoutInsulation, insulation_, hi_, he_);
      q_ = EvaluateCondition(c_, cond_, Rsa, he_, hi_, Te_, Ti_, q0_);
      // A condition refused on a later pass ends the run as a refusal does.
      if (q_ == -1 || !InsulationHelpsDuct(Rsa)) return Pass::Refused;
      Rtot_ = SolveThickness(c_, insulation_, Rsa, q_, he_, hi_, Te_, Ti_, &searchedTotal_);
      ComputeInterfaceTemperatures(c_.s, Rtot_, Ti_, Te_, c_.T);
      NewCoefficients(hiNew, heNew);
      const float thickness = c_.s.e[insulation_];
      const bool settled = !firstPass && std::abs(double(thickness) - prev1) < 0.05;
      firstPass = false;
      // A pass that comes back to the thickness and the coefficients of two
      // passes before ends the loop. When the passes alternate between two
      // thicknesses (the target follows the outer radius), the answer lies
      // between them: one last pass is solved on the element with the mean of
      // the two. A thickness that comes back with other coefficients is no
      // cycle but a loop still on its way, and goes on.
      const bool repeated = thickness == prev2 && Converged(hi_, hiPrev2, he_, hePrev2);
      hiPrev2 = hiPrev1;
      hePrev2 = hePrev1;
      hiPrev1 = hi_;
      hePrev1 = he_;
      if (repeated) {
        hi_ = hiNew;
        he_ = heNew;
        if (std::abs(double(thickness) - prev1) >= 0.05 && !c_.absurd && !SettleBetween(prev1, thickness, Rsa))
          return Pass::Refused;
      }
      prev2 = prev1;
      prev1 = thickness;
      if (repeated || c_.absurd) return Pass::Done;
      return Converged(hi_, hiNew, he_, heNew) && settled ? Pass::Done : Pass::Again;
    });
  }

  // The passes alternated between thicknesses a and b: the thickness a pass
  // finds falls as the thickness it starts from grows (the target follows the
  // outer radius), so the one that finds itself lies between them. Halving the
  // interval (a bounded number of times) finds it to a search step; the last
  // pass is solved from the upper end. False when the condition is refused.
  bool SettleBetween(float a, float b, float& Rsa) {
    float low = std::min(a, b), high = std::max(a, b);
    auto solveFrom = [&](float start) {
      c_.s.e[insulation_] = start;
      if (in().HasRadii()) UpdateRadii(in(), c_.s);
      Rsa = c_.Resistance(ResistanceMode::WithoutInsulation, insulation_, hi_, he_);
      q_ = EvaluateCondition(c_, cond_, Rsa, he_, hi_, Te_, Ti_, q0_);
      if (q_ == -1) return false;
      Rtot_ = SolveThickness(c_, insulation_, Rsa, q_, he_, hi_, Te_, Ti_, &searchedTotal_);
      return true;
    };
    for (int n = 0; n < 30 && high - low > 0.1f; ++n) {
      const float mid = static_cast<float>(0.5 * (double(low) + high));
      if (!solveFrom(mid)) return false;
      if (c_.s.e[insulation_] > mid)
        low = mid;
      else
        high = mid;
    }
    if (!solveFrom(high)) return false;
    ComputeInterfaceTemperatures(c_.s, Rtot_, Ti_, Te_, c_.T);
    return true;
  }

  // Stage D: the economic thickness, 0.1 mm at a time until the total cost stops falling.
  // With calculated coefficients each step uses those of the step before, so a
  // step's figures follow from all the steps before it. Where each step's cost
  // follows from its thickness alone, the runs of steps over which a bound
  // shows the cost falling at every step by more than its rounding are passed
  // over (FallingCost.h): the search goes on from the step before the end of
  // such a run. Where one surface coefficient follows its surface, runs are
  // passed over when the coefficients of their steps can be bounded and the
  // step the search goes on from found exactly (FollowingSurface.h); where
  // both follow, every step is worked out.
  bool EconomicSearch() {
    if (in().thickness1 == in().thickness2) {
      c_.Warn(MessageId::EconomicCostPointsEqual,
              QT_TRANSLATE_NOOP("CalcMessages",
                                "No es posible calcular el espesor económico: los espesores 1 y 2 del coste deben ser "
                                "distintos"));
      return false;
    }
    economic_ = PrepareEconomicFigures(in());
    const double rIn = insulation_ > 0 ? double(c_.s.r[insulation_ - 1]) : 0.0;
    const float cost0 = TotalCost(in(), economic_, rIn, 0, q0_);
    float cost = cost0, prev = cost0;
    float t = 0;
    // The step before the last: where the cost was still falling.
    float prevT = 0, prevHi = hi_, prevHe = he_;
    // A buried pipe holds only so much insulation: a step it cannot hold
    // whose cost still falls ends the search at the step before, and says so.
    const bool bareFits = !in().IsBuried() || !OutgrowsItsPlace();
    QString beyondFit;
    MessageId beyondFitId = MessageId::General;
    // Runs are looked for from the first step on, with the coefficients the
    // step before left (they are those every later step uses when they do
    // not follow the temperatures).
    int step = 0, nextTry = 1;
    std::optional<FollowingSurface> following;
    bool settled = false;  // the last step left the coefficients as it found them
    do {
      if (c_.passOverFallingCosts && step >= nextTry) {
        FallingCost falling(c_, insulation_, economic_, rIn, Ti_, Te_, hi_, he_, settled);
        if (falling.Following()) {
          // The search goes on from the landing step, worked out with the
          // coefficient the step before it left: a plate's interior one
          // when that one follows, else the exterior one.
          const bool interior = in().IsPlate() && in().interiorMode == SurfaceCoefMode::Calculate;
          float& follows = interior ? hi_ : he_;
          if (!following)
            following.emplace(c_, insulation_, Ti_, Te_, interior ? he_ : hi_,
                              interior ? FollowingSurface::Side::Interior : FollowingSurface::Side::Exterior);
          if (const auto landing = following->PassOver(falling, step, interior ? prevHi : prevHe, follows)) {
            step = landing->step;
            t = StepThickness(step);
            const float hiBefore = interior ? landing->coefficientBefore : hi_;
            const float heBefore = interior ? he_ : landing->coefficientBefore;
            follows = landing->coefficientBefore;
            cost = CostAt(t, rIn);
            ComputeInterfaceTemperatures(c_.s, Rtot_, Ti_, Te_, c_.T);
            NewCoefficients(hi_, he_);
            settled = hi_ == hiBefore && he_ == heBefore;
          } else {
            nextTry = step + kStepsBeforeAnotherRun;
          }
        } else if (const int last = falling.LastFalling(step); last >= step + 2) {
          step = last - 1;
          t = StepThickness(step);
          cost = CostAt(t, rIn);
          // The coefficients that step leaves: a buried pipe's exterior
          // coefficient follows its surface though the soil, not that
          // coefficient, makes its exterior term.
          ComputeInterfaceTemperatures(c_.s, Rtot_, Ti_, Te_, c_.T);
          NewCoefficients(hi_, he_);
        } else {
          nextTry = step + kStepsBeforeAnotherRun;
        }
      }
      prev = cost;
      prevT = t;
      prevHi = hi_;
      prevHe = he_;
      // The running sum of 0.1 mm steps, as StepThickness gives it.
      t += 0.1f;
      ++step;
      cost = CostAt(t, rIn);
      if (bareFits && in().IsBuried() && OutgrowsItsPlace() && cost < prev) {
        const bool box = OutgrowsItsBox();
        beyondFit = box ? kEconomicBeyondTheBox : kEconomicBeyondTheDepth;
        beyondFitId = box ? MessageId::PipeOutgrowsBox : MessageId::PipeAboveGround;
        break;
      }
      ComputeInterfaceTemperatures(c_.s, Rtot_, Ti_, Te_, c_.T);
      NewCoefficients(hi_, he_);
      settled = hi_ == prevHi && he_ == prevHe;
      if (cost > cost0)
        c_.Absurd(MessageId::EconomicWithoutInsulation,
                  QT_TRANSLATE_NOOP("CalcMessages", "Datos absurdos, sin aislamiento es la mejor solución"));
      if (t >= kMaxInsulationThickness)
        c_.Absurd(
            MessageId::InsulationOverFiveMetres,
            QT_TRANSLATE_NOOP("CalcMessages", "Datos absurdos, pues el espesor de aislamiento sería mayor de 5 m."));
    } while (cost < prev && t < kMaxInsulationThickness);
    // The search stops at the first step that costs no less than the one
    // before; the least cost is that step before, found again with the
    // coefficients it was worked out with. A search stopped by what the pipe
    // can hold shows its last step that fits.
    if (!beyondFit.isEmpty()) c_.Absurd(beyondFitId, beyondFit);
    if (!beyondFit.isEmpty() || (!c_.absurd && prevT > 0 && !(cost < prev))) {
      t = prevT;
      hi_ = prevHi;
      he_ = prevHe;
      cost = CostAt(t, rIn);
      ComputeInterfaceTemperatures(c_.s, Rtot_, Ti_, Te_, c_.T);
    }
    economicOutcome_.resistance = Rtot_;
    economicOutcome_.heatFlow = q_;
    economicOutcome_.thickness = t;
    economicOutcome_.cost = cost;
    economicOutcome_.investment = static_cast<float>(Investment(in(), economic_, rIn, t));
    return true;
  }

  // The total cost of insulation t (mm) with the present coefficients; leaves
  // the arrays, the total resistance and the heat flow as t gives them.
  float CostAt(float t, double rIn) {
    c_.s.e[insulation_] = t;
    if (in().HasRadii()) UpdateRadii(in(), c_.s);
    Rtot_ = c_.Resistance(ResistanceMode::WithInsulation, insulation_, hi_, he_);
    q_ = static_cast<float>(std::abs((double(Te_) - Ti_) / Rtot_));
    return TotalCost(in(), economic_, rIn, t, q_);
  }

  // Stage E.
  void FinalSteps() {
    // After a pipe or sphere search the temperatures belong to the thickness
    // found: the total it reached, not the required one it stopped at.
    const float profileR = searchedTotal_ > 0 ? searchedTotal_ : Rtot_;
    ComputeInterfaceTemperatures(c_.s, profileR, Ti_, Te_, c_.T);
    // The box resistance as its field holds it, or as entered.
    float boxResistance = in().boxResistance;
    const float box = c_.buried.boxResistance;
    if (c_.buried.boxCalculated) boxResistance = RoundAsWritten(box, 6, ResistanceDecimals(box));
    const ProfileLine line = BuildProfileLine(in(), c_.s, c_.T, profileR, Ti_, Te_, boxResistance);

    Results r;
    r.layerCount = c_.s.n;
    r.temperatures = c_.T;
    r.profile = line.points;
    r.hasBox = line.hasBox;
    r.boxTemperature = line.boxTemperature;

    DewPointProfile dew;
    r.hasDewPoints = in().IsPlate() && !in().thicknessTarget && in().condensationStudy;
    if (r.hasDewPoints) {
      dew = ComputeDewPointProfile(c_.s, Ti_, Te_, in().interiorHumidity, in().exteriorHumidity);
      r.dewPoints = dew.Tdew;
      r.dewPointProfile = dew.points;
    }

    if (!in().thicknessTarget || cond_ == DesignCondition::FinalWaterTemperature ||
        cond_ == DesignCondition::FreezingTime)
      q_ = static_cast<float>(std::abs((double(Te_) - Ti_) / Rtot_));

    for (int i = 1; i <= c_.s.n; ++i) r.thicknesses[i] = c_.s.e[i];
    r.condition = cond_;
    r.resistanceTotal = Rtot_;
    r.resistances = c_.s.R;
    r.insulationLayer = insulation_;
    r.insulationResistance = insulation_ > 0 ? c_.s.R[insulation_] : c_.s.R[0];
    r.insulationThickness = insulation_ > 0 ? c_.s.e[insulation_] : 0;
    r.heatFlow = q_;
    r.interiorCoef = hi_;
    r.exteriorCoef = he_;
    r.interiorConvection = c_.interior.convection;
    r.interiorRadiation = c_.interior.radiation;
    r.exteriorConvection = c_.exterior.convection;
    r.exteriorRadiation = c_.exterior.radiation;
    r.interiorLaminar = c_.interior.laminar;
    r.exteriorLaminar = c_.exterior.laminar;
    r.soilConductivity = c_.buried.soilConductivity;
    r.boxResistanceValue = c_.buried.boxCalculated ? c_.buried.boxResistance : in().boxResistance;

    if (!c_.absurd && !AllFinite(r)) {
      c_.RefuseNotFinite();
      return;
    }

    out_.results = r;
    out_.hasResults = true;
    // After a "Datos absurdos" warning the economic panel still shows the last
    // step of the search, unless its figures are not finite numbers.
    out_.economic = cond_ == DesignCondition::Economic && in().thicknessTarget && EconomicFinite();
    if (out_.economic) out_.economicOutcome = economicOutcome_;
    CalcEvent shown;
    shown.kind = CalcEvent::Kind::Results;
    out_.events.push_back(shown);
    BuriedPipeChecks();
  }

  bool AllFinite(const Results& r) const {
    for (double figure : ResultFigures(in(), r))
      if (!std::isfinite(figure)) return false;
    return !(cond_ == DesignCondition::Economic && in().thicknessTarget) || EconomicFinite();
  }

  bool EconomicFinite() const {
    const EconomicOutcome& o = economicOutcome_;
    for (double figure : {o.cost, o.investment, o.heatFlow, o.resistance, 1 / o.resistance})
      if (!std::isfinite(figure)) return false;
    return true;
  }

  float HalfBox() const { return HalfBoxHeight(in()); }
  bool OutgrowsItsBox() const { return ::OutgrowsItsBox(in(), c_.s); }
  bool OutgrowsItsPlace() const { return ::OutgrowsItsPlace(in(), c_.s); }

  void BuriedPipeChecks() {
    if (!in().IsBuried()) return;
    const float rn = c_.s.r[c_.s.n];
    if (rn > in().depth)
      c_.Absurd(
          MessageId::PipeAboveGround,
          QT_TRANSLATE_NOOP("CalcMessages",
                            "Datos absurdos, pues la profundidad a la que está enterrada la tubería es menor que el "
                            "radio exterior de la tubería (contando el aislante)"));
    if (in().IsInBox()) {
      const float half = HalfBox();
      if (OutgrowsItsBox())
        c_.Absurd(
            MessageId::PipeOutgrowsBox,
            QT_TRANSLATE_NOOP("CalcMessages",
                              "Datos absurdos, pues la semialtura de la canalización es menor que el radio exterior "
                              "de las diferentes capas (contando el aislante)"));
      if (in().depth < half)
        c_.Absurd(
            MessageId::BoxAboveGround,
            QT_TRANSLATE_NOOP("CalcMessages",
                              "Datos absurdos, pues la semialtura de la canalización es mayor que la profundidad a "
                              "la que está enterrada la tubería"));
    }
  }

  // The values the window shows even for a refused run: the coefficient
  // parts, the calculated soil conductivity and box resistance, and the
  // regime flags the next run starts from.
  void KeepEngineFigures() {
    EngineFigures& f = out_.figures;
    f.interiorCalculated = c_.interior.calculated;
    f.interiorConvection = c_.interior.convection;
    f.interiorRadiation = c_.interior.radiation;
    f.exteriorCalculated = c_.exterior.calculated;
    f.exteriorConvection = c_.exterior.convection;
    f.exteriorRadiation = c_.exterior.radiation;
    f.soilCalculated = c_.buried.soilCalculated;
    f.soilConductivity = c_.buried.soilConductivity;
    f.boxCalculated = c_.buried.boxCalculated;
    f.boxResistance = c_.buried.boxResistance;
    out_.interiorLaminar = c_.interior.laminar;
    out_.exteriorLaminar = c_.exterior.laminar;
  }

  CalcOutcome& out_;
  CalcContext c_;
  float Ti_ = 0, Te_ = 0;
  float hi_ = 0, he_ = 0;
  float Rtot_ = 0.00001f;
  float searchedTotal_ = 0;  // the total a pipe or sphere search reached, 0 without one
  float q0_ = 0, q_ = 0;
  DesignCondition cond_ = DesignCondition::None;
  int insulation_ = 0;
  EconomicFigures economic_;
  EconomicOutcome economicOutcome_;
};

}  // namespace

std::vector<CalcMessage> CalcOutcome::Messages() const {
  std::vector<CalcMessage> messages;
  for (const CalcEvent& event : events)
    if (event.kind == CalcEvent::Kind::Message) messages.push_back(event.message);
  return messages;
}

CalcOutcome Calculate(const CalcInputs& inputs) { return Calculate(inputs, FindThicknessStep); }

CalcOutcome Calculate(const CalcInputs& inputs, ThicknessSearch search) {
  return Calculate(inputs, search, EconomicSteps::PassOverFallingRuns);
}

CalcOutcome Calculate(const CalcInputs& inputs, ThicknessSearch search, EconomicSteps steps) {
  CalcOutcome outcome;
  Calculation calculation(inputs, outcome, search, steps == EconomicSteps::PassOverFallingRuns);
  calculation.Run();
  return outcome;
}
