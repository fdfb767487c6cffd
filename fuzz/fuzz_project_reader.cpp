// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a project file: split, decode and check the records.
#include "app/Brenak.h"
#include "files/ProjectFile.h"

#include <QByteArray>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static RecordingMessageSink sink;
  static Brenak app(sink);
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const ProjectRecords records = ReadProjectRecords(bytes);
  if (records.ok()) {
    CheckProjectRecords(records.values);
    // Writing what was read and reading it again gives the same values.
    const ProjectRecords again = ReadProjectRecords(WriteProjectRecords(records.values.mid(0, kProjectRecordCount)));
    if (!again.ok()) __builtin_trap();
  }
  DecodeWindows1252(bytes);
  return 0;
}
