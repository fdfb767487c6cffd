// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/Artwork.h"

#include <QCoreApplication>

QString ArtworkPath(const QString& name) {
  // The drawings with words in them, the banner and the duct's sides: the
  // translation names the drawing of its own language.
  if (name == QLatin1String("Image4")) return QCoreApplication::translate("Artwork", ":/pictures/Image4.svg");
  if (name == QLatin1String("ImageConducto"))
    return QCoreApplication::translate("Artwork", ":/pictures/ImageConducto.svg");
  return QStringLiteral(":/pictures/") + name + QStringLiteral(".svg");
}
