// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/Case.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// A case as a project file holds it: its 98 records, one value a line (see
// ProjectFile for the bytes).

// The 98 record values of a case, in file order.
QStringList RecordsOfCase(const Case& c);

// A case from 98 record values that passed CheckProjectRecords. What the file
// does not hold is worked out as opening a file does: a layer row with no
// conductivity is given by its resistance; the insulation layer of a thickness
// run has its thickness solved; a material box with no conductivity but a
// resistance is given by that resistance.
Case CaseFromRecords(const QStringList& values);

// A case read from a file's bytes: `error` says, in a Spanish sentence without
// capital or full stop, why the bytes are no project.
struct CaseReading {
  Case value;
  QString error;
  bool ok() const { return error.isEmpty(); }
};
CaseReading ReadCase(const QByteArray& bytes);
// A case read from a file on disk: only a regular file, never more than a
// project file can hold.
CaseReading ReadCaseFile(const QString& path);

// What the program says of a file that is no project: "No es posible abrir el
// proyecto "NAME": REASON."
QString ProjectNotOpenedText(const QString& path, const QString& reason);

// The file bytes of a case.
QByteArray WriteCase(const Case& c);
