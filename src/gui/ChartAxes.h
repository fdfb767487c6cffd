// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QValueAxis;

// Sets an axis to [low, high] with `air` (a fraction of the span) on both
// sides and nice numbers; an empty span gets some room around its value.
void SetAxisRange(QValueAxis* axis, double low, double high, double air);
