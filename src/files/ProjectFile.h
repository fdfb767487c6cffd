// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

// A project file holds 98 values, one a line, in a fixed order: the values of
// a case (form/CaseFields lists them in that order). This unit knows the bytes
// on disk; CaseFile turns the values into a case.

constexpr int kProjectRecordCount = 98;
// A field of the file holds at most this many characters.
constexpr int kProjectTextWidth = 40;
// Nothing larger is taken for a project file.
constexpr qint64 kProjectFileMaxBytes = 1024 * 1024;

// Bytes of a file split into record values: quotes around a value and the line
// ends taken off, text decoded, texts cut to the field width. `error` is a
// Spanish sentence (no capital, no full stop) when the bytes are no project.
struct ProjectRecords {
  QStringList values;
  QString error;
  bool ok() const { return error.isEmpty(); }
};

// Splits and decodes a file's bytes: lines end in CRLF or LF; each value is
// quoted or bare; the text is UTF-8 when the bytes are valid UTF-8, otherwise
// Windows-1252. Refuses bytes holding NUL and files with fewer than 98 records.
// Records after the 98th are ignored.
ProjectRecords ReadProjectRecords(const QByteArray& bytes);

// The file bytes for 98 values: each quoted on its own line, CRLF line ends,
// Windows-1252, or UTF-8 when some text holds a character Windows-1252 lacks.
// Line breaks inside a value become blanks, so a value stays one record.
QByteArray WriteProjectRecords(const QStringList& values);

// Checks the integer records against their lists: an index must be an integer
// within the rows of its list, the kind code within 1..4. Returns the reason
// of a refusal, empty when every record can be applied.
QString CheckProjectRecords(const QStringList& values);

// A value of a mark record counts as marked when it starts with T, t, Y or y.
bool IsMarkedValue(const QString& value);
// The integer of an index or kind record; false when it is no integer.
bool ReadRecordInteger(const QString& value, int* result);
// The first `kProjectTextWidth` characters of a text (never half a character).
QString CutToFieldWidth(const QString& text);

// Windows-1252 conversion. Bytes 0x80-0x9F that the code page leaves
// unassigned map to the C1 control characters of the same number.
QString DecodeWindows1252(const QByteArray& bytes);
// `ok` is false when some character has no byte in the code page (it is
// written as "?").
QByteArray EncodeWindows1252(const QString& text, bool* ok);
