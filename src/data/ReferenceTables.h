// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

// The built-in tables that help to fill the inputs: materials, pipe sizes,
// emission coefficients and soil temperatures.

// A material of the material chooser.
struct MaterialEntry {
  QString item;             // what the list shows
  QString layerName;        // what the layer's name field receives
  float conductivity;       // W/mºC
  float vapourResistivity;  // MN s/g m
};

const std::vector<MaterialEntry>& InsulatingMaterials();  // list RGAislantes
const std::vector<MaterialEntry>& PipeMaterials();        // list RGMatTuberias
const std::vector<MaterialEntry>& PlateMaterials();       // list RGMatPlacas

// A commercial pipe size of the pipe size chooser.
struct PipeSizeEntry {
  QString item;
  QString layerName;
  float interiorDiameter;  // mm
  float wallThickness;     // mm
  QString conductivity;    // written into the wall layer as it stands
};

// Families: 0 steel, 1 soft copper, 2 rigid copper (refrigeration), 3 copper for heating.
constexpr int kPipeFamilies = 4;
// The sizes of a family; empty for a family number out of range.
const std::vector<PipeSizeEntry>& PipeSizes(int family);
// The radio group that lists a family's sizes; empty for a family out of range.
QString PipeSizeList(int family);

// A surface type of the emission chooser.
struct EmissionEntry {
  QString item;
  float coefficient;
};

const std::vector<EmissionEntry>& EmissionCoefficients();  // list RGCoefEmision

// Soil temperatures by climatic zone (0..4 for "A".."E") and month (1..12).
constexpr int kSoilZones = 5;
QString SoilZoneName(int zone);
float SoilMean(int zone);
float SoilOscillation(int zone);  // the yearly swing, twice the half oscillation
float SoilTemperature(int zone, int month);
