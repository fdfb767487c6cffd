// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/UserMaterials.h"

#include <QString>

class Brenak;

// The user's own materials in the material chooser: the list RGMisMateriales
// shows their names, its "Aplicar" (SBMisMateriales) applies the chosen one to
// the layer the chooser was opened for, as a built-in material is applied.

// Reads the user's file at `path` at start; a damaged file is reported once
// ("Atención") and the list starts empty.
void LoadUserMaterialLibrary(Brenak& app, const QString& path);

// Add, change and delete, each saved at once. A material that is not valid,
// or a file that cannot be written, is refused with an "Atención" box and the
// list stays as it was; false then.
bool AddUserMaterial(Brenak& app, const UserMaterial& material);
bool ReplaceUserMaterial(Brenak& app, int row, const UserMaterial& material);
bool DeleteUserMaterial(Brenak& app, int row);

// "Aplicar" of the list of the user's materials.
void ApplyUserMaterial(Brenak& app);
