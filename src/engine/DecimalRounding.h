// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// How the program writes a number: fixed-point with exactly `digits` decimals,
// rounded once (halves away from zero) at whichever comes first of `precision`
// significant digits and `digits` decimals; scientific notation ("1.2346E+05")
// when the integer part has more digits than `precision`; "NAN", "INF", "-INF"
// for values that are not finite; never "-0.00". The separator is a point.
std::string RoundedDecimalText(double value, int precision, int digits);

// The decimals a thermal resistance is written with: three, and more for a
// value below 1, so that it keeps four significant digits ("0.003142" rather
// than "0.003"); at most nine.
int ResistanceDecimals(double value);

// The value a field holds once the number has been written into it and read
// back: rounded as RoundedDecimalText, then single precision; 0 for a value
// that is not finite.
float RoundAsWritten(double value, int precision, int digits);
