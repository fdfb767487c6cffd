// SPDX-License-Identifier: GPL-3.0-or-later
// The OpenDocument package as other programs read it: the checksum every
// entry carries, and a written report opened by an independent zip reader.

#include "app/CliProcess.h"
#include "report/OpenDocumentPackage.h"
#include "report/ReportContent.h"
#include "report/ReportFiles.h"
#include "report/ReportTestSupport.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

TEST(PackageChecksum, IsTheCrc32OfZipArchives) {
  // The check value every CRC-32 (the zip one, reflected 0xEDB88320) must give.
  EXPECT_EQ(Crc32(QByteArrayLiteral("123456789")), 0xCBF43926u);
  EXPECT_EQ(Crc32(QByteArray()), 0u);
  // Every byte value goes through the table, not only ASCII.
  QByteArray all;
  for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
  EXPECT_EQ(Crc32(all), 0x29058C73u);
}

TEST(Package, KeepsItsPartsInOrderAndListsThemInTheManifest) {
  QImage picture(30, 20, QImage::Format_RGB32);
  picture.fill(Qt::darkGreen);
  OpenDocumentPackage package(QStringLiteral("application/vnd.oasis.opendocument.text"));
  package.AddXml(QStringLiteral("content.xml"), QByteArrayLiteral("<c/>"));
  package.AddPicture(2, picture);
  const std::vector<ZipEntry> entries = ReadStoredZip(package.Bytes());
  QStringList names;
  for (const ZipEntry& entry : entries) names << entry.name;
  ASSERT_EQ(names, QStringList({"mimetype", "content.xml", "Pictures/imagen2.png", "META-INF/manifest.xml"}));
  EXPECT_EQ(QImage::fromData(entries[2].data).size(), picture.size());
  const QByteArray manifest = entries[3].data;
  EXPECT_TRUE(
      manifest.contains("manifest:full-path=\"/\" manifest:version=\"1.2\" "
                        "manifest:media-type=\"application/vnd.oasis.opendocument.text\""));
  EXPECT_TRUE(manifest.contains("manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\""));
  EXPECT_TRUE(manifest.contains("manifest:full-path=\"Pictures/imagen2.png\" manifest:media-type=\"image/png\""));
  EXPECT_FALSE(manifest.contains("mimetype")) << "the mimetype entry is not a part";
}

// A program other than ours that checks a zip archive: its command for one file.
struct ZipChecker {
  QString program;
  QStringList arguments;
};

std::vector<ZipChecker> AvailableZipCheckers() {
  std::vector<ZipChecker> checkers;
  const QString unzip = QStandardPaths::findExecutable(QStringLiteral("unzip"));
  if (!unzip.isEmpty()) checkers.push_back({unzip, {QStringLiteral("-t")}});
  const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
  if (!python.isEmpty())
    checkers.push_back(
        {python,
         {QStringLiteral("-c"), QStringLiteral("import zipfile,sys; "
                                               "sys.exit(zipfile.ZipFile(sys.argv[1]).testzip() is not None)")}});
  return checkers;
}

TEST(Package, WrittenReportPassesAnIndependentZipCheck) {
  const std::vector<ZipChecker> checkers = AvailableZipCheckers();
  if (checkers.empty()) GTEST_SKIP() << "neither unzip nor python3 is installed";

  FileReportDocument doc;
  doc.AppendText(QStringLiteral("Cálculo del espesor de aislamiento\n"));
  doc.AppendPicture(NamedPictures::Named(QStringLiteral("Chart1")));
  doc.AppendText(QStringLiteral("\nDistribución de temperaturas"));
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Informe ñ.odt"));
  ASSERT_TRUE(SaveReport(doc.Content(), path));

  for (const ZipChecker& checker : checkers) {
    const CliRun run = RunProgram(checker.program, checker.arguments + QStringList{path});
    EXPECT_EQ(run.status, 0) << checker.program.toStdString() << "\n" << run.out.toStdString() << run.err.toStdString();
  }
}

}  // namespace
