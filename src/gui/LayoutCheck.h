// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>

class QWidget;

// A text of the window that does not fit in the room its widget gives it.
struct ClippedText {
  QString control;  // the control's name; a radio row as "Group[row]", a caption as "Holder/caption"
  QString text;
  int needed = 0;  // pixels the text takes (its height for a wrapped label)
  int given = 0;   // pixels the widget shows of it
};

// What the window shows at its present size: whether the data area scrolls,
// and every visible label, button, radio row, group title, field and list
// whose text is cut, by its own widget's size or by a holder that clips it.
struct LayoutReport {
  QSize size;
  bool horizontalScrollBar = false;
  bool verticalScrollBar = false;
  QList<ClippedText> clipped;

  bool Fits() const { return !horizontalScrollBar && !verticalScrollBar && clipped.isEmpty(); }
  // {"size":[w,h], "scrollbars":{"horizontal":b,"vertical":b},
  //  "clipped":[{"control":..., "text":..., "needed":px, "given":px}, ...]}
  QByteArray Json() const;
};

// Lets the layouts of the shown windows settle: a wrapped line that grows
// taller once it knows its width asks for another layout pass.
void SettleLayouts();

// Measures a shown main window (gui/MainWindow.h) as it stands.
LayoutReport CheckLayout(const QWidget* window);
