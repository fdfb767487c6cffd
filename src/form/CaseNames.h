// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/Case.h"

#include <QString>

// The choices of a case in the user's words, as the window's lists offer
// them: the element kind in the singular, its variant, the target and the
// design condition in force (empty where the case has none).
QString KindName(GeometryKind kind);
QString VariantName(const Case& c);
QString TargetName(const Case& c);
QString ConditionName(const Case& c);
