// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The element kind; the numbers are the codes of the project file.
enum class GeometryKind { Plate = 1, Pipe = 2, Sphere = 3, Special = 4 };
