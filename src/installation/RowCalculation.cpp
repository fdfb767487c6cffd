// SPDX-License-Identifier: GPL-3.0-or-later
#include "installation/RowCalculation.h"

#include "checking/CaseCheck.h"
#include "engine/Moisture.h"
#include "engine/ResultFigures.h"
#include "form/NumberFormat.h"
#include "installation/RowCase.h"
#include "results/CaseCalculation.h"
#include "studies/ThicknessSweep.h"

namespace {

MessageId IdOf(RowProblem::Kind kind) {
  switch (kind) {
    case RowProblem::Kind::MissingValue: return MessageId::MissingInput;
    case RowProblem::Kind::NotANumber: return MessageId::FieldNotANumber;
    case RowProblem::Kind::OutOfBounds:
    case RowProblem::Kind::WallLargerThanSize: return MessageId::FieldOutOfLimits;
    case RowProblem::Kind::UnknownPipeSize:
    case RowProblem::Kind::UnknownMaterial: break;
  }
  return MessageId::General;
}

QString UnitOf(SectionElement element) {
  switch (element) {
    case SectionElement::Plate: return QStringLiteral("W/m2");
    case SectionElement::Sphere:
    case SectionElement::TankVertical:
    case SectionElement::TankHorizontal: return QStringLiteral("W");
    default: return QStringLiteral("W/m");
  }
}

// The heat flow per metre, square metre or unit, as the single case shows it.
double PerUnit(const CalcInputs& in, const Results& r) {
  if (in.IsTank()) return TankHeatFlow(in, r.heatFlow);
  if (in.IsDuct()) return double(r.heatFlow) * ResultsDuctPerimeter(in, r);
  return r.heatFlow;
}

// The first refusal the calculation left, as its message.
Message RefusalOf(const CaseOutcome& outcome) {
  const std::vector<CalcMessage> messages = outcome.engine.Messages();
  for (const CalcMessage& m : messages)
    if (m.absurd) return {m.caption, m.text, MessageButtons::Ok, m.id};
  if (!messages.empty()) return {messages.back().caption, messages.back().text, MessageButtons::Ok, messages.back().id};
  return {kAtencion, QCoreApplication::translate("RowCalculation", "El cálculo no ha dado resultados"),
          MessageButtons::Ok, MessageId::General};
}

Message Note(const QString& text) { return {kAtencion, text, MessageButtons::Ok, MessageId::General}; }

}  // namespace

float RowOutcome::RiteMinimum(RitePlacing placing) const {
  if (rite.scope == RiteVerdict::Scope::NotApplicable) return 0;
  return placing == RitePlacing::Inside && !rite.onlyOutside ? rite.insideMinimum : rite.outsideMinimum;
}

RowOutcome CalculateRow(const InstallationDocument& doc, const InstallationRow& row) {
  RowOutcome out;
  out.unit = UnitOf(row.element);
  out.quantity = double(ParseNumber(row.length));
  if (const std::optional<RowProblem> problem = CheckRow(doc, row)) {
    out.refusal = Message{kAtencion, problem->text, MessageButtons::Ok, IdOf(problem->kind)};
    out.refusedColumn = problem->column;
    return out;
  }

  std::optional<float> thickness;
  bool bare = false;
  if (row.riteMinimum) {
    const RiteMinimumChoice choice = RiteMinimumThickness(doc, row);
    out.thicknessFromRite = true;
    if (!choice.anyMinimum) {
      bare = true;
      out.messages.push_back(Note(QCoreApplication::translate(
          "RowCalculation", "El RITE no fija espesor mínimo para esta sección: se calcula sin aislamiento")));
    } else {
      thickness = choice.thickness;
      if (!choice.met) {
        out.noCommercialThickness = true;
        out.messages.push_back(
            Note(QCoreApplication::translate("RowCalculation",
                                             "Ningún espesor comercial cumple el mínimo del RITE (%1 mm): se "
                                             "toma el mayor de la serie, %2 mm")
                     .arg(FormatFixed(choice.minimum, 6, 1), FormatFixed(choice.thickness, 6, 0))));
      }
    }
  }

  // A section left bare is checked as the same section insulated: the only
  // layer of a bare section is left at no thickness, which the checks of a
  // layer would refuse.
  const Case c = bare ? BareRowCase(doc, row) : RowCase(doc, row, thickness);
  const std::vector<CaseProblem> problems = CheckCase(bare ? RowCase(doc, row, CommercialThicknesses().front()) : c);
  if (!problems.empty()) {
    const CaseProblem& first = problems.front();
    out.refusal =
        first.boxes.empty()
            ? Note(QCoreApplication::translate("RowCalculation", "El caso de la sección no se puede calcular"))
            : first.boxes.front();
    out.refusedColumn = first.control;
    return out;
  }
  const CaseOutcome outcome = CalculateCase(c);
  if (!outcome.HasResults()) {
    out.refusal = RefusalOf(outcome);
    return out;
  }
  for (const CalcMessage& m : outcome.engine.Messages())
    out.messages.push_back({m.caption, m.text, MessageButtons::Ok, m.id});

  const CalcInputs& in = outcome.inputs;
  const Results& r = outcome.engine.results;
  out.heatFlowPerUnit = PerUnit(in, r);
  out.heatFlow = out.heatFlowPerUnit * out.quantity;
  out.surfaceTemperature = r.temperatures[static_cast<size_t>(r.layerCount)];
  // The dew point needs the humidity of the air around the section, which
  // a heat flow does not: a template without it says nothing of condensation.
  out.condensationApplies = !in.IsBuried() && TryParseNumber(c.exteriorHumidity).has_value() &&
                            in.exteriorHumidity > 0 && in.exteriorHumidity <= 100;
  if (out.condensationApplies) {
    const float pressure = static_cast<float>(double(SaturationPressure(in.Te)) * in.exteriorHumidity * 0.01);
    out.dewPoint = DewPointTemperature(pressure);
    out.condensationMargin = out.surfaceTemperature - out.dewPoint;
    out.condenses = out.surfaceTemperature < out.dewPoint;
  }

  const int layer = bare ? 0 : RowInsulationLayer(doc, row);
  out.thickness = bare ? 0 : r.thicknesses[static_cast<size_t>(layer)];
  out.rite = CheckRite(in, r, layer);
  if (out.rite.scope != RiteVerdict::Scope::NotApplicable) {
    const bool inside = EffectivePlacing(row) == RitePlacing::Inside && !out.rite.onlyOutside;
    out.verdict =
        (inside ? out.rite.meetsInside : out.rite.meetsOutside) ? RowRiteVerdict::Meets : RowRiteVerdict::Fails;
  }

  if (bare) {
    out.bareCalculated = true;
    out.bareHeatFlow = out.heatFlow;
  } else {
    const CaseOutcome naked = CalculateCase(BareRowCase(doc, row));
    out.bareCalculated = naked.HasResults();
    if (out.bareCalculated) out.bareHeatFlow = PerUnit(naked.inputs, naked.engine.results) * out.quantity;
  }
  return out;
}

QString RowRiteVerdictText(RowRiteVerdict verdict) {
  switch (verdict) {
    case RowRiteVerdict::Meets: return QCoreApplication::translate("RowCalculation", "Cumple");
    case RowRiteVerdict::Fails: return QCoreApplication::translate("RowCalculation", "No cumple");
    case RowRiteVerdict::NotApplicable: break;
  }
  return QCoreApplication::translate("RowCalculation", "No aplica");
}

QString RowRiteVerdictKey(RowRiteVerdict verdict) {
  switch (verdict) {
    case RowRiteVerdict::Meets: return QStringLiteral("cumple");
    case RowRiteVerdict::Fails: return QStringLiteral("no_cumple");
    case RowRiteVerdict::NotApplicable: break;
  }
  return QStringLiteral("no_aplica");
}
