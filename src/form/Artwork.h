// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The resource of the drawing `name` (a picture control of the window, such as
// "ImagePared"), as the window and the report show it. The banner carries the
// program's description in words and the duct's drawing names its sides, so
// they have a drawing for each language: the one of the translation in force.
QString ArtworkPath(const QString& name);
