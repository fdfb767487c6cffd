// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "installation/InstallationDocument.h"

#include <QByteArray>
#include <QString>

// An installation document on disk: a JSON object with the format version, the
// template case (its 98 values, as a project file holds them, so that it is
// read and checked as a project is), the rows, the totals' data and the
// user's materials the rows name.

// The file name's ending.
inline const QString kInstallationSuffix = QStringLiteral(".brenak-instalacion.json");
// Nothing larger is taken for a document (some 20,000 rows).
inline constexpr qint64 kInstallationFileMaxBytes = 16 * 1024 * 1024;

// Why a file was refused.
enum class InstallationFileProblem {
  None,
  Unreadable,  // not a regular file, or it cannot be read
  TooLarge,
  NotJson,       // damaged: not a JSON object
  NotADocument,  // JSON of another shape, or a value of the wrong kind
  NewerVersion,  // written by a newer version of the program
  BadTemplate,   // the template is no case a project file could hold
};

struct InstallationReading {
  InstallationDocument document;
  InstallationFileProblem problem = InstallationFileProblem::None;
  QString error;  // a Spanish sentence without capital or full stop
  bool ok() const { return problem == InstallationFileProblem::None; }
};

InstallationReading ReadInstallation(const QByteArray& bytes);
InstallationReading ReadInstallationFile(const QString& path);

QByteArray WriteInstallation(const InstallationDocument& doc);
// Writes the file whole or not at all (the old file stays until the new one is
// complete). Empty when written, else the reason in a Spanish sentence.
QString SaveInstallationFile(const QString& path, const InstallationDocument& doc);

// "No es posible abrir la instalación "NAME": REASON." and
// "No es posible guardar la instalación "NAME": REASON."
QString InstallationNotOpenedText(const QString& path, const QString& reason);
QString InstallationNotSavedText(const QString& path, const QString& reason);
