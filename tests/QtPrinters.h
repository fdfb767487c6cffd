// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Readable failure messages for Qt types in GoogleTest assertions.
#include <QPointF>
#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* os) {
  *os << '[';
  for (int i = 0; i < list.size(); ++i) *os << (i ? ", " : "") << '"' << list[i].toStdString() << '"';
  *os << ']';
}
inline void PrintTo(const QPointF& p, std::ostream* os) { *os << '(' << p.x() << ", " << p.y() << ')'; }
