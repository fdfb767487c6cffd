// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/ReportPictures.h"
#include "report/ReportService.h"
#include "results/CaseCalculation.h"

#include <QDateTime>
#include <QString>

class WindowState;

// A file name in `folder` that no file has yet, from the time of the report:
// "Informe 2024-05-01 10.32.05.odt", then "... (2).odt" and so on.
QString NewReportName(const QString& folder, const QDateTime& when, const QString& suffix = QStringLiteral("odt"));

// The report service of the desktop: reports go to ReportsFolder as
// OpenDocument texts and are opened with the desktop's default application.
class DesktopReportService : public ReportService {
 public:
  ReportPictures& Pictures() override { return pictures_; }
  QString NewReportPath(const WindowState& app) override;
  bool OpenReport(const QString& path) override;

 private:
  ArtworkPictures pictures_;
};

// "Imprimir": writes the report of the case on the window, with the outcome
// of its last calculation, into a new file of the service's and opens it. When the file cannot be written an "Atención"
// box says so and nothing else happens; when no application opens it, a box says where it is.
void PrintReport(WindowState& app, const CaseOutcome& outcome, ReportService& service);
