// SPDX-License-Identifier: GPL-3.0-or-later
#include "checking/CaseCheck.h"

#include "checking/FieldDescription.h"
#include "checking/FieldValidation.h"
#include "checking/ShownFields.h"
#include "form/CaseFields.h"
#include "form/CaseOpening.h"
#include "form/ControlCatalog.h"

#include <QCoreApplication>

namespace {

// When an empty field counts as missing, beyond being shown.
enum class Need {
  Shown,
  NotComputed,  // and the program does not fill it in
};

// The list keeps the messages' source texts, translated each time a problem
// is told, so a change of language reaches them.
struct Required {
  QString field;
  Need need;
  const char* message;  // a "CaseCheck" source text, with %1 for the layer's ordinal
  int layer = 0;        // 1 to 6 for a layer's field
};

const char* const kOrdinals[] = {QT_TRANSLATE_NOOP("CaseCheck", "primera"), QT_TRANSLATE_NOOP("CaseCheck", "segunda"),
                                 QT_TRANSLATE_NOOP("CaseCheck", "tercera"), QT_TRANSLATE_NOOP("CaseCheck", "cuarta"),
                                 QT_TRANSLATE_NOOP("CaseCheck", "quinta"),  QT_TRANSLATE_NOOP("CaseCheck", "sexta")};

QString MessageOf(const Required& required) {
  const QString text = QCoreApplication::translate("CaseCheck", required.message);
  if (required.layer == 0) return text;
  return text.arg(QCoreApplication::translate("CaseCheck", kOrdinals[required.layer - 1]));
}

const std::vector<Required>& RequiredInputs() {
  static const std::vector<Required> list = [] {
    std::vector<Required> r;
    auto add = [&r](const char* field, const char* message, Need need = Need::Shown) {
      r.push_back({QString::fromLatin1(field), need, message});
    };
    add("EditTi", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la temperatura interior"));
    add("EditFiI", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la humedad relativa interior"));
    add("EditCoefInt", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar el coeficiente de convección interior"),
        Need::NotComputed);
    add("Editr0", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar el radio interior"));
    for (int n = 1; n <= 6; ++n) {
      const QString row = QString::number(n);
      r.push_back({"Edit" + row + "e", Need::NotComputed,
                   QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar el espesor de la %1 capa"), n});
      r.push_back({"Edit" + row + "k", Need::NotComputed,
                   QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la conductividad de la %1 capa"), n});
      r.push_back({"Edit" + row + "RT", Need::NotComputed,
                   QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la resistencia térmica de la %1 capa"), n});
      r.push_back({"Editrv" + row, Need::NotComputed,
                   QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la resistividad al vapor de la %1 capa"), n});
    }
    add("EditeCaja", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la dimensión de la caja"), Need::NotComputed);
    add("EditkCaja", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la conductividad del material de la caja"),
        Need::NotComputed);
    add("EditRTCaja", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la resistencia térmica de la caja"),
        Need::NotComputed);
    add("EditTe", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la temperatura exterior"));
    add("EditFiE", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la humedad relativa exterior"));
    add("EditCoefext", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar el coeficiente de convección exterior"),
        Need::NotComputed);
    add("EditTsuelo", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la temperatura del suelo"));
    add("EditCondicionQ",
        QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar el flujo de calor que se desea transferir"));
    add("EditCondicionPor",
        QT_TRANSLATE_NOOP(
            "CaseCheck",
            "Falta especificar el porcentaje de calor (sobre la superficie desnuda) que se desea transferir"));
    add("EditCondicionTe",
        QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la temperatura superficial exterior que se desea"));
    add("EditCondicionTi",
        QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la temperatura superficial interior que se desea"));
    add("EditInf", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la inflación del combustible"));
    add("EditOpor", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar el coste de oportunidad del dinero"));
    add("EditNa", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar los años de vida de la instalación"));
    add("EditNh", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar el nº de horas de funcionamiento al año"));
    add("EditCET", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar el coste de la energía térmica"));
    add("EditCI1", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar el coste para el espesor 1"));
    add("EditCI2", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar el coste para el espesor 2"));
    add("EditEsp1", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar el espesor 1 (del coste)"));
    add("EditEsp2", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar el espesor 2 (del coste)"));
    add("EditLongitud", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la longitud"));
    add("EditAnchura", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la anchura del conducto"));
    add("EditAlthi", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la altura del conducto"));
    add("Editemisionhi", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la emisividad interior"));
    add("Editvelhi", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la velocidad del interior"));
    add("EditAlthe", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la altura del exterior"));
    add("Editemisionhe", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la emisividad exterior"));
    add("Editvelhe", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la velocidad del exterior"));
    add("EditDensidad", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la densidad del terreno"));
    add("EditHumedad", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la humedad del terreno"));
    add("EditkTerreno", QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la conductividad del terreno"),
        Need::NotComputed);
    add("EditProfundidad",
        QT_TRANSLATE_NOOP("CaseCheck", "Falta especificar la profundidad de la tubería en el terreno"));
    return r;
  }();
  return list;
}

// An input field of the window, with its record and the kind of its value
// looked up once.
struct OrderedField {
  QString name;
  const CaseField* field;
  QString kind;  // empty for a field whose value has no kind to check
};

// The input fields in the order the window holds them, which is the order
// the check of shown values goes through them.
const std::vector<OrderedField>& WindowOrder() {
  static const std::vector<OrderedField> order = [] {
    std::vector<OrderedField> fields;
    for (const Control& control : BuildControlCatalog())
      if (const CaseField* field = control.type == ControlType::Edit ? FindCaseField(control.name) : nullptr)
        fields.push_back({control.name, field, FieldKind(control.name)});
    return fields;
  }();
  return order;
}

Message Attention(MessageId id, const QString& text) { return {AttentionCaption(), text, MessageButtons::Ok, id}; }

std::vector<CaseProblem> MissingInputsOf(const Case& c, const QSet<QString>& shown) {
  std::vector<CaseProblem> problems;
  for (const Required& required : RequiredInputs()) {
    const CaseField* field = FindCaseField(required.field);
    if (!field || !CaseText(c, *field).isEmpty() || !shown.contains(required.field)) continue;
    if (required.need == Need::NotComputed && IsWorkedOut(c, *field)) continue;
    problems.push_back(
        {CaseProblem::Kind::Missing, required.field, {Attention(MessageId::MissingInput, MessageOf(required))}});
  }
  if (c.ThicknessTarget() && c.MarkedLayer() == 0) {
    // The mark of the first row, where the insulation layer is marked.
    problems.push_back(
        {CaseProblem::Kind::Missing,
         QStringLiteral("RBAislante1"),
         {Attention(MessageId::MissingInsulationLayer,
                    QCoreApplication::translate("CaseCheck", "Falta especificar la capa de aislamiento"))}});
  }
  return problems;
}

std::optional<CaseProblem> FirstRefusedFieldOf(const Case& c, const QSet<QString>& shown) {
  for (const OrderedField& ordered : WindowOrder()) {
    const QString text = CaseText(c, *ordered.field);
    if (text.isEmpty() || !shown.contains(ordered.name) || IsWorkedOut(c, *ordered.field)) continue;
    if (ordered.kind.isEmpty()) continue;
    const FieldVerdict verdict = CheckFieldText(text, ordered.kind);
    if (verdict.accepted) continue;
    // Nobody has just left this field (a project was opened, or a calculation
    // asked for): each box names it.
    CaseProblem refused{CaseProblem::Kind::Refused, ordered.name, verdict.boxes};
    const QString caption = FieldCaption(c, ordered.name);
    for (Message& box : refused.boxes) box.text = caption + QLatin1Char('\n') + box.text;
    return refused;
  }
  return std::nullopt;
}

}  // namespace

std::vector<CaseProblem> MissingInputs(const Case& c) { return MissingInputsOf(c, ShownFields(c)); }

std::optional<CaseProblem> FirstRefusedField(const Case& c) { return FirstRefusedFieldOf(c, ShownFields(c)); }

std::vector<CaseProblem> CheckCase(const Case& c) {
  // Both checks go by the fields the window shows for the case.
  const QSet<QString> shown = ShownFields(c);
  std::vector<CaseProblem> problems = MissingInputsOf(c, shown);
  if (!problems.empty()) return problems;
  if (std::optional<CaseProblem> refused = FirstRefusedFieldOf(c, shown)) problems.push_back(*refused);
  return problems;
}
