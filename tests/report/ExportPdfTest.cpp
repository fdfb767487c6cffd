// SPDX-License-Identifier: GPL-3.0-or-later
// "Exportar PDF": the report of the window written as a PDF where the user
// chooses, offered exactly when "Imprimir" is.

#include "app/CliProcess.h"
#include "app/Commands.h"
#include "app/ExportPdf.h"
#include "app/ProjectCommands.h"
#include "app/WindowFixture.h"
#include "form/FileDialogs.h"
#include "report/ReportContent.h"
#include "report/ReportTestSupport.h"
#include "report/ReportWriter.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>

namespace {

const QDateTime kWhen(QDate(2024, 5, 1), QTime(10, 32));

class SaveDialog : public FileDialogs {
 public:
  QString AskOpenFile(const QString&, const QString&, const QString&) override { return {}; }
  QString AskSaveFile(const QString& folder, const QString& filter, const QString& extension) override {
    asked << folder + QLatin1Char('|') + filter + QLatin1Char('|') + extension;
    return answer;
  }
  QString answer;
  QStringList asked;
};

class ExportPdfTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    app.documentsFolder = dir.path();
    app.dialogs = &dialogs;
  }
  void Open(const char* project) {
    ASSERT_TRUE(OpenProjectFile(app, QStringLiteral(BRENAK_CASES_DIR "/") + QString::fromLatin1(project)));
    ASSERT_TRUE(form().Enabled("SBImpresor"));
  }
  QTemporaryDir dir;
  SaveDialog dialogs;
};

QByteArray Head(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.read(5) : QByteArray();
}

TEST_F(ExportPdfTest, WritesThePdfWhereTheUserChooses) {
  Open("economic.txt");
  dialogs.answer = dir.filePath("informe del muro");
  form().UserClick("SBExportarPdf");
  ASSERT_EQ(dialogs.asked.size(), 1);
  EXPECT_TRUE(dialogs.asked[0].endsWith(QStringLiteral("|") + kPdfFilter + QStringLiteral("|pdf")));
  EXPECT_EQ(Head(dir.filePath("informe del muro.pdf")), "%PDF-") << "the ending is added";
  EXPECT_TRUE(sink.shown.empty());
}

// The dialog starts in the reports folder with the case's reference as the
// file's name, less what a file name cannot hold.
TEST_F(ExportPdfTest, TheDialogProposesTheReferenceAsTheName) {
  Open("economic.txt");
  const QString folder = dir.filePath("Brenak/informes");
  const std::pair<const char*, const char*> cases[] = {{"Muro norte", "Muro norte.pdf"},
                                                       {"Sin especificar", "Informe.pdf"},
                                                       {"   ", "Informe.pdf"},
                                                       {"Nave 2/3: ¿aislar?", "Nave 2 3 ¿aislar.pdf"},
                                                       {"..\\oculto\t", "oculto.pdf"}};
  for (const auto& [reference, proposed] : cases) {
    form().SetText("EditReferencia", QString::fromUtf8(reference));
    dialogs.asked.clear();
    ExportReportPdf(app, kWhen);
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0].section(QLatin1Char('|'), 0, 0), folder + QLatin1Char('/') + QString::fromUtf8(proposed))
        << reference;
  }
  EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST_F(ExportPdfTest, NothingWithoutAReportToWriteOrWhenCancelled) {
  Open("sphere.txt");
  dialogs.answer.clear();
  ExportReportPdf(app, kWhen);
  EXPECT_EQ(dialogs.asked.size(), 1);
  EXPECT_TRUE(QDir(dir.path()).entryList({"*.pdf"}, QDir::Files).isEmpty());

  dialogs.answer = dir.filePath("informe.pdf");
  form().UserClick("EditTi");  // the results go, and "Imprimir" with them
  ASSERT_FALSE(form().Enabled("SBImpresor"));
  ExportReportPdf(app, kWhen);
  EXPECT_EQ(dialogs.asked.size(), 1) << "not even asked";
  EXPECT_FALSE(QFileInfo::exists(dialogs.answer));
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(ExportPdfTest, AFileThatCannotBeWrittenIsReported) {
  Open("tank.txt");
  QFile blocker(dir.filePath("blocker"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  dialogs.answer = dir.filePath("blocker/informe.pdf");
  ExportReportPdf(app, kWhen);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, kAtencion);
  EXPECT_TRUE(sink.shown[0].text.contains(QStringLiteral("informe.pdf")));
}

TEST_F(ExportPdfTest, OfferedExactlyWhenPrintIs) {
  EXPECT_EQ(form().Enabled("SBExportarPdf"), form().Enabled("SBImpresor"));
  CommandCalculate(app);
  EXPECT_TRUE(form().Enabled("SBExportarPdf"));
  form().UserClick("EditTe");
  EXPECT_FALSE(form().Enabled("SBImpresor"));
  EXPECT_FALSE(form().Enabled("SBExportarPdf"));
  Open("duct.txt");
  EXPECT_TRUE(form().Enabled("SBExportarPdf")) << "a project calculated as it opens";
}

// A text with each run of white space made one blank, or with none at all:
// a PDF reader breaks lines where the page does and may join a figure to the
// unit a narrow blank follows it by.
QString Blanked(QString text) {
  return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")).trimmed();
}
QString Squeezed(QString text) { return text.remove(QRegularExpression(QStringLiteral("\\s+"))); }

// The text with the Latin ligatures a font may set ("ﬁ", "ﬂ"...) written as
// their letters: a PDF reader gives the character of the glyph that was drawn.
QString Unfolded(QString text) {
  const std::pair<char16_t, const char*> ligatures[] = {{u'\uFB00', "ff"},  {u'\uFB01', "fi"},  {u'\uFB02', "fl"},
                                                        {u'\uFB03', "ffi"}, {u'\uFB04', "ffl"}, {u'\uFB05', "st"},
                                                        {u'\uFB06', "st"}};
  for (const auto& [ligature, letters] : ligatures) text.replace(QChar(ligature), QLatin1String(letters));
  return text;
}

// Every cell of the table and of the tables in its cells.
void CellTexts(const ReportTable& table, QStringList& cells) {
  for (const QStringList& row : table.rows) cells << row;
  for (const ReportCellInset& inset : table.insets)
    for (const ReportTable& inner : inset.table) CellTexts(inner, cells);
}

// The exported file, read by a PDF reader of its own, holds the text of the
// report and nothing else: every paragraph whole, every cell of its tables,
// and no character more or less (a line of the next page drawn clipped on
// the previous one would be read twice). Its title is the case's reference.
TEST_F(ExportPdfTest, PdfHoldsTheTextOfTheReport) {
  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
  for (const char* project : {"plate_condensation.txt", "buried_box.txt", "economic.txt"}) {
    Open(project);
    dialogs.answer = dir.filePath(QStringLiteral("%1.pdf").arg(QString::fromLatin1(project)));
    ExportReportPdf(app, kWhen);
    ASSERT_EQ(Head(dialogs.answer), "%PDF-") << project;

    const CliRun reader =
        RunProgram(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), dialogs.answer, QStringLiteral("-")});
    ASSERT_EQ(reader.status, 0);
    const QString read = Unfolded(QString::fromUtf8(reader.out));

    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (!pdfinfo.isEmpty()) {
      const CliRun info = RunProgram(pdfinfo, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), dialogs.answer});
      ASSERT_EQ(info.status, 0);
      EXPECT_TRUE(QString::fromUtf8(info.out).contains(
          QRegularExpression(QStringLiteral("Title: +") + QRegularExpression::escape(form().Text("EditReferencia")) +
                             QStringLiteral("\\n"))))
          << project;
    }

    FileReportDocument document;
    NamedPictures pictures;
    WriteReport(WindowReport(app), document, pictures, kWhen);
    const ReportContent& content = document.Content();
    for (const ReportParagraph& paragraph : content.paragraphs) {
      if (paragraph.IsTable()) {
        QStringList cells;
        CellTexts(content.tables[paragraph.table], cells);
        for (const QString& cell : cells) {
          EXPECT_TRUE(Squeezed(read).contains(Squeezed(cell))) << project << ": " << cell.toStdString();
        }
        continue;
      }
      QString text;
      for (const ReportPiece& piece : paragraph.pieces) text += piece.text;
      EXPECT_TRUE(Blanked(read).contains(Blanked(text))) << project << ": " << text.toStdString();
    }
    // The pictures (banner, drawing, chart) hold no text of the document.
    QString all = Squeezed(content.PlainText().remove(QChar(0xFFFC)));
    QString got = Squeezed(read);
    std::sort(all.begin(), all.end());
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, all) << project;
  }
}

}  // namespace
