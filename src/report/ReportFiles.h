// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The files a report is saved as: an OpenDocument text (OpenDocumentText.h,
// whose functions are reached from here too) or a PDF laid out on the page of
// the report.

#include "report/OpenDocumentText.h"

#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <memory>

class QImage;
class QPaintDevice;
class QTextDocument;
struct ReportContent;

// The page of a report: A4 with margins of 2 cm, tab stops every 1.25 cm, and
// the font family every report is written in: a serif with the widths of
// Times New Roman, free and found on the desktops the program runs on.
inline constexpr double kReportPageWidthCm = 21.0;
inline constexpr double kReportPageHeightCm = 29.7;
inline constexpr double kReportMarginCm = 2.0;
inline constexpr double kReportTabStopCm = 1.25;
inline const QString kReportFontFamily = QStringLiteral("Liberation Serif");

// The size a picture takes on the page, in cm: its print size (from its
// dots-per-metre), made smaller when it is wider than the text column.
QSizeF PictureSizeCm(const QImage& picture);

// The report as a Qt text document in pages of the report's text area, laid
// out for `device` (the screen when none). Sizes of pictures and tab stops
// are given in screen pixels; the layout scales them to the device.
std::unique_ptr<QTextDocument> ToTextDocument(const ReportContent& content, QPaintDevice* device = nullptr);

// The picture with its print size made smaller, when needed, to fit
// `widthCm` × `heightCm`; its pixels are untouched.
QImage PrintedWithin(QImage picture, double widthCm, double heightCm);

// Writes the report to `path`: a PDF when the name ends in ".pdf", an
// OpenDocument text otherwise. The file appears only once it is complete. On
// failure `error` says why (in Spanish) and false is returned.
bool SaveReport(const ReportContent& content, const QString& path, QString* error = nullptr);
bool SaveReportOdt(const ReportContent& content, const QString& path, QString* error = nullptr);
bool SaveReportPdf(const ReportContent& content, const QString& path, QString* error = nullptr);
