// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ChartAxes.h"

#include <QValueAxis>
#include <cmath>

void SetAxisRange(QValueAxis* axis, double low, double high, double air) {
  if (!(high > low)) {
    const double pad = std::fabs(low) > 1 ? std::fabs(low) * 0.1 : 1.0;
    low -= pad;
    high += pad;
  } else {
    const double pad = (high - low) * air;
    low -= pad;
    high += pad;
  }
  axis->setRange(low, high);
  axis->applyNiceNumbers();
}
