#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

class QFrame;
class QLabel;
class QWidget;

// How the window writes and dresses the captions and fields it makes.

// "&" is a mnemonic mark for buttons; the window's captions show it as written.
QString ButtonCaption(const QString& text);

// A caption shown as written, never as rich text.
QLabel* Caption(const QString& text, QWidget* parent = nullptr);

// A column heading as the window shows it: the runs of blanks that spaced its
// words into lines become line breaks, and a unit in parentheses stays whole.
QString HeadingText(const QString& text);

// Bold type, larger or smaller by `scale`.
void SetBold(QWidget* w, double scale = 1.0);

// Sets one colour of a widget's palette.
void Paint(QWidget* w, QPalette::ColorRole role, const QColor& colour);

// Width of a field that holds `chars` digits.
int FieldWidth(const QWidget* w, int chars);

// A frame that draws nothing: a holder of other widgets.
QFrame* PlainFrame(QWidget* parent = nullptr);
