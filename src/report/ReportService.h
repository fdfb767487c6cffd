#pragma once

#include <QString>

class WindowState;
class FileReportDocument;
class ReportPictures;

// The owner of the report document: the connection that the last "Imprimir"
// left open, the pictures a report shows, where reports are written and how
// they are opened. WindowState::report points to one; "Calcular" and "Imprimir"
// drop the connection first.
class ReportService {
 public:
  virtual ~ReportService() = default;
  // Drops the connection to the document of the last report; harmless when
  // there is none. The written file is not touched.
  virtual void Disconnect() = 0;
  // The document the next report is written into.
  virtual FileReportDocument& Document() = 0;
  // The banner, the element drawing and the chart.
  virtual ReportPictures& Pictures() = 0;
  // A file name not used yet in the folder of reports; empty when no folder
  // for reports can be made.
  virtual QString NewReportPath(const WindowState& app) = 0;
  // Opens a written report with the desktop's default application. False when
  // no application took it.
  virtual bool OpenReport(const QString& path) = 0;
};
