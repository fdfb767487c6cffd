// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/DesignCondition.h"

DesignCondition ConditionOfRow(GeometryKind kind, bool pipeInAir, int row) {
  switch (row) {
    case 0: return DesignCondition::HeatFlow;
    case 1: return DesignCondition::Percentage;
    case 2: return DesignCondition::Resistance;
    case 3: return DesignCondition::Economic;
    case 4: return DesignCondition::ExteriorSurfaceTemperature;
    case 5: return DesignCondition::NoExteriorCondensation;
    case 6:
      if (kind == GeometryKind::Plate) return DesignCondition::InteriorSurfaceTemperature;
      if (pipeInAir) return DesignCondition::FinalWaterTemperature;
      return DesignCondition::NotForElement;
    case 7:
      if (kind == GeometryKind::Plate) return DesignCondition::NoInteriorCondensation;
      if (pipeInAir) return DesignCondition::FreezingTime;
      return DesignCondition::NotForElement;
    default: return DesignCondition::NotForElement;
  }
}
