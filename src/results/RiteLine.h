// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/RiteCheck.h"

#include <QString>

// The result line of the regulation's minimum thickness, for example
// "RITE IT 1.2.4.2.1: mínimo 25.0 mm en interior, 35.0 mm en exterior; el
// aislamiento de 30.0 mm cumple en interior".
QString RiteLine(const RiteVerdict& verdict);
