// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CalculationInputs.h"

#include "form/WindowCase.h"
#include "form/WindowState.h"
#include "results/CaseCalculation.h"

CalcInputs ReadCalcInputs(const WindowState& app) {
  return CaseInputs(CaseFromWindow(app), {app.interiorLaminar, app.exteriorLaminar});
}
