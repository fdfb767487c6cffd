// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InstallationCommands.h"

#include "app/Brenak.h"
#include "app/ExportPdf.h"
#include "app/InstallationSession.h"
#include "app/ProjectHistory.h"
#include "files/ProjectFolders.h"
#include "form/FileDialogs.h"
#include "installation/InstallationExport.h"
#include "installation/InstallationFile.h"
#include "installation/InstallationMemorandum.h"
#include "installation/SectionCsvImport.h"
#include "report/ReportContent.h"
#include "report/ReportFiles.h"
#include "report/ReportPictures.h"
#include "report/ReportService.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QString InstallationFilter() {
  return QCoreApplication::translate("InstallationCommands",
                                     "Instalación de Brenak (*.brenak-instalacion.json)|*.brenak-instalacion.json");
}

QString CsvFilter() { return QCoreApplication::translate("InstallationCommands", "Lista CSV (*.csv)|*.csv"); }

namespace {

// Lines of a refused pipe list told in one box; the rest are counted.
constexpr int kToldLines = 25;

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

// The folder a dialog opens in: that of the document, else the one the main
// window's dialogs used last.
QString StartFolder(const InstallationSession& session) {
  if (!session.Path().isEmpty()) return QFileInfo(session.Path()).absolutePath();
  return DialogFolder(session.App());
}

// The name a document's companion file is proposed under: the document's
// own name with another ending.
QString Proposed(const InstallationSession& session, const QString& ending) {
  QString name = QFileInfo(session.Path()).fileName();
  if (name.endsWith(kInstallationSuffix)) name.chop(kInstallationSuffix.size());
  if (name.isEmpty()) name = QCoreApplication::translate("InstallationCommands", "Instalación");
  return QDir(StartFolder(session)).filePath(name + ending);
}

// Writes the text whole or not at all; false when it could not.
bool WriteWhole(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
  if (written) written = file.write(bytes) == bytes.size();
  if (written) return file.commit();
  file.cancelWriting();
  return false;
}

void Tell(InstallationSession& session, MessageId id, const QString& text) {
  ShowWarning(session.Messages(), id, text);
}

QString WithEnding(QString path, const QString& ending) {
  if (!path.endsWith(ending, Qt::CaseInsensitive)) {
    // "obra.json" chosen in the dialog of documents becomes "obra.brenak-instalacion.json".
    if (ending == kInstallationSuffix && path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive)) path.chop(5);
    path += ending;
  }
  return path;
}

void WriteMemorandum(const InstallationSession& session, FileReportDocument& document, const QDateTime& when) {
  ArtworkPictures artwork;
  ReportPictures& pictures = session.App().report ? session.App().report->Pictures() : artwork;
  WriteInstallationMemorandum(session.Document(), session.Results(), session.Path(), document, pictures, when);
}

}  // namespace

bool ConfirmLeaveInstallation(InstallationSession& session) {
  FileDialogs* dialogs = session.Dialogs();
  if (!session.Modified() || !dialogs) return true;
  QString name = QFileInfo(session.Path()).fileName();
  if (name.isEmpty()) name = QCoreApplication::translate("InstallationCommands", "Instalación sin título");
  switch (dialogs->AskSaveChanges(name)) {
    case SaveAnswer::Cancel: return false;
    case SaveAnswer::Discard: return true;
    case SaveAnswer::Save: return SaveInstallation(session);
  }
  return false;
}

void NewInstallation(InstallationSession& session) {
  if (!ConfirmLeaveInstallation(session)) return;
  session.Replace(NewInstallationDocument(), QString(), false);
}

void OpenInstallation(InstallationSession& session) {
  FileDialogs* dialogs = session.Dialogs();
  if (!dialogs || !ConfirmLeaveInstallation(session)) return;
  const QString path = dialogs->AskOpenFile(StartFolder(session), InstallationFilter(), QStringLiteral("json"));
  if (!path.isEmpty()) OpenInstallationFile(session, path);
}

bool OpenInstallationFile(InstallationSession& session, const QString& path) {
  InstallationReading reading = ReadInstallationFile(path);
  if (!reading.ok()) {
    Tell(session, MessageId::ProjectNotOpened, InstallationNotOpenedText(Native(path), reading.error));
    return false;
  }
  session.Replace(std::move(reading.document), path, false);
  return true;
}

bool SaveInstallation(InstallationSession& session) {
  if (session.Path().isEmpty()) return SaveInstallationAs(session);
  return SaveInstallationFile(session, session.Path());
}

bool SaveInstallationAs(InstallationSession& session) {
  FileDialogs* dialogs = session.Dialogs();
  if (!dialogs) return false;
  const QString chosen =
      dialogs->AskSaveFile(Proposed(session, kInstallationSuffix), InstallationFilter(), QStringLiteral("json"));
  if (chosen.isEmpty()) return false;
  return SaveInstallationFile(session, WithEnding(chosen, kInstallationSuffix));
}

bool SaveInstallationFile(InstallationSession& session, const QString& path) {
  const QString error = SaveInstallationFile(path, session.Document());
  if (!error.isEmpty()) {
    Tell(session, MessageId::ProjectNotSaved, InstallationNotSavedText(Native(path), error));
    return false;
  }
  session.SetPath(path, false);
  return true;
}

void ImportSections(InstallationSession& session) {
  FileDialogs* dialogs = session.Dialogs();
  if (!dialogs) return;
  const QString path = dialogs->AskOpenFile(StartFolder(session), CsvFilter(), QStringLiteral("csv"));
  if (!path.isEmpty()) ImportSectionsFile(session, path);
}

void ImportSectionsFile(InstallationSession& session, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    Tell(session, MessageId::General,
         QCoreApplication::translate("InstallationCommands", "No es posible leer la lista \"%1\": %2.")
             .arg(Native(path), file.errorString()));
    return;
  }
  // The materials a line may name: the document's, then the user's own.
  std::vector<UserMaterial> materials = session.Document().userMaterials;
  materials.insert(materials.end(), session.App().userMaterials.begin(), session.App().userMaterials.end());
  const SectionCsvImport imported = ImportSectionsCsv(file.readAll(), materials);
  if (!imported.ok()) {
    Tell(session, MessageId::General,
         QCoreApplication::translate("InstallationCommands", "No es posible importar la lista \"%1\": %2.")
             .arg(Native(path), imported.error));
    return;
  }
  session.InsertRows(session.RowCount(), imported.rows);
  if (imported.problems.empty() && imported.unknownColumns.isEmpty()) return;

  QStringList lines;
  lines << QCoreApplication::translate("InstallationCommands", "De la lista \"%1\" se han importado %2 tramos.")
               .arg(Native(path))
               .arg(imported.rows.size());
  if (!imported.unknownColumns.isEmpty())
    lines << QCoreApplication::translate("InstallationCommands", "Columnas que el programa no conoce, no leídas: %1.")
                 .arg(imported.unknownColumns.join(QStringLiteral(", ")));
  if (!imported.problems.empty()) {
    lines << QCoreApplication::translate("InstallationCommands", "Líneas no importadas:");
    int told = 0;
    for (const CsvLineProblem& problem : imported.problems) {
      if (told++ == kToldLines) break;
      lines
          << QCoreApplication::translate("InstallationCommands", "línea %1: %2").arg(problem.line).arg(problem.reason);
    }
    const int rest = static_cast<int>(imported.problems.size()) - kToldLines;
    if (rest > 0) lines << QCoreApplication::translate("InstallationCommands", "y %1 líneas más.").arg(rest);
  }
  Tell(session, MessageId::General, lines.join(QLatin1Char('\n')));
}

void ExportRows(InstallationSession& session) {
  FileDialogs* dialogs = session.Dialogs();
  if (!dialogs) return;
  const QString chosen =
      dialogs->AskSaveFile(Proposed(session, QStringLiteral(".csv")), CsvFilter(), QStringLiteral("csv"));
  if (!chosen.isEmpty()) ExportRowsFile(session, WithEnding(chosen, QStringLiteral(".csv")));
}

bool ExportRowsFile(InstallationSession& session, const QString& path) {
  if (WriteWhole(path, RowsAsCsv(session.Document(), session.Results()).toUtf8())) return true;
  Tell(session, MessageId::TableNotSaved,
       QCoreApplication::translate(
           "InstallationCommands",
           "No es posible escribir la tabla en \"%1\". El archivo que hubiera con ese nombre no ha cambiado.")
           .arg(Native(path)));
  return false;
}

void CopyBillOfMaterials(const InstallationSession& session, const std::function<void(const QString&)>& copy) {
  if (copy) copy(BillAsText(session.Results().bill));
}

void SaveBillOfMaterials(InstallationSession& session) {
  FileDialogs* dialogs = session.Dialogs();
  if (!dialogs) return;
  const QString chosen =
      dialogs->AskSaveFile(Proposed(session, QCoreApplication::translate("InstallationCommands", " - medición.csv")),
                           CsvFilter(), QStringLiteral("csv"));
  if (!chosen.isEmpty()) SaveBillOfMaterialsFile(session, WithEnding(chosen, QStringLiteral(".csv")));
}

bool SaveBillOfMaterialsFile(InstallationSession& session, const QString& path) {
  if (WriteWhole(path, BillAsCsv(session.Results().bill).toUtf8())) return true;
  Tell(session, MessageId::TableNotSaved,
       QCoreApplication::translate(
           "InstallationCommands",
           "No es posible escribir la medición en \"%1\". El archivo que hubiera con ese nombre no ha "
           "cambiado.")
           .arg(Native(path)));
  return false;
}

void PrintInstallation(InstallationSession& session, ReportService& service, const QDateTime& when) {
  FileReportDocument document;
  WriteMemorandum(session, document, when);
  const QString path = service.NewReportPath(session.App());
  if (path.isEmpty()) {
    Tell(
        session, MessageId::General,
        QCoreApplication::translate("InstallationCommands",
                                    "No se ha podido crear la carpeta de los informes. La memoria no se ha guardado."));
    return;
  }
  QString error;
  if (!SaveReport(document.Content(), path, &error)) {
    Tell(session, MessageId::General,
         QCoreApplication::translate("InstallationCommands",
                                     "No se ha podido escribir la memoria en %1 (%2). La memoria no se ha guardado.")
             .arg(Native(path), error));
    return;
  }
  if (!service.OpenReport(path))
    Tell(session, MessageId::General,
         QCoreApplication::translate("InstallationCommands",
                                     "No hay ninguna aplicación que abra la memoria. Está guardada en %1")
             .arg(Native(path)));
}

void ExportInstallationPdf(InstallationSession& session, const QDateTime& when) {
  FileDialogs* dialogs = session.Dialogs();
  if (!dialogs) return;
  QString folder = ReportsFolder(session.App());
  if (folder.isEmpty()) folder = StartFolder(session);
  QString name = QFileInfo(Proposed(session, QStringLiteral(".pdf"))).fileName();
  const QString chosen = dialogs->AskSaveFile(QDir(folder).filePath(name), kPdfFilter, QStringLiteral("pdf"));
  if (!chosen.isEmpty()) ExportInstallationPdfFile(session, WithEnding(chosen, QStringLiteral(".pdf")), when);
}

bool ExportInstallationPdfFile(InstallationSession& session, const QString& path, const QDateTime& when) {
  FileReportDocument document;
  WriteMemorandum(session, document, when);
  QString error;
  if (SaveReportPdf(document.Content(), path, &error)) return true;
  Tell(session, MessageId::PdfNotWritten,
       QCoreApplication::translate("InstallationCommands",
                                   "No se ha podido escribir el PDF en %1 (%2). La memoria no se ha guardado.")
           .arg(Native(path), error));
  return false;
}
