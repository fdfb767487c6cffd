#include "report/ReportFiles.h"

#include "report/OpenDocumentPackage.h"
#include "report/ReportContent.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QUrl>

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
  format.setFontItalic(font.italic);
  format.setFontStrikeOut(font.strikeThrough || font.doubleStrikeThrough);
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

// A text document has no "keep with next": a paragraph that the page end
// separates from the picture after it starts a new page instead.
void KeepHeadingsWithPictures(QTextDocument& document, const ReportContent& content) {
  std::vector<int> kept;
  for (size_t p = 0; p < content.paragraphs.size(); ++p)
    if (content.KeepsWithNext(p)) kept.push_back(static_cast<int>(p));
  for (int number : kept) {
    const QTextBlock block = document.findBlockByNumber(number);
    const QTextBlock next = block.next();
    if (!block.isValid() || !next.isValid() || PageOf(document, block) == PageOf(document, next)) continue;
    QTextCursor cursor(block);
    QTextBlockFormat format = block.blockFormat();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.setBlockFormat(format);
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
  document->setMetaInformation(QTextDocument::DocumentTitle, content.title);
  document->setPageSize(QSizeF(TextWidthCm() * pagePixelsPerCm, TextHeightCm() * pagePixelsPerCm));

  QTextCursor cursor(document.get());
  // The pictures go by the names they have in the OpenDocument package.
  const std::map<int, int> pictures = content.PictureNumbers();
  for (const auto& [index, number] : pictures)
    document->addResource(QTextDocument::ImageResource, QUrl(OpenDocumentPackage::PicturePath(number)),
                          content.pictures[index]);

  for (size_t p = 0; p < content.paragraphs.size(); ++p) {
    const ReportParagraph& paragraph = content.paragraphs[p];
    if (p + 1 == content.paragraphs.size() && p > 0 && paragraph.pieces.empty()) break;
    if (p > 0) cursor.insertBlock();
    cursor.setBlockCharFormat(CharFormat(paragraph.mark));
    if (!paragraph.pieces.empty() && paragraph.pieces.front().IsPicture()) {
      // A pixel of air above a picture keeps its edge off the previous page.
      QTextBlockFormat block = cursor.blockFormat();
      block.setTopMargin(2);
      cursor.setBlockFormat(block);
    }
    for (const ReportPiece& piece : paragraph.pieces) {
      if (piece.IsPicture()) {
        const QSizeF size = PictureSizeCm(content.pictures[piece.picture]);
        QTextImageFormat image;
        image.setName(OpenDocumentPackage::PicturePath(pictures.at(piece.picture)));
        image.setWidth(CmToScreenPixels(size.width()));
        image.setHeight(CmToScreenPixels(size.height()));
        cursor.insertImage(image);
      } else {
        cursor.insertText(piece.text, CharFormat(piece.font));
      }
    }
  }
  KeepHeadingsWithPictures(*document, content);
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
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(kReportMarginCm * 10, kReportMarginCm * 10, kReportMarginCm * 10,
                                            kReportMarginCm * 10),
                                  QPageLayout::Millimeter));
    std::unique_ptr<QTextDocument> document = ToTextDocument(content, &pdf);
    document->print(&pdf);
  }
  if (bytes.isEmpty()) {
    if (error) *error = QStringLiteral("no se ha podido componer el PDF");
    return false;
  }
  return WriteFile(path, bytes, error);
}

bool SaveReport(const ReportContent& content, const QString& path, QString* error) {
  if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
    return SaveReportPdf(content, path, error);
  return SaveReportOdt(content, path, error);
}
