// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/Artwork.h"

#include <QCoreApplication>

QString ArtworkPath(const QString& name) {
  // The translation names the banner of its own language.
  if (name == QLatin1String("Image4")) return QCoreApplication::translate("Artwork", ":/pictures/Image4.svg");
  return QStringLiteral(":/pictures/") + name + QStringLiteral(".svg");
}
