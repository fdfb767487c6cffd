#pragma once

#include "report/ReportDocument.h"

#include <QImage>
#include <QString>
#include <map>
#include <vector>

// The character format of a piece of a report.
struct ReportFont {
  bool bold = false;
  bool italic = false;
  bool emboss = false;
  bool engrave = false;
  bool shadow = false;
  bool doubleStrikeThrough = false;
  bool strikeThrough = false;
  float size = 12.0f;

  void Apply(const ReportFontChange& change);
  bool operator==(const ReportFont&) const = default;
};

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
  bool proofing = true;  // check spelling and grammar as you type
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

// The document back end of the report: keeps the content in memory, to be
// written as an OpenDocument text or a PDF (ReportFiles.h). While it is not
// connected, the operations change nothing.
class FileReportDocument : public ReportDocument {
 public:
  bool Connect() override;
  void ShowWindow(const QString& caption) override;
  void SetDocumentTitle(const QString& title) override;
  void NewDocument() override;
  void DisableProofing() override;
  void AppendText(const QString& text) override;
  void SetLastSentenceFont(const ReportFontChange& change) override;
  void PastePictureOverLastSentence(const QImage& picture) override;
  void AppendTable(const ReportTable& table) override;
  void Disconnect() override;

  bool IsConnected() const { return connected_; }
  const ReportContent& Content() const { return content_; }

 private:
  bool connected_ = false;
  ReportContent content_;
};
