// SPDX-License-Identifier: GPL-3.0-or-later
#include "checking/CompletenessCheck.h"

#include "checking/CaseCheck.h"
#include "form/WindowCase.h"
#include "form/WindowState.h"

bool CheckInputsComplete(WindowState& app) {
  const std::vector<CaseProblem> missing = MissingInputs(CaseFromWindow(app));
  for (const CaseProblem& problem : missing)
    for (const Message& box : problem.boxes) app.messages.Show(box);
  // The first input missing gets the focus, for the user to fill it in first.
  if (!missing.empty()) app.form.RequestFocus(missing.front().control);
  return missing.empty();
}
