// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/NumberFormat.h"

#include "engine/DecimalRounding.h"

#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace {

QChar SystemSeparator() {
  const QString point = QLocale::system().decimalPoint();
  return point.isEmpty() ? QChar('.') : point.at(0);
}

QChar& CurrentSeparator() {
  static QChar separator = SystemSeparator();
  return separator;
}

bool IsBlank(QChar c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The decimal order of magnitude of a plain number text, floor(log10) + 1
// ("123.4" is 3, "0.00123e-5" is -7): where its first significant digit
// stands against the point, plus its exponent, saturated.
long long OrderOfMagnitude(const std::string& plain) {
  const std::size_t e = std::min(plain.find('e'), plain.size());
  const std::size_t point = std::min(plain.find('.'), e);
  const std::size_t first = std::min(plain.find_first_of("123456789"), e);
  const long long order =
      first < point ? static_cast<long long>(point - first) : -static_cast<long long>(first - point - 1);
  long long exponent = 0;
  std::size_t i = e + 1;
  const bool negativeExponent = i < plain.size() && plain[i] == '-';
  if (i < plain.size() && (plain[i] == '+' || plain[i] == '-')) ++i;
  for (; i < plain.size(); ++i) exponent = std::min(exponent * 10 + (plain[i] - '0'), 1000000000LL);
  return order + (negativeExponent ? -exponent : exponent);
}

}  // namespace

QChar DecimalSeparator() { return CurrentSeparator(); }
void SetDecimalSeparator(QChar separator) { CurrentSeparator() = separator; }
void ResetDecimalSeparator() { CurrentSeparator() = SystemSeparator(); }

std::optional<double> ReadDecimal(const QString& text, QChar separator) {
  int begin = 0;
  int end = text.size();
  while (begin < end && IsBlank(text.at(begin))) ++begin;
  while (end > begin && IsBlank(text.at(end - 1))) --end;
  if (begin == end || end - begin > 400) return std::nullopt;

  // Grammar: [sign] (digits [sep digits*] | sep digits) [(e|E) [sign] digits]
  std::string plain;
  int i = begin;
  auto at = [&](int k) { return k < end ? text.at(k) : QChar(0); };
  if (at(i) == '+' || at(i) == '-') plain += char(text.at(i++).unicode());
  int intDigits = 0;
  while (at(i).isDigit() && at(i).unicode() < 128) {
    plain += char(at(i++).unicode());
    ++intDigits;
  }
  int fracDigits = 0;
  if (at(i) == separator) {
    ++i;
    plain += '.';
    while (at(i).isDigit() && at(i).unicode() < 128) {
      plain += char(at(i++).unicode());
      ++fracDigits;
    }
  }
  if (intDigits == 0 && fracDigits == 0) return std::nullopt;
  if (at(i) == 'e' || at(i) == 'E') {
    plain += 'e';
    ++i;
    if (at(i) == '+' || at(i) == '-') plain += char(at(i++).unicode());
    int expDigits = 0;
    while (at(i).isDigit() && at(i).unicode() < 128) {
      plain += char(at(i++).unicode());
      ++expDigits;
    }
    if (expDigits == 0) return std::nullopt;
  }
  if (i != end) return std::nullopt;

  // "5." is a number; strtod wants a digit after the point, from_chars does not care.
  double value = 0;
  const char* first = plain.data();
  if (*first == '+') ++first;  // from_chars takes no plus sign
  auto [ptr, ec] = std::from_chars(first, plain.data() + plain.size(), value);
  if (ec == std::errc::result_out_of_range) {
    // Of the number form but beyond what a double holds: far too large is
    // infinite (out of every limit), far too small is zero.
    const bool negative = plain.front() == '-';
    const double far = OrderOfMagnitude(plain) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -far : far;
  }
  if (ec != std::errc() || ptr != plain.data() + plain.size()) return std::nullopt;
  return value;
}

QString ExchangeSeparators(const QString& text) {
  QString swapped = text;
  for (QChar& c : swapped) {
    if (c == '.')
      c = ',';
    else if (c == ',')
      c = '.';
  }
  return swapped;
}

std::optional<float> TryParseNumber(const QString& text) {
  std::optional<double> value = ReadDecimal(text, DecimalSeparator());
  if (!value) value = ReadDecimal(ExchangeSeparators(text), DecimalSeparator());
  if (!value) return std::nullopt;
  const float single = static_cast<float>(*value);
  if (!std::isfinite(single)) return std::nullopt;
  return single;
}

float ParseNumber(const QString& text) { return TryParseNumber(text).value_or(0.0f); }

QString FormatResistance(double value, int precision) {
  QString text = FormatFixed(value, std::max(precision, 4), ResistanceDecimals(value));
  // The decimals past the third are there for the significant digits of a
  // small resistance; zeros there say nothing ("0.050", not "0.05000").
  const int separator = text.indexOf(DecimalSeparator());
  if (separator < 0 || text.contains(QLatin1Char('E'))) return text;
  while (text.size() - separator - 1 > 3 && text.endsWith(QLatin1Char('0'))) text.chop(1);
  return text;
}

QString FormatFixed(double value, int precision, int digits) {
  QString text = QString::fromLatin1(RoundedDecimalText(value, precision, digits).c_str());
  const QChar separator = DecimalSeparator();
  if (separator != QLatin1Char('.')) text.replace(QLatin1Char('.'), separator);
  return text;
}
