// SPDX-License-Identifier: GPL-3.0-or-later
#include "checking/FieldValidation.h"

#include "checking/FieldDescription.h"
#include "checking/KindRules.h"

#include "checking/CaseCheck.h"
#include "form/CaseFields.h"
#include "form/MessageSink.h"
#include "form/NumberFormat.h"
#include "form/WindowCase.h"
#include "form/WindowState.h"

#include <QCoreApplication>
#include <QHash>
#include <cmath>
#include <limits>
#include <optional>

namespace {

bool IsBlank(QChar c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// An integer as a field may hold it: optional sign and decimal digits, blanks
// around ignored (as the real reading ignores them).
bool IsIntegerText(const QString& text) {
  int begin = 0;
  int end = text.size();
  while (begin < end && IsBlank(text.at(begin))) ++begin;
  while (end > begin && IsBlank(text.at(end - 1))) --end;
  if (begin < end && (text.at(begin) == '+' || text.at(begin) == '-')) ++begin;
  if (begin == end) return false;
  for (int i = begin; i < end; ++i) {
    const QChar c = text.at(i);
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// The box of a refused value: what is wrong and the limits of its kind, in the
// language the program speaks.
void Box(MessageSink& messages, MessageId id, const char* caption, const KindRule& rule) {
  messages.Show({QCoreApplication::translate("FieldValidation", caption),
                 QCoreApplication::translate("KindRules", rule.message), MessageButtons::Ok, id});
}

}  // namespace

QString ValidateField(MessageSink& messages, const QString& text, const QString& kind) {
  const KindRule* found = FindKindRule(kind);
  // A word that names no kind checks nothing: the text goes back as it is.
  if (!found) return text;
  const KindRule& rule = *found;

  enum class Outcome { None, Real, Integer };
  Outcome outcome = Outcome::None;
  bool rejected = false;

  // Read as a real in the locale; failing that, with the separators exchanged
  // in the text itself, which is then the text handed back.
  QString result = text;
  std::optional<double> read = ReadDecimal(result, DecimalSeparator());
  if (!read) {
    result = ExchangeSeparators(text);
    read = ReadDecimal(result, DecimalSeparator());
  }
  float value = 0.0f;
  if (read) {
    value = static_cast<float>(*read);  // beyond the single range it becomes infinite: out of limits
    outcome = Outcome::Real;
  }

  if (!rule.integer && outcome == Outcome::None) {
    Box(messages, MessageId::FieldNotANumber, QT_TRANSLATE_NOOP("FieldValidation", "Se espera un nº real y no letras"),
        rule);
    rejected = true;
  }

  if (rule.integer) {
    if (IsIntegerText(result)) {
      if (outcome == Outcome::None) {
        // Digits too many for any reading of a real: a number far beyond every limit.
        value = result.trimmed().startsWith('-') ? -std::numeric_limits<float>::infinity()
                                                 : std::numeric_limits<float>::infinity();
      }
      outcome = Outcome::Integer;
    } else if (outcome == Outcome::Real) {
      Box(messages, MessageId::FieldNotAWholeNumber,
          QT_TRANSLATE_NOOP("FieldValidation", "Se espera un nº entero y no un nº real"), rule);
      rejected = true;
    } else {
      Box(messages, MessageId::FieldNotAWholeNumber,
          QT_TRANSLATE_NOOP("FieldValidation", "Se espera un nº entero y no letras"), rule);
      rejected = true;
    }
  }

  if (outcome != Outcome::None && (value < rule.lower || value > rule.upper)) {
    Box(messages, MessageId::FieldOutOfLimits, QT_TRANSLATE_NOOP("FieldValidation", "Valor fuera de límites"), rule);
    rejected = true;
  }

  return rejected ? QString() : result;
}

QString FieldKind(const QString& controlName) {
  const CaseField* field = FindCaseField(controlName);
  return field && field->valueKind ? QString::fromLatin1(field->valueKind) : QString();
}

std::optional<KindLimits> LimitsOfKind(const QString& kind) {
  const KindRule* found = FindKindRule(kind);
  if (found == nullptr) return std::nullopt;
  return KindLimits{found->integer, found->lower, found->upper};
}

FieldVerdict CheckFieldText(const QString& text, const QString& kind) {
  RecordingMessageSink boxes;
  FieldVerdict verdict;
  verdict.text = ValidateField(boxes, text, kind);
  verdict.boxes = boxes.shown;
  verdict.accepted = verdict.boxes.empty();
  return verdict;
}

void LeaveField(WindowState& app, const QString& controlName) {
  const QString kind = FieldKind(controlName);
  if (kind.isEmpty() || !app.form.Has(controlName)) return;
  // An empty field, or one the program fills in, is passed over: a missing
  // value is said by the check before a calculation, and the keyboard must be
  // able to move through the rows.
  const Control& field = app.form.At(controlName);
  if (field.text.trimmed().isEmpty() || (field.hasState && field.state == FieldState::Computed)) return;
  const FieldVerdict verdict = CheckFieldText(app.form.Text(controlName), kind);
  for (const Message& box : verdict.boxes) app.messages.Show(box);
  if (verdict.accepted) {
    app.form.SetText(controlName, verdict.text);
  } else {
    // The wrong value stays, selected, with the focus, for the user to correct.
    app.form.RequestFocus(controlName, true);
  }
}

bool CheckShownFields(WindowState& app) {
  const std::optional<CaseProblem> refused = FirstRefusedField(CaseFromWindow(app));
  if (!refused) return true;
  for (const Message& box : refused->boxes) app.messages.Show(box);
  app.form.RequestFocus(refused->control, true);
  return false;
}
