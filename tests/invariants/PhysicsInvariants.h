// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CalculationInvariants.h"

#include <QString>

class ReusedWindow;

// The physical laws of CalculationInvariants.h on a project file opened as
// "Abrir" does, its inputs then calculated again through the engine.
InvariantReport CheckProjectInvariants(const QString& projectPath);
// The same, the project opened on `window` put back to its start state.
InvariantReport CheckProjectInvariants(ReusedWindow& window, const QString& projectPath);
