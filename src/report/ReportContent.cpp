// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportContent.h"

int ReportParagraph::LeadingTabs() const {
  if (pieces.empty() || pieces.front().IsPicture()) return 0;
  const QString& text = pieces.front().text;
  int tabs = 0;
  while (tabs < text.size() && text[tabs] == QLatin1Char('\t')) ++tabs;
  // Tabs with nothing after them (the place of a picture to come) stay tabs.
  return tabs < text.size() ? tabs : 0;
}

namespace {

// The text of a table: a line per row, its cells separated by tabs; a cell's
// inset goes before its text, a picture as U+FFFC and a table as its text
// with blanks for its tabs and line feeds.
QString TableText(const ReportTable& table) {
  QStringList lines;
  for (int r = 0; r < static_cast<int>(table.rows.size()); ++r) {
    QStringList cells;
    for (int c = 0; c < table.ColumnCount(); ++c) {
      QString cell = table.rows[r].value(c);
      cell.replace(QLatin1Char('\n'), QLatin1Char(' '));
      if (const ReportCellInset* inset = table.InsetAt(r, c)) {
        QString before;
        if (!inset->image.isNull() || inset->picture >= 0) before += QChar(0xFFFC);
        for (const ReportTable& inner : inset->table)
          before += TableText(inner)
                        .replace(QLatin1Char('\n'), QLatin1Char(' '))
                        .replace(QLatin1Char('\t'), QLatin1Char(' '));
        cell = cell.isEmpty() ? before : before + QLatin1Char(' ') + cell;
      }
      cells << cell;
    }
    lines << cells.join(QLatin1Char('\t'));
  }
  return lines.join(QLatin1Char('\n'));
}

void NumberTablePictures(const ReportTable& table, std::map<int, int>& numbers) {
  for (int r = 0; r < static_cast<int>(table.rows.size()); ++r)
    for (int c = 0; c < table.ColumnCount(); ++c)
      if (const ReportCellInset* inset = table.InsetAt(r, c)) {
        if (inset->picture >= 0 && !numbers.count(inset->picture))
          numbers.emplace(inset->picture, static_cast<int>(numbers.size()) + 1);
        for (const ReportTable& inner : inset->table) NumberTablePictures(inner, numbers);
      }
}

// Keeps the pictures of the table's cells with the document's pictures.
void KeepTablePictures(ReportTable& table, std::vector<QImage>& pictures) {
  for (ReportCellInset& inset : table.insets) {
    if (!inset.image.isNull()) {
      pictures.push_back(inset.image);
      inset.picture = static_cast<int>(pictures.size()) - 1;
    }
    for (ReportTable& inner : inset.table) KeepTablePictures(inner, pictures);
  }
}

}  // namespace

QString ReportContent::PlainText() const {
  QString text;
  for (size_t p = 0; p < paragraphs.size(); ++p) {
    if (p > 0) text += QLatin1Char('\n');
    if (paragraphs[p].IsTable()) {
      text += TableText(tables[paragraphs[p].table]);
      continue;
    }
    for (const ReportPiece& piece : paragraphs[p].pieces)
      text += piece.IsPicture() ? QString(QChar(0xFFFC)) : piece.text;
  }
  return text;
}

bool ReportContent::IsEmpty() const {
  return paragraphs.size() == 1 && paragraphs.front().pieces.empty() && !paragraphs.front().IsTable() &&
         pictures.empty() && tables.empty();
}

std::map<int, int> ReportContent::PictureNumbers() const {
  std::map<int, int> numbers;
  for (const ReportParagraph& paragraph : paragraphs) {
    if (paragraph.IsTable()) NumberTablePictures(tables[paragraph.table], numbers);
    for (const ReportPiece& piece : paragraph.pieces)
      if (piece.IsPicture() && !numbers.count(piece.picture))
        numbers.emplace(piece.picture, static_cast<int>(numbers.size()) + 1);
  }
  return numbers;
}

bool ReportContent::KeepsWithNext(size_t p) const {
  if (p + 1 >= paragraphs.size()) return false;
  const auto& pieces = paragraphs[p].pieces;
  const auto& next = paragraphs[p + 1].pieces;
  if (paragraphs[p].IsTable() || pieces.empty() || pieces.front().IsPicture()) return false;
  return paragraphs[p + 1].IsTable() || (!next.empty() && next.front().IsPicture());
}

void FileReportDocument::SetDocumentTitle(const QString& title) { content_.title = title; }

void FileReportDocument::AppendText(const QString& text) {
  const auto append = [this](const QString& piece) {
    if (piece.isEmpty()) return;
    ReportParagraph& last = content_.paragraphs.back();
    if (!last.pieces.empty() && !last.pieces.back().IsPicture() && last.pieces.back().font == content_.font)
      last.pieces.back().text += piece;
    else
      last.pieces.push_back(ReportPiece{piece, -1, content_.font});
    last.mark = content_.font;
  };
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != QLatin1Char('\n')) continue;
    append(text.mid(start, i - start));
    content_.paragraphs.back().mark = content_.font;
    content_.paragraphs.push_back(ReportParagraph{{}, content_.font});
    start = i + 1;
  }
  append(text.mid(start));
}

void FileReportDocument::SetFont(const ReportFont& font) {
  content_.font = font;
  content_.paragraphs.back().mark = font;
}

void FileReportDocument::AppendPicture(const QImage& picture) {
  if (picture.isNull()) return;
  content_.pictures.push_back(picture);
  content_.paragraphs.back().pieces.push_back(
      ReportPiece{QString(), static_cast<int>(content_.pictures.size()) - 1, content_.font});
}

void FileReportDocument::AppendTable(const ReportTable& table) {
  ReportParagraph& last = content_.paragraphs.back();
  last.pieces.clear();
  content_.tables.push_back(table);
  KeepTablePictures(content_.tables.back(), content_.pictures);
  last.table = static_cast<int>(content_.tables.size()) - 1;
  content_.paragraphs.push_back(ReportParagraph{{}, content_.font});
}
