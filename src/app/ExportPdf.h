// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

class Brenak;

// The filter of the save dialog of "Exportar PDF", as the window toolkit writes it.
inline const QString kPdfFilter = QStringLiteral("Documento PDF (*.pdf)|*.pdf");

// "Exportar PDF": asks where to save the report of the window and writes it
// there as a PDF, dated `when`, without any document application. A name
// without the ".pdf" ending gets it. Nothing happens while "Imprimir" is not
// offered, without file dialogs or when the user cancels; when the file
// cannot be written an "Atención" box says so.
void ExportReportPdf(Brenak& app, const QDateTime& when = QDateTime::currentDateTime());

// Offers "Exportar PDF" (SBExportarPdf) exactly when "Imprimir" is offered,
// from now on: every change of SBImpresor is followed.
void FollowPrintCommand(Brenak& app);
