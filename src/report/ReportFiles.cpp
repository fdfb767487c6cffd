// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportFiles.h"

#include "report/OpenDocumentPackage.h"
#include "report/ReportContent.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {

constexpr double kCmPerInch = 2.54;
constexpr double kScreenDpi = 96.0;
constexpr double kDefaultDotsPerMetre = kScreenDpi / 0.0254;

double TextWidthCm() { return kReportPageWidthCm - 2 * kReportMarginCm; }
double TextHeightCm() { return kReportPageHeightCm - 2 * kReportMarginCm; }

bool WriteFile(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    if (error) *error = file.errorString();
    return false;
  }
  return true;
}

QTextCharFormat CharFormat(const ReportFont& font) {
  QTextCharFormat format;
  format.setFontFamilies({kReportFontFamily});
  format.setFontPointSize(font.size);
  format.setFontWeight(font.bold ? QFont::Bold : QFont::Normal);
  return format;
}

double CmToScreenPixels(double cm) { return cm / kCmPerInch * kScreenDpi; }

// The page of the block's first line: the layout moves lines, not blocks, to
// the next page.
int PageOf(QTextDocument& document, const QTextBlock& block) {
  const QTextLayout* layout = block.layout();
  double middle = document.documentLayout()->blockBoundingRect(block).top();
  if (layout && layout->lineCount() > 0) middle = layout->position().y() + layout->lineAt(0).rect().center().y();
  return static_cast<int>(middle / document.pageSize().height());
}

// The page a paragraph must end on so that what follows it starts on the
// same page: a picture's page; for a table that fits on a page, the page of
// its end (a row is never left split between two pages), for a longer one the
// page it starts on. The text of a table's cells is placed within the table,
// so the table's own frame tells where it lies.
int PageOfWhatFollows(QTextDocument& document, const QTextBlock& next) {
  QTextTable* table = QTextCursor(next).currentTable();
  if (!table) return PageOf(document, next);
  // A table's frame is measured once the whole document is laid out: the
  // layout is made lazily, up to the place asked for.
  document.documentLayout()->documentSize();
  const QRectF frame = document.documentLayout()->frameBoundingRect(table);
  const double page = document.pageSize().height();
  const double edge = frame.height() <= page ? frame.bottom() - 1 : frame.top() + 1;
  return static_cast<int>(edge / page);
}

// A text document has no "keep with next": a paragraph that the page end
// separates from the picture or table after it starts a new page instead.
// `blocks` holds the position of each paragraph's block.
void KeepHeadingsWithWhatFollows(QTextDocument& document, const ReportContent& content,
                                 const std::vector<int>& blocks) {
  for (size_t p = 0; p < content.paragraphs.size() && p < blocks.size(); ++p) {
    if (!content.KeepsWithNext(p)) continue;
    const QTextBlock block = document.findBlock(blocks[p]);
    const QTextBlock next = block.next();
    if (!block.isValid() || !next.isValid() || PageOf(document, block) == PageOfWhatFollows(document, next)) continue;
    QTextCursor cursor(block);
    QTextBlockFormat format = block.blockFormat();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.setBlockFormat(format);
  }
}

Qt::Alignment CellAlign(CellAlignment alignment) {
  switch (alignment) {
    case CellAlignment::Left: return Qt::AlignLeft;
    case CellAlignment::Centre: return Qt::AlignHCenter;
    case CellAlignment::Right: return Qt::AlignRight;
  }
  return Qt::AlignLeft;
}

// Inserts the picture of the report at the cursor, as a character.
void InsertPicture(QTextCursor& cursor, const ReportContent& content, const std::map<int, int>& numbers, int picture) {
  const QSizeF size = PictureSizeCm(content.pictures[picture]);
  QTextImageFormat image;
  image.setName(OpenDocumentPackage::PicturePath(numbers.at(picture)));
  image.setWidth(CmToScreenPixels(size.width()));
  image.setHeight(CmToScreenPixels(size.height()));
  cursor.insertImage(image);
}

// Inserts the table at the cursor, which then stands in the block after it.
// The pictures of its cells are those of the report.
void InsertTable(QTextCursor& cursor, const ReportTable& table, const ReportContent& content,
                 const std::map<int, int>& numbers) {
  const int columns = table.ColumnCount();
  if (columns == 0 || table.rows.empty()) return;
  QTextTableFormat format;
  // A column's width is that of its text: the padding and the lines come off
  // the width the column takes on the page.
  const double padding = table.ruled ? CmToScreenPixels(0.08) : 0;
  const double border = table.ruled ? 0.5 : 0;
  QList<QTextLength> widths;
  for (double width : table.widthsCm)
    widths << QTextLength(QTextLength::FixedLength, std::max(1.0, CmToScreenPixels(width) - 2 * padding - 2 * border));
  format.setColumnWidthConstraints(widths);
  format.setHeaderRowCount(std::clamp(table.headerRows, 0, static_cast<int>(table.rows.size())));
  format.setAlignment(Qt::AlignLeft);
  format.setLeftMargin(CmToScreenPixels(table.indentCm));
  format.setTopMargin(CmToScreenPixels(0.1));
  format.setBottomMargin(CmToScreenPixels(0.1));
  format.setCellSpacing(0);
  // Without collapsing, the table's border is drawn around it and around
  // every cell: with no spacing the lines meet as a single grid.
  format.setBorderCollapse(false);
  if (table.ruled) {
    format.setBorder(border);
    format.setBorderBrush(Qt::black);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setCellPadding(padding);
  } else {
    format.setBorder(0);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    format.setCellPadding(0);
  }
  QTextTable* inserted = cursor.insertTable(static_cast<int>(table.rows.size()), columns, format);
  for (int row = 0; row < static_cast<int>(table.rows.size()); ++row) {
    const bool heading = row < table.headerRows;
    ReportFont font;
    font.size = table.fontSize;
    font.bold = heading;
    const QTextCharFormat text = CharFormat(font);
    for (int column = 0; column < columns; ++column) {
      QTextTableCell cell = inserted->cellAt(row, column);
      QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
      cellFormat.setVerticalAlignment(QTextCharFormat::AlignMiddle);
      if (!table.ruled) cellFormat.setRightPadding(CmToScreenPixels(0.2));
      cell.setFormat(cellFormat);
      QTextCursor at = cell.firstCursorPosition();
      QTextBlockFormat block = at.blockFormat();
      block.setAlignment(heading
                             ? Qt::AlignHCenter
                             : CellAlign(column < static_cast<int>(table.alignments.size()) ? table.alignments[column]
                                                                                            : CellAlignment::Left));
      at.setBlockFormat(block);
      at.setBlockCharFormat(text);
      const QString cellText = column < table.rows[row].size() ? table.rows[row][column] : QString();
      if (const ReportCellInset* inset = table.InsetAt(row, column)) {
        if (inset->picture >= 0) InsertPicture(at, content, numbers, inset->picture);
        for (const ReportTable& inner : inset->table) {
          InsertTable(at, inner, content, numbers);
          at.setBlockFormat(block);
        }
        if (cellText.isEmpty()) continue;
        if (inset->table.empty()) at.insertBlock(block, text);
      }
      const QStringList lines = cellText.split(QLatin1Char('\n'));
      for (qsizetype l = 0; l < lines.size(); ++l) {
        if (l > 0) at.insertBlock(block, text);
        at.insertText(lines[l], text);
      }
    }
  }
  cursor = inserted->lastCursorPosition();
  cursor.movePosition(QTextCursor::NextBlock);
}

// Draws the document page by page, laid out as it is for the writer. Only the
// lines of a page are drawn on it: a line of the next page clipped away would
// still be in the file, and a reader of the text would find it twice.
void PrintPages(QTextDocument& document, QPdfWriter& pdf) {
  QPainter painter(&pdf);
  const QSizeF page = document.pageSize();
  QAbstractTextDocumentLayout::PaintContext context;
  context.palette.setColor(QPalette::Text, Qt::black);
  for (int number = 0; number < document.pageCount(); ++number) {
    if (number > 0) pdf.newPage();
    const QRectF view(0, number * page.height(), page.width(), page.height());
    painter.save();
    painter.translate(0, -view.top());
    // Sideways nothing is cut: the frame of a table may reach into the margin.
    painter.setClipRect(view.adjusted(-page.width(), 0, page.width(), 0));
    context.clip = view.adjusted(-page.width(), 1, page.width(), -1);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
  }
}

}  // namespace

QSizeF PictureSizeCm(const QImage& picture) {
  if (picture.isNull()) return {};
  const double dpmX = picture.dotsPerMeterX() > 0 ? picture.dotsPerMeterX() : kDefaultDotsPerMetre;
  const double dpmY = picture.dotsPerMeterY() > 0 ? picture.dotsPerMeterY() : kDefaultDotsPerMetre;
  QSizeF size(picture.width() / dpmX * 100.0, picture.height() / dpmY * 100.0);
  const double shrink = std::min({1.0, TextWidthCm() / size.width(), TextHeightCm() / size.height()});
  return size * shrink;
}

QImage PrintedWithin(QImage picture, double widthCm, double heightCm) {
  const QSizeF size = PictureSizeCm(picture);
  if (size.isEmpty()) return picture;
  const double shrink = std::min({1.0, widthCm / size.width(), heightCm / size.height()});
  if (shrink >= 1.0) return picture;
  // The print size the pixels take at these dots-per-metre is made the size
  // wanted; rounded up, so that it does not grow past the box.
  const QSizeF wanted = size * shrink;
  picture.setDotsPerMeterX(static_cast<int>(std::ceil(picture.width() * 100.0 / wanted.width())));
  picture.setDotsPerMeterY(static_cast<int>(std::ceil(picture.height() * 100.0 / wanted.height())));
  return picture;
}

std::unique_ptr<QTextDocument> ToTextDocument(const ReportContent& content, QPaintDevice* device) {
  auto document = std::make_unique<QTextDocument>();
  // Laid out on the device it is printed on, text is measured at the device's
  // resolution; font sizes are not rounded to whole screen pixels.
  if (device) document->documentLayout()->setPaintDevice(device);
  const double pagePixelsPerCm = (device ? device->logicalDpiY() : kScreenDpi) / kCmPerInch;
  document->setDefaultFont(QFont(kReportFontFamily, static_cast<int>(ReportFont{}.size)));
  document->setDocumentMargin(0);
  // Positions from the fonts' design, not from screen pixels, so that runs of
  // blanks line up with the tab stops as they do on paper.
  document->setUseDesignMetrics(true);
  QTextOption option = document->defaultTextOption();
  option.setTabStopDistance(CmToScreenPixels(kReportTabStopCm));
  document->setDefaultTextOption(option);
  // A paragraph's indent is counted in tab stops.
  document->setIndentWidth(CmToScreenPixels(kReportTabStopCm));
  document->setMetaInformation(QTextDocument::DocumentTitle, content.title);
  document->setPageSize(QSizeF(TextWidthCm() * pagePixelsPerCm, TextHeightCm() * pagePixelsPerCm));

  QTextCursor cursor(document.get());
  // The content goes in as one edit, laid out once at its end: laid out after
  // every change, a long table would be laid out again for each of its cells.
  document->setUndoRedoEnabled(false);
  cursor.beginEditBlock();
  // The pictures go by the names they have in the OpenDocument package.
  const std::map<int, int> pictures = content.PictureNumbers();
  for (const auto& [index, number] : pictures)
    document->addResource(QTextDocument::ImageResource, QUrl(OpenDocumentPackage::PicturePath(number)),
                          content.pictures[index]);

  // The block each paragraph starts, by position: a table's blocks do not
  // count as paragraphs.
  std::vector<int> blocks;
  // After a table the cursor already stands in a new, empty block.
  bool blockReady = true;
  for (size_t p = 0; p < content.paragraphs.size(); ++p) {
    const ReportParagraph& paragraph = content.paragraphs[p];
    if (p + 1 == content.paragraphs.size() && p > 0 && paragraph.pieces.empty() && !paragraph.IsTable()) break;
    if (paragraph.IsTable()) {
      // A table follows the previous paragraph's block; the first paragraph
      // of all is an empty block before it.
      blocks.push_back(cursor.position());
      InsertTable(cursor, content.tables[paragraph.table], content, pictures);
      blockReady = true;
      continue;
    }
    // The layout gives no height to an empty block right after a table: an
    // empty line there takes a block of its own.
    if (!blockReady || (p > 0 && content.paragraphs[p - 1].IsTable() && paragraph.pieces.empty())) cursor.insertBlock();
    blockReady = false;
    blocks.push_back(cursor.position());
    QTextBlockFormat plain;
    plain.setIndent(paragraph.LeadingTabs());
    cursor.setBlockFormat(plain);
    int indent = paragraph.LeadingTabs();
    cursor.setBlockCharFormat(CharFormat(paragraph.mark));
    if (!paragraph.pieces.empty() && paragraph.pieces.front().IsPicture()) {
      // A pixel of air above a picture keeps its edge off the previous page.
      QTextBlockFormat block = cursor.blockFormat();
      block.setTopMargin(2);
      cursor.setBlockFormat(block);
    }
    for (const ReportPiece& piece : paragraph.pieces) {
      if (piece.IsPicture()) {
        InsertPicture(cursor, content, pictures, piece.picture);
      } else {
        cursor.insertText(piece.text.mid(indent), CharFormat(piece.font));
        indent = 0;
      }
    }
  }
  cursor.endEditBlock();
  KeepHeadingsWithWhatFollows(*document, content, blocks);
  return document;
}

bool SaveReportOdt(const ReportContent& content, const QString& path, QString* error) {
  return WriteFile(path, OdtBytes(content), error);
}

bool SaveReportPdf(const ReportContent& content, const QString& path, QString* error) {
  // The PDF is made in memory, so that a failure leaves no half-written file.
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(content.title);
    pdf.setCreator(QStringLiteral("Brenak"));
    pdf.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                    QMarginsF(kReportMarginCm * 10, kReportMarginCm * 10, kReportMarginCm * 10, kReportMarginCm * 10),
                    QPageLayout::Millimeter));
    std::unique_ptr<QTextDocument> document = ToTextDocument(content, &pdf);
    PrintPages(*document, pdf);
  }
  if (bytes.isEmpty()) {
    if (error) *error = QCoreApplication::translate("ReportFiles", "no se ha podido componer el PDF");
    return false;
  }
  return WriteFile(path, bytes, error);
}

bool SaveReport(const ReportContent& content, const QString& path, QString* error) {
  if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
    return SaveReportPdf(content, path, error);
  return SaveReportOdt(content, path, error);
}
