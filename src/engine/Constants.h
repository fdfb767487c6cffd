// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's constants, written as the program uses them: its figures are
// worked out with these values, not with the exact ones.
inline constexpr double kPi = 3.1416;
inline constexpr double kTwoPi = 6.2832;
inline constexpr double kFourPi = 12.5664;
// π per millimetre of diameter, giving a circumference in metres.
inline constexpr double kPiPerMillimetre = 0.0031416;
// The exponent of the turbulent natural-convection correlations.
inline constexpr double kOneThird = 0.3333;
