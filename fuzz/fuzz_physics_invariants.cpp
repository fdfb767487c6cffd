// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes as the choices of a generated project (tests/invariants): each four
// bytes one draw, and past their end a generator seeded from all of them. The
// project, valid and complete, is read as a case, opened, checked and
// calculated without a window; a broken physical invariant prints the
// project and aborts. One project in eight (chosen by its text) is also
// opened on a window as "Abrir" does, one window serving every input, put
// back to its start state before each, and the window must agree with the
// case at every step (opened, checked, the engine's outcome to the last bit,
// the warnings, the result lines).
#include "CalculationInvariants.h"
#include "CasePath.h"
#include "ProjectGenerator.h"
#include "ReusedWindow.h"

#include "form/NumberFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>

namespace {

constexpr unsigned kWindowEvery = 8;

// A bijective mix of a word: bytes of text (all below 0x80) still give draws
// over the whole range, and one changed byte still changes one draw.
std::uint32_t Mix(std::uint32_t h) {
  h ^= h >> 16;
  h *= 0x85ebca6bu;
  h ^= h >> 13;
  h *= 0xc2b2ae35u;
  h ^= h >> 16;
  return h;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static int argc = 1;
  static char name[] = "fuzz";
  static char* argv[] = {name, nullptr};
  static QCoreApplication qapp(argc, argv);
  static const QString path =
      QDir::tempPath() + "/brenak-physics-" + QString::number(QCoreApplication::applicationPid()) + ".txt";

  SetDecimalSeparator('.');
  // The generator past the bytes' end, seeded only when a project needs it.
  std::optional<std::mt19937> rest;
  size_t offset = 0;
  const DrawWord draw = [&]() -> std::uint32_t {
    if (offset + 4 > size) {
      if (!rest) {
        std::seed_seq seeds(data, data + size);
        rest.emplace(seeds);
      }
      return static_cast<std::uint32_t>((*rest)());
    }
    std::uint32_t word = 0;
    std::memcpy(&word, data + offset, 4);
    offset += 4;
    return Mix(word);
  };
  const QString text = ProjectText(GenerateProjectRecords(draw));
  const QByteArray bytes = text.toUtf8();

  const CaseRun run = RunCase(bytes);
  InvariantReport report;
  if (!run.reading.ok()) {
    report.violations.push_back("not read as a project: " + run.reading.error.toStdString());
  } else if (!run.calculable) {
    std::string boxes;
    for (const QString& box : run.boxes) boxes += " [" + box.toStdString() + "]";
    report.violations.push_back("not calculated on opening:" + boxes);
  } else {
    report = CheckCalculationInvariants(run.outcome->inputs, run.outcome->engine);
  }
  if (!report.violations.empty()) {
    std::fprintf(stderr, "A physical invariant is broken:\n%s-- the project:\n%s", Describe(report).c_str(),
                 qPrintable(text));
    std::abort();
  }
  if (!SampledForWindow(bytes, kWindowEvery)) return 0;

  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
  file.write(bytes);
  file.close();
  static ReusedWindow window(QDir::tempPath());
  const std::vector<std::string> differ = WindowDisagreements(window, path, run);
  if (!differ.empty()) {
    std::fprintf(stderr, "The window and the case disagree:\n");
    for (const std::string& line : differ) std::fprintf(stderr, "  %s\n", line.c_str());
    std::fprintf(stderr, "-- the project:\n%s", qPrintable(text));
    std::abort();
  }
  return 0;
}
