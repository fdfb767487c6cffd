// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportCommand.h"

#include "files/ProjectFolders.h"
#include "form/WindowCase.h"
#include "form/WindowState.h"
#include "report/ReportContent.h"
#include "report/ReportFiles.h"
#include "report/ReportWriter.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

QString NewReportName(const QString& folder, const QDateTime& when, const QString& suffix) {
  const QString stem = QCoreApplication::translate("ReportCommand", "Informe %1")
                           .arg(when.toString(QStringLiteral("yyyy-MM-dd HH.mm.ss")));
  const QDir dir(folder);
  QString name = dir.filePath(stem + QLatin1Char('.') + suffix);
  for (int copy = 2; QFileInfo::exists(name); ++copy)
    name = dir.filePath(QStringLiteral("%1 (%2).%3").arg(stem).arg(copy).arg(suffix));
  return name;
}

QString DesktopReportService::NewReportPath(const WindowState& app) {
  const QString folder = ReportsFolder(app);
  return folder.isEmpty() ? QString() : NewReportName(folder, QDateTime::currentDateTime());
}

bool DesktopReportService::OpenReport(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void PrintReport(WindowState& app, const CaseOutcome& outcome, ReportService& service) {
  FileReportDocument document;
  WriteReport(ReportCase(CaseFromWindow(app), outcome, app.projectPath), document, service.Pictures());

  const QString path = service.NewReportPath(app);
  if (path.isEmpty()) {
    app.Warn(QCoreApplication::translate(
        "ReportCommand", "No se ha podido crear la carpeta de los informes. El informe no se ha guardado."));
    return;
  }
  QString error;
  if (!SaveReport(document.Content(), path, &error)) {
    app.Warn(QCoreApplication::translate(
                 "ReportCommand", "No se ha podido escribir el informe en %1 (%2). El informe no se ha guardado.")
                 .arg(QDir::toNativeSeparators(path), error));
    return;
  }
  if (!service.OpenReport(path))
    app.messages.Show({kAtencion,
                       QCoreApplication::translate("ReportCommand",
                                                   "No hay ninguna aplicación que abra el informe. Está guardado en %1")
                           .arg(QDir::toNativeSeparators(path)),
                       MessageButtons::Ok});
}
