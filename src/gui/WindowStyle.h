// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>
#include <QString>
#include <QStringList>
#include <functional>

class QFrame;
class QLabel;
class QWidget;

// How the window writes and dresses the captions and fields it makes.

// "&" is a mnemonic mark for buttons; the window's captions show it as written.
QString ButtonCaption(const QString& text);

// A caption shown as written, never as rich text.
QLabel* Caption(const QString& text, QWidget* parent = nullptr);

// The parts of a caption between its runs of at least `least` blanks, the
// caption trimmed first: the program's captions space their columns, lines or
// units with such runs. Display only: no figure is read from a caption.
QStringList BlankSeparatedParts(const QString& text, int least);

// A column heading as the window shows it: the runs of blanks that spaced its
// words into lines become line breaks, and a unit in parentheses stays whole.
QString HeadingText(const QString& text);

// A caption as the window shows it beside its field: the runs of blanks that
// spaced a unit away from its name in a fixed-width layout become two blanks,
// and the caption takes no more room than its words.
QString CompactText(const QString& text);
// Marks a caption of the form to be shown as CompactText(); the binding keeps
// it so when its text changes.
QLabel* Compact(QWidget* caption);

// Wraps a label's text at the label's width and keeps the label at least as
// tall as its wrapped lines (one line when empty), whatever the layout holding
// it asks of it. KeepWrappedHeight() brings the height up to date after the
// text changed.
void WrapToWidth(QLabel* label);
void KeepWrappedHeight(QLabel* label);
// The height a wrapped plain-text label takes at `width`, one line at least.
int WrappedHeight(const QLabel* label, int width);

// Calls `resized` each time `w` changes size.
void WhenResized(QWidget* w, std::function<void()> resized);

// Bold type, larger or smaller by `scale`.
void SetBold(QWidget* w, double scale = 1.0);

// Sets one colour of a widget's palette.
void Paint(QWidget* w, QPalette::ColorRole role, const QColor& colour);

// Width of a field that holds `chars` digits.
int FieldWidth(const QWidget* w, int chars);

// A frame that draws nothing: a holder of other widgets.
QFrame* PlainFrame(QWidget* parent = nullptr);
