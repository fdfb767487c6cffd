// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class WindowState;
class ReportPictures;

// What a report needs from the desktop: the pictures it shows, where reports
// are written and how a written one is opened. The window's program holds
// one (Brenak::report); tests put in their own.
class ReportService {
 public:
  virtual ~ReportService() = default;
  // The banner, the element drawing and the chart.
  virtual ReportPictures& Pictures() = 0;
  // A file name not used yet in the folder of reports; empty when no folder
  // for reports can be made.
  virtual QString NewReportPath(const WindowState& app) = 0;
  // Opens a written report with the desktop's default application. False when
  // no application took it.
  virtual bool OpenReport(const QString& path) = 0;
};
