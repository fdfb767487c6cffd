// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

// A material of the user's own: what the supplier declares.
struct UserMaterial {
  QString name;
  float conductivity = 0;       // W/mºC
  float vapourResistivity = 0;  // MN s/g m
};

// The user's materials, kept as a small JSON file in the user's configuration
// folder:
//   {"materiales": [{"nombre": "...", "conductividad": 0.035, "resistividad_vapor": 100}, ...]}
struct UserMaterialFile {
  std::vector<UserMaterial> materials;
  // Not empty when the file could not be read as a list of materials: it has
  // been kept aside under `keptAs` and the list starts empty. Said once.
  QString problem;
  QString keptAs;
  // False when a file that could not be read is still where it was: saving
  // would overwrite it, so the list is not saved.
  bool mayWrite = true;
};

// Where the file lives: "materiales.json" in the user's configuration folder.
QString UserMaterialsPath();

// Reads the file; a missing file is an empty list. A damaged one (not JSON, not
// the expected shape, a value that is no positive finite number) is renamed
// aside ("materiales.dañado-<fecha>.json") so that it is never overwritten,
// and reported in `problem`.
UserMaterialFile LoadUserMaterials(const QString& path);

// Writes the list, replacing the file only once the new one is complete.
// Returns an empty string, or the reason the file could not be written.
QString SaveUserMaterials(const QString& path, const std::vector<UserMaterial>& materials);

// A material the list can hold: a name and a positive finite conductivity, a
// vapour resistivity not below zero. Empty when valid, else the reason.
QString UserMaterialProblem(const UserMaterial& material);
