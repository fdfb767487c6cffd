// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/ReportDocument.h"

#include <QImage>
#include <QString>
#include <map>
#include <vector>

// A run of text of one format (tabs included, no line feeds) or a picture.
struct ReportPiece {
  QString text;
  int picture = -1;  // index into ReportContent::pictures, or -1 for text
  ReportFont font;
  bool IsPicture() const { return picture >= 0; }
};

// A paragraph of text and pictures, or a table in the flow of paragraphs.
struct ReportParagraph {
  std::vector<ReportPiece> pieces;
  ReportFont mark;  // format of the paragraph's end, which sets the height of an empty paragraph
  int table = -1;   // index into ReportContent::tables for a table, else -1
  bool IsTable() const { return table >= 0; }
  // The tabs a paragraph of text opens with: the writers turn them into an
  // indent of as many tab stops, so that a line that wraps keeps it.
  int LeadingTabs() const;
};

// A report as paragraphs of formatted pieces. The last paragraph is the
// unfinished one that appended text goes to.
struct ReportContent {
  QString title;  // the document's title among its properties
  std::vector<ReportParagraph> paragraphs{ReportParagraph{}};
  std::vector<QImage> pictures;
  std::vector<ReportTable> tables;
  ReportFont font;  // format of text appended next

  // The text with a line feed after every paragraph but the last, and U+FFFC
  // for each picture; a table gives a line per row, its cells separated by
  // tabs and the line feeds within a cell made blanks.
  QString PlainText() const;
  // True when the last paragraph is empty and is the only one, with no pictures
  // and no tables.
  bool IsEmpty() const;
  // The pictures the paragraphs use, by index into `pictures`, numbered from 1
  // in order of first use.
  std::map<int, int> PictureNumbers() const;
  // Whether paragraph `p` stays on the page of the next one: a paragraph of
  // text followed by one that opens with a picture or by a table (a heading
  // and its chart, the title and the drawing, a heading and its table).
  bool KeepsWithNext(size_t p) const;
};

// The document of a report in memory, to be written as an OpenDocument text
// or a PDF (ReportFiles.h).
class FileReportDocument : public ReportDocument {
 public:
  void SetDocumentTitle(const QString& title) override;
  void AppendText(const QString& text) override;
  void SetFont(const ReportFont& font) override;
  void AppendPicture(const QImage& picture) override;
  void AppendTable(const ReportTable& table) override;

  const ReportContent& Content() const { return content_; }

 private:
  ReportContent content_;
};
