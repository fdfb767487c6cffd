// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ExportPdf.h"

#include "app/Brenak.h"
#include "files/ProjectFolders.h"
#include "form/ControlCatalog.h"
#include "form/FileDialogs.h"
#include "form/WindowCase.h"
#include "report/ReportContent.h"
#include "report/ReportFiles.h"
#include "report/ReportPictures.h"
#include "report/ReportService.h"
#include "report/ReportWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const QString kPrint = QStringLiteral("SBImpresor");
const QString kExport = QStringLiteral("SBExportarPdf");

// The name the save dialog proposes: the reference of the case, without the
// characters a file name cannot hold; "Informe" for a case without one.
QString ProposedName(const Form& form) {
  const QString reference = form.Text(QStringLiteral("EditReferencia"));
  QString name;
  for (const QChar c : reference) {
    const bool refused = c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c);
    name += refused ? QLatin1Char(' ') : c;
  }
  name = name.simplified();
  while (name.startsWith(QLatin1Char('.'))) name = name.mid(1).trimmed();
  if (name.isEmpty() || reference == StartText(QStringLiteral("EditReferencia")))
    name = QCoreApplication::translate("ExportPdf", "Informe");
  return name + QStringLiteral(".pdf");
}

}  // namespace

void ExportReportPdf(Brenak& app, const QDateTime& when) {
  if (!app.form.Enabled(kPrint) || !app.dialogs) return;
  QString folder = ReportsFolder(app);
  if (folder.isEmpty()) folder = QDir::homePath();
  QString path =
      app.dialogs->AskSaveFile(QDir(folder).filePath(ProposedName(app.form)), kPdfFilter, QStringLiteral("pdf"));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0) path += QStringLiteral(".pdf");

  FileReportDocument document;
  ArtworkPictures artwork;
  ReportPictures& pictures = app.report ? app.report->Pictures() : artwork;
  WriteReport(ReportCase(CaseFromWindow(app), app.lastOutcome.value_or(CaseOutcome{}), app.projectPath), document,
              pictures, when);
  QString error;
  if (!SaveReportPdf(document.Content(), path, &error))
    ShowWarning(app.messages, MessageId::PdfNotWritten,
                QCoreApplication::translate("ExportPdf",
                                            "No se ha podido escribir el PDF en %1 (%2). El informe no se ha guardado.")
                    .arg(QDir::toNativeSeparators(path), error));
}

void FollowPrintCommand(Brenak& app) {
  app.form.SetEnabled(kExport, app.form.Enabled(kPrint));
  // Chained after whoever was told before.
  app.form.changed = [&app, told = std::move(app.form.changed)](const QString& name) {
    if (told) told(name);
    if (name == kPrint) app.form.SetEnabled(kExport, app.form.Enabled(kPrint));
  };
}
