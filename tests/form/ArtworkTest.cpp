// SPDX-License-Identifier: GPL-3.0-or-later
// The drawings the window and the report show are among the program's
// resources in both languages, and the banner's words follow the language.
#include "EnglishInterface.h"
#include "form/Artwork.h"

#include <QFile>
#include <QImageReader>

namespace {

const char* const kDrawings[] = {"Image4",     "ImagePared",    "ImageTuberia", "ImageTuberiaEnterrada",
                                 "ImageSuelo", "ImageConducto", "ImageEsfera"};

QString Words(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

TEST(ArtworkTest, EveryDrawingIsThereInBothLanguages) {
  for (const char* name : kDrawings) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(QImageReader(ArtworkPath(QString::fromLatin1(name))).canRead());
    EnglishInterface english;
    EXPECT_TRUE(QImageReader(ArtworkPath(QString::fromLatin1(name))).canRead());
  }
}

TEST(ArtworkTest, WordsInDrawingsSpeakTheLanguageInForce) {
  EXPECT_TRUE(Words(ArtworkPath(QStringLiteral("Image4"))).contains(QStringLiteral("Programa de cálculo")));
  EXPECT_TRUE(Words(ArtworkPath(QStringLiteral("ImageConducto"))).contains(QStringLiteral(">anchura<")));
  EnglishInterface english;
  const QString banner = Words(ArtworkPath(QStringLiteral("Image4")));
  EXPECT_TRUE(banner.contains(QStringLiteral("Thermal insulation calculator")));
  EXPECT_FALSE(banner.contains(QStringLiteral("tuberías")));
  const QString duct = Words(ArtworkPath(QStringLiteral("ImageConducto")));
  EXPECT_TRUE(duct.contains(QStringLiteral(">width<")));
  EXPECT_FALSE(duct.contains(QStringLiteral(">anchura<")));
}
