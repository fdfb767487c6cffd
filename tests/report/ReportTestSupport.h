// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/ReportDocument.h"
#include "report/ReportPictures.h"
#include "report/ReportWriter.h"

#include <QByteArray>
#include <QImage>
#include <QMap>
#include <QString>
#include <QStringList>
#include <vector>

// A document that writes down each operation it receives.
class RecordingReportDocument : public ReportDocument {
 public:
  void SetDocumentTitle(const QString& title) override { log << QStringLiteral("title:") + title; }
  void AppendText(const QString& text) override { log << QStringLiteral("text:") + text; }
  void SetFont(const ReportFont& font) override;
  void AppendPicture(const QImage& picture) override;
  void AppendTable(const ReportTable& table) override;

  // The document as text: "{Bold 14}" for a font change, "[Name]" for a
  // picture, a line "| cell | cell |" for each row of a table (a line feed
  // in a cell written "/"), split into lines at the line feeds.
  QStringList Lines() const;

  QStringList log;
  std::vector<ReportTable> tables;
};

class Brenak;

// What the report of the window tells: the case on it and the outcome of its
// last calculation (none before the first).
ReportCase WindowReport(const Brenak& app);

// Small pictures that carry their name, so a log can tell them apart.
class NamedPictures : public ReportPictures {
 public:
  QImage Banner() override { return Named(QStringLiteral("Image4")); }
  QImage ElementDrawing(const QString& imageName) override { return Named(imageName); }
  QImage TemperatureChart(const ChartModel&) override { return Named(QStringLiteral("Chart1")); }
  static QImage Named(const QString& name);
};

// The entries of a zip archive whose entries are stored, by name, in order;
// empty when the bytes are no such archive or a checksum is wrong.
struct ZipEntry {
  QString name;
  QByteArray data;
};
std::vector<ZipEntry> ReadStoredZip(const QByteArray& bytes);

// A paragraph of an OpenDocument text read back: its text with tabs, blanks
// and "[Pictures/...]" for each picture, and its runs with their properties.
struct OdtRun {
  QString text;
  QMap<QString, QString> properties;  // "fo:font-weight" -> "bold", ...
};
struct OdtParagraph {
  QString text;
  QMap<QString, QString> properties;  // of the paragraph style
  bool keepWithNext = false;
  QString indent;  // the paragraph's left margin, "1.250cm", empty for none
  std::vector<OdtRun> runs;
};
// The paragraphs outside tables, with a paragraph "[Tabla<n>]" where table n stands.
std::vector<OdtParagraph> ReadOdtParagraphs(const QByteArray& contentXml);

// A table of an OpenDocument text read back: its column widths, its heading
// rows and all its rows, each cell's paragraphs joined by line feeds. A table
// in a cell of another comes after it and keeps its text to itself.
struct OdtTable {
  QString name;
  QStringList columnWidths;  // "5.000cm", ...
  int headerRows = 0;
  bool ruled = false;  // its cells have borders
  std::vector<QStringList> rows;
};
std::vector<OdtTable> ReadOdtTables(const QByteArray& contentXml);
