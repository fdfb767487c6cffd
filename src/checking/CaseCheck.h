// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/Case.h"
#include "form/MessageSink.h"

#include <QString>
#include <optional>
#include <vector>

// What stops a case from being calculated, as data: each problem names the
// field it is about and carries the boxes that say it.
struct CaseProblem {
  enum class Kind {
    Missing,  // an input the case needs is empty
    Refused,  // a value fails its field's check
  };
  Kind kind = Kind::Missing;
  QString control;
  std::vector<Message> boxes;
};

// The checks before a calculation, on a case alone. Every input the case
// needs and lacks, in a fixed order, one "Atención" box each (the insulation
// layer of a thickness calculation among them); when nothing is missing, the
// first field shown with a value of the user's that fails its check, with the
// boxes of that check, each naming the field. Empty when the case can be
// calculated.
std::vector<CaseProblem> CheckCase(const Case& c);
// Its two steps: every input missing; the first value refused.
std::vector<CaseProblem> MissingInputs(const Case& c);
std::optional<CaseProblem> FirstRefusedField(const Case& c);
