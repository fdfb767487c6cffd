#pragma once

#include <QString>

// The element kind; the numbers are the codes of the project file.
enum class GeometryKind { Plate = 1, Pipe = 2, Sphere = 3, Special = 4 };

// The toolbar button that shows each kind with a red caption.
QString KindButton(GeometryKind kind);
