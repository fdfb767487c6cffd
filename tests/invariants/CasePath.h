// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/CaseFile.h"
#include "results/CaseCalculation.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <vector>

class ReusedWindow;

// A project file taken the way the program takes it without a window: read
// as a case, put as the window holds it once opened, checked, and calculated
// when its checks let it.
struct CaseRun {
  CaseReading reading;
  bool calculable = false;             // read, and nothing missing or refused
  std::vector<QString> boxes;          // what the checks said, when not calculable
  std::optional<CaseOutcome> outcome;  // present when calculable
};
CaseRun RunCase(const QByteArray& bytes);

// Opens the file (holding `bytes`) on the window as "Abrir" does and tells
// every way the window differs from the case run: whether it opened it,
// whether it calculated it, what its checks said, the engine's outcome to the
// last bit, the warnings shown and the result lines written. Empty when they
// agree.
std::vector<std::string> WindowDisagreements(ReusedWindow& window, const QString& path, const CaseRun& run);

// Whether to take the window's path too for these bytes: one input in
// `every`, chosen by the bytes alone, so that an input found failing fails
// again when run by itself.
bool SampledForWindow(const QByteArray& bytes, unsigned every);
