// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/DecimalRounding.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

// Rounds the digit string to `keep` digits, halves away from zero; a carry out
// of the first digit adds a leading 1 and raises `point` (the number of digits
// before the decimal point).
void RoundDigits(std::string& digits, int& point, int keep) {
  if (keep >= static_cast<int>(digits.size())) return;
  const bool up = digits[keep] >= '5';
  digits.resize(keep);
  if (!up) return;
  int i = keep - 1;
  while (i >= 0 && digits[i] == '9') digits[i--] = '0';
  if (i >= 0) {
    ++digits[i];
  } else {
    digits.insert(digits.begin(), '1');
    ++point;
  }
}

std::string Scientific(bool negative, std::string digits, int point, int precision) {
  RoundDigits(digits, point, precision);
  digits.resize(precision, '0');
  std::string out = negative ? "-" : "";
  out += digits[0];
  if (precision > 1) out += "." + digits.substr(1);
  const int exponent = point - 1;
  char tail[16];
  std::snprintf(tail, sizeof tail, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
  return out + tail;
}

}  // namespace

std::string RoundedDecimalText(double value, int precision, int digits) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  precision = std::clamp(precision, 1, 18);
  digits = std::clamp(digits, 0, 18);

  const bool negative = value < 0;
  // |value| = 0.D x 10^point, from the exact decimal expansion of the binary
  // value (long enough for any rounding used here).
  std::string D;
  int point = 0;
  if (value != 0) {
    // std::to_chars, unlike printf, never takes the decimal point of the C
    // library's locale, which Qt sets from the environment (a comma in Spanish).
    char buffer[160];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, std::abs(value), std::chars_format::scientific, 99);
    const std::string sci(buffer, written.ptr);
    const std::size_t ePos = sci.find('e');
    point = std::stoi(sci.substr(ePos + 1)) + 1;
    for (std::size_t k = 0; k < ePos; ++k)
      if (sci[k] != '.') D += sci[k];
    if (point > precision) return Scientific(negative, D, point, precision);

    // One rounding, at whichever limit binds first: significant digits or decimals.
    const int keep = std::min(precision, point + digits);
    if (keep < 0) {
      D.clear();
    } else if (keep == 0) {
      if (D[0] >= '5') {
        D = "1";
        ++point;
      } else {
        D.clear();
      }
    } else {
      RoundDigits(D, point, keep);
    }
    if (point > precision && !D.empty()) return Scientific(negative, D, point, precision);
  }

  std::string integerPart, fractionPart;
  if (point > 0) {
    integerPart = D.substr(0, std::min<std::size_t>(D.size(), point));
    integerPart.resize(point, '0');
  } else {
    integerPart = "0";
  }
  for (int place = point; static_cast<int>(fractionPart.size()) < digits; ++place)
    fractionPart += (place >= 0 && place < static_cast<int>(D.size())) ? D[place] : '0';
  const bool allZero = D.find_first_not_of('0') == std::string::npos;
  std::string out = (negative && !allZero) ? "-" : "";
  out += integerPart;
  if (digits > 0) out += "." + fractionPart;
  return out;
}

int ResistanceDecimals(double value) {
  const double size = std::abs(value);
  if (!std::isfinite(size) || size == 0 || size >= 1) return 3;
  return std::clamp(3 - static_cast<int>(std::floor(std::log10(size))), 3, 9);
}

float RoundAsWritten(double value, int precision, int digits) {
  const std::string text = RoundedDecimalText(value, precision, digits);
  double read = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), read);
  if (ec != std::errc() || ptr != text.data() + text.size()) return 0;
  const float single = static_cast<float>(read);
  return std::isfinite(single) ? single : 0.0f;
}
