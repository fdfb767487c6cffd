// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/DesignCondition.h"
#include "engine/GeometryKind.h"

#include <array>

// One layer row as the calculation reads it.
struct LayerInput {
  float thickness = 0;     // mm
  float conductivity = 0;  // W/mºC, meaningful when conductivityEntered
  float resistance = 0;    // meaningful when resistanceEntered
  float vapourResistivity = 0;
  bool conductivityEntered = true;
  bool resistanceEntered = false;
  bool marked = false;  // insulation mark
};

// The inputs of one calculation, read once when it starts so that the searches,
// which evaluate resistances tens of thousands of times, work on numbers rather
// than texts.
struct CalcInputs {
  GeometryKind kind = GeometryKind::Plate;
  int plateOrientation = 0;  // RGTipoPared
  int pipePlacing = 0;       // RGTipoTuberias
  int specialVariant = 0;    // RGTipoOtros
  bool thicknessTarget = false;
  DesignCondition condition = DesignCondition::None;

  float Ti = 25, Te = 10, soilTemperature = 10;
  float interiorHumidity = 50, exteriorHumidity = 60;

  SurfaceCoefMode interiorMode = SurfaceCoefMode::Impose, exteriorMode = SurfaceCoefMode::Impose;
  float interiorCoef = 9, exteriorCoef = 16;
  float interiorEmission = 0.9f, exteriorEmission = 0.9f;
  float interiorVelocity = 1, exteriorVelocity = 3;
  float interiorHeight = 3;  // EditAlthi
  float ductWidth = 3;       // EditAnchura
  float exteriorLength = 3;  // EditAlthe
  bool interiorHeightShown = true, ductWidthShown = true;
  int surroundings = 0;  // RGAmbientehe: 0 closed room, 1 outdoors

  float interiorDiameter = 125;  // Editr0, mm
  int layerCount = 1;
  std::array<LayerInput, 7> layers{};  // 1..6

  int boxMode = 0;  // 0 material, 1 air, 2 resistance given
  float boxSize = 350, boxConductivity = 1, boxResistance = 0;
  int soilMode = 0;  // 0 conductivity given, 1 calculated
  float soilConductivity = 1, depth = 1, soilDensity = 1400, soilHumidity = 10;

  float wantedHeatFlow = 15, wantedPercentage = 5, wantedResistance = 1;
  float wantedExteriorSurface = 12, wantedInteriorSurface = 22;
  float wantedFinalTemperature = 22, finalTemperatureLength = 100;
  float freezingHours = 12, frozenPercentage = 50;

  float inflation = 6, opportunity = 4, lifeYears = 15, hoursPerYear = 7920, energyCost = 0.033f;
  float thickness1 = 100, cost1 = 41, thickness2 = 125, cost2 = 47;

  float length = 3;  // EditLongitud
  bool waterEstimate = false, airEstimate = false, condensationStudy = false;

  // The convection regimes the previous calculation left: a coefficient that is
  // imposed or neglected keeps reporting them.
  bool interiorLaminar = false, exteriorLaminar = false;

  bool IsPlate() const { return kind == GeometryKind::Plate; }
  bool IsPipe() const { return kind == GeometryKind::Pipe; }
  bool IsSphere() const { return kind == GeometryKind::Sphere; }
  bool IsDuct() const { return kind == GeometryKind::Special && specialVariant == 0; }
  bool IsTank() const { return kind == GeometryKind::Special && specialVariant != 0; }
  bool IsBuried() const { return IsPipe() && (pipePlacing == 2 || pipePlacing == 3); }
  bool IsInBox() const { return IsPipe() && pipePlacing == 3; }
  bool IsPipeInAir() const { return IsPipe() && !IsBuried(); }
  bool HasRadii() const { return IsPipe() || IsSphere() || IsTank(); }
  // Pipes laid horizontally and horizontal tanks use the horizontal cylinder correlation.
  bool IsHorizontalCylinder() const { return (IsPipe() && pipePlacing == 1) || (IsTank() && specialVariant == 2); }
};
