// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/GeometryKind.h"

#include <QString>
#include <array>
#include <span>

// One layer row of a case. Its values are the texts as the user typed them,
// so that the window shows and the project file keeps exactly those.
struct CaseLayer {
  QString name;
  QString thickness;          // mm
  QString conductivity;       // W/mºC
  QString resistance;         // per m2, per metre or per sphere, as the element is
  QString vapourResistivity;  // MN s/g m
  bool insulation = false;    // the insulation mark
  // Which of conductivity and resistance is the user's: the other is worked
  // out. A row given by its resistance has no conductivity of the user's.
  bool conductivityGiven = true;
  bool resistanceGiven = false;
  // The thickness is the solver's (the insulation layer of a thickness run).
  bool thicknessSolved = false;

  bool operator==(const CaseLayer&) const = default;
};

// Which list a design condition is chosen from: each element kind and
// variant has its own, and each keeps its own row.
enum class ConditionList { Plate, PipeInAir, BuriedPipe, Sphere, Duct, Tank };
inline constexpr int kConditionListCount = 6;

// Everything a project holds, as a value: the element, what to calculate, both
// surfaces, the layers, the box and the soil of a buried pipe, the conditions,
// the economic data and the reference. Numbers keep the text as entered; lists
// keep their selected row. It is read from and written to project files, taken
// from and put on the window, checked and calculated without any window.
struct Case {
  static constexpr int kMaxLayers = 6;

  QString reference;

  GeometryKind kind = GeometryKind::Plate;
  int plateOrientation = 0;  // vertical, horizontal interior above, interior below
  int pipePlacing = 0;       // in air vertical, in air horizontal, buried, buried in a box
  int specialVariant = 0;    // air duct, vertical tank, horizontal tank
  int target = 1;            // 0 heat flow, 1 insulation thickness
  std::array<int, kConditionListCount> conditionRows{};

  // Interior side.
  QString interiorTemperature;
  QString interiorHumidity;
  int interiorMode = 0;  // impose, neglect, calculate
  QString interiorCoefficient;
  QString interiorHeight;  // height or width of a plate's face, height of a duct
  QString ductWidth;
  QString interiorEmissivity;
  QString interiorVelocity;

  // Exterior side.
  QString exteriorTemperature;
  QString exteriorHumidity;
  int exteriorMode = 0;
  QString exteriorCoefficient;
  int surroundings = 0;  // closed room, outdoors
  QString exteriorLength;
  QString exteriorEmissivity;
  QString exteriorVelocity;

  // The soil of a buried pipe.
  int soilMode = 0;  // conductivity given, worked out from density and humidity
  QString soilTemperature;
  QString soilDensity;
  QString depth;
  QString soilHumidity;
  QString soilConductivity;

  // The inside diameter of a pipe, sphere or tank, mm.
  QString interiorDiameter;

  int layerCount = 1;  // 1..6
  std::array<CaseLayer, kMaxLayers> layers{};

  // The box of a buried pipe.
  int boxMaterial = 0;  // a material, air
  QString boxSize;
  QString boxConductivity;
  QString boxResistance;
  bool boxByResistance = false;  // given by its resistance rather than its material

  // Design conditions.
  QString wantedHeatFlow;
  QString wantedPercentage;
  QString wantedResistance;
  QString wantedExteriorSurface;
  QString wantedInteriorSurface;
  QString freezingHours;
  QString frozenPercentage;
  QString wantedFinalTemperature;
  QString finalTemperatureLength;

  // Along a pipe or a duct: the length, and what to estimate after a heat flow.
  QString length;
  int airEstimateRow = 1;    // 0 estimate the final air temperature
  int waterEstimateRow = 1;  // 0 estimate the final water temperature
  int condensationRow = 1;   // 0 study interstitial condensation

  // Economic data.
  QString inflation;
  QString energyCost;
  QString opportunity;
  QString lifeYears;
  QString hoursPerYear;
  QString cost1;
  QString thickness1;
  QString cost2;
  QString thickness2;

  // The layers in use, from the inside out.
  std::span<CaseLayer> Layers() { return {layers.data(), static_cast<size_t>(LayerCount())}; }
  std::span<const CaseLayer> Layers() const { return {layers.data(), static_cast<size_t>(LayerCount())}; }
  int LayerCount() const { return layerCount < 1 ? 1 : layerCount > kMaxLayers ? kMaxLayers : layerCount; }

  bool IsPlate() const { return kind == GeometryKind::Plate; }
  bool IsPipe() const { return kind == GeometryKind::Pipe; }
  bool IsSphere() const { return kind == GeometryKind::Sphere; }
  bool IsSpecial() const { return kind == GeometryKind::Special; }
  bool IsBuriedPipe() const { return IsPipe() && (pipePlacing == 2 || pipePlacing == 3); }
  bool IsPipeInBox() const { return IsPipe() && pipePlacing == 3; }
  bool IsPipeInAir() const { return IsPipe() && !IsBuriedPipe(); }
  bool IsDuct() const { return IsSpecial() && specialVariant == 0; }
  bool IsTank() const { return IsSpecial() && specialVariant != 0; }
  bool ThicknessTarget() const { return target == 1; }

  // The condition list of the element kind and variant, and its row.
  ConditionList Conditions() const;
  // A tank's thickness is not calculated: its row counts as the first.
  int ConditionRow() const { return IsTank() ? 0 : conditionRows[static_cast<int>(Conditions())]; }
  // The insulation marks are one exclusive set: where a file marks more than
  // one row, the last marked counts. The row of that mark (0 for none), and
  // the layer it marks when that row is in use (0 otherwise).
  int MarkRow() const;
  int MarkedLayer() const;

  bool operator==(const Case&) const = default;
};
