// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

// The character format of a piece of a report: the report writes its text
// plain or bold, in a few sizes (points).
struct ReportFont {
  bool bold = false;
  float size = 12.0f;

  bool operator==(const ReportFont&) const = default;
};

// How the text of a table column sits in its cells.
enum class CellAlignment { Left, Centre, Right };

struct ReportTable;

// What a cell holds before its text: a picture, or a table of its own (a
// block laid out beside another). `picture` is the document's own index of
// the picture, set by a document that keeps its pictures apart.
struct ReportCellInset {
  int row = 0;
  int column = 0;
  QImage image;                    // null for none
  std::vector<ReportTable> table;  // none or one
  int picture = -1;

  bool operator==(const ReportCellInset&) const;
};

// A table of the report: columns of fixed widths, rows of plain texts. The
// first `headerRows` rows are headings, written bold and repeated at the top
// of a page the table runs on to. A text longer than its column wraps inside
// its cell; a line feed in a text starts a new line of the cell.
struct ReportTable {
  std::vector<double> widthsCm;           // one per column
  std::vector<CellAlignment> alignments;  // one per column, for the rows below the headings
  int headerRows = 0;
  bool ruled = true;    // lines around every cell; a block of captions and values has none
  double indentCm = 0;  // from the left margin
  float fontSize = 10.0f;
  std::vector<QStringList> rows;
  std::vector<ReportCellInset> insets;

  int ColumnCount() const { return static_cast<int>(widthsCm.size()); }
  // The inset of a cell; null when it holds text only.
  const ReportCellInset* InsetAt(int row, int column) const {
    for (const ReportCellInset& inset : insets)
      if (inset.row == row && inset.column == column) return &inset;
    return nullptr;
  }
  bool operator==(const ReportTable&) const = default;
};

inline bool ReportCellInset::operator==(const ReportCellInset& other) const {
  return row == other.row && column == other.column && image == other.image && table == other.table &&
         picture == other.picture;
}

// The document the report is written into, built only by appending at its end:
// paragraphs of text, pictures and tables. The last paragraph is the
// unfinished one that appended text goes to.
class ReportDocument {
 public:
  virtual ~ReportDocument() = default;

  // The title the document carries among its properties (a PDF's Title).
  virtual void SetDocumentTitle(const QString& title) = 0;
  // Appends the text at the end of the document. A line feed in the text ends
  // a paragraph; a tab stays in it.
  virtual void AppendText(const QString& text) = 0;
  // The format of the text appended from now on; the last paragraph's end
  // takes it too, which sets the height of a paragraph left empty.
  virtual void SetFont(const ReportFont& font) = 0;
  // Appends the picture to the last paragraph.
  virtual void AppendPicture(const QImage& picture) = 0;
  // Puts the table in place of the last paragraph (empty, or holding only
  // tabs) and starts a new empty paragraph after it.
  virtual void AppendTable(const ReportTable& table) = 0;
};
