// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <random>

// Random but valid projects: every value passes the check of its field, every
// field the window shows is filled, and the numbers are those of real
// installations (walls, hot and chilled water pipes, buried pipes, spheres,
// ducts and tanks, with a low-conductivity insulation layer). Every element
// kind, variant, target, design condition and coefficient mode comes up; the
// targets of a thickness calculation are mostly ones the element can meet.

// Where the choices of a project come from: one 32-bit word per draw.
using DrawWord = std::function<std::uint32_t()>;

// The 98 record values of one project, in file order.
QStringList GenerateProjectRecords(const DrawWord& draw);

// The text of a project file (each value quoted on its own line, CRLF).
QString GenerateProject(std::mt19937& rng);
QString ProjectText(const QStringList& records);

// Project number `number`: the one std::mt19937(number) gives. A failing
// project is rebuilt from its number alone.
QString NumberedProject(std::uint32_t number);
