// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>
#include <optional>

// Numbers travel as text in the window and in project files. They are read with
// ParseNumber, which accepts either decimal separator, and written with
// FormatFixed, which uses the decimal separator of the user's locale.

// The decimal separator used for writing and tried first for reading. It starts
// as the separator of the system locale (LC_ALL, LC_NUMERIC, LANG).
QChar DecimalSeparator();
void SetDecimalSeparator(QChar separator);
// Puts the separator back to the one of the system locale.
void ResetDecimalSeparator();

// Reads the text as a decimal number in the locale (optional sign, digits,
// optional fraction, optional exponent, blanks around ignored); when that fails,
// reads a copy with every "." and "," exchanged. Empty when both fail, or when
// the value is not finite as a single-precision number.
std::optional<float> TryParseNumber(const QString& text);

// As TryParseNumber, with 0 for a text that is no number.
float ParseNumber(const QString& text);

// Reads the text as a decimal number with the given separator only (no exchange).
std::optional<double> ReadDecimal(const QString& text, QChar separator);

// Exchanges every "." with "," and every "," with "." in one pass.
QString ExchangeSeparators(const QString& text);

// Fixed-point text with exactly `digits` decimals; the value is first rounded to
// `precision` significant digits and the decimals beyond them are zeros. The
// locale's decimal separator, no thousands separator, a leading minus sign.
// Scientific notation when the integer part has more digits than `precision`.
QString FormatFixed(double value, int precision, int digits);

// A thermal resistance: `precision` significant digits (four at least) with
// three decimals, or as many as keep four significant digits below 1.
QString FormatResistance(double value, int precision);
