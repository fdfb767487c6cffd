// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <functional>

class InstallationSession;
class ReportService;

// The commands of the installation's window. They ask and tell through the
// program's file dialogs and message boxes (the session's Brenak), so that
// they run the same without a window.

// The filters of the dialogs, as the window toolkit writes them, in the
// language of the interface.
QString InstallationFilter();
QString CsvFilter();

// Before a changed document is left (a new one, another opened, the window
// closed): asks whether to save it. True when it may be left.
bool ConfirmLeaveInstallation(InstallationSession& session);

// "Nueva": an empty document on the template a new installation starts from.
void NewInstallation(InstallationSession& session);
// "Abrir": asks for a document and opens it. A damaged file, or one of a newer
// version, is refused with a box, and the document on the window stays.
void OpenInstallation(InstallationSession& session);
bool OpenInstallationFile(InstallationSession& session, const QString& path);
// "Guardar" (to its file, or as "Guardar como…" for a new one) and "Guardar
// como…". A file that cannot be written is said in a box; the old one stays.
bool SaveInstallation(InstallationSession& session);
bool SaveInstallationAs(InstallationSession& session);
bool SaveInstallationFile(InstallationSession& session, const QString& path);

// "Importar CSV": the sections of a pipe list added after the rows there are.
// Every line that gave no row is told in one box with its number and why,
// and the good lines are imported.
void ImportSections(InstallationSession& session);
void ImportSectionsFile(InstallationSession& session, const QString& path);
// "Exportar CSV": the rows with their figures.
void ExportRows(InstallationSession& session);
bool ExportRowsFile(InstallationSession& session, const QString& path);

// The bill of materials: tab-separated text handed to `copy` (the clipboard),
// or a CSV file.
void CopyBillOfMaterials(const InstallationSession& session, const std::function<void(const QString&)>& copy);
void SaveBillOfMaterials(InstallationSession& session);
bool SaveBillOfMaterialsFile(InstallationSession& session, const QString& path);

// "Imprimir": the memorandum into a new file of the service's folder of
// reports, opened with the desktop's application.
void PrintInstallation(InstallationSession& session, ReportService& service,
                       const QDateTime& when = QDateTime::currentDateTime());
// "Exportar PDF": asks where, and writes the memorandum there as a PDF.
void ExportInstallationPdf(InstallationSession& session, const QDateTime& when = QDateTime::currentDateTime());
bool ExportInstallationPdfFile(InstallationSession& session, const QString& path,
                               const QDateTime& when = QDateTime::currentDateTime());
