#include "shell/NumberFormat.h"

#include <QLocale>
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
  while (at(i).isDigit() && at(i).unicode() < 128) { plain += char(at(i++).unicode()); ++intDigits; }
  int fracDigits = 0;
  if (at(i) == separator) {
    ++i;
    plain += '.';
    while (at(i).isDigit() && at(i).unicode() < 128) { plain += char(at(i++).unicode()); ++fracDigits; }
  }
  if (intDigits == 0 && fracDigits == 0) return std::nullopt;
  if (at(i) == 'e' || at(i) == 'E') {
    plain += 'e';
    ++i;
    if (at(i) == '+' || at(i) == '-') plain += char(at(i++).unicode());
    int expDigits = 0;
    while (at(i).isDigit() && at(i).unicode() < 128) { plain += char(at(i++).unicode()); ++expDigits; }
    if (expDigits == 0) return std::nullopt;
  }
  if (i != end) return std::nullopt;

  // "5." is a number; strtod wants a digit after the point, from_chars does not care.
  double value = 0;
  const char* first = plain.data();
  if (*first == '+') ++first;  // from_chars takes no plus sign
  auto [ptr, ec] = std::from_chars(first, plain.data() + plain.size(), value);
  if (ec == std::errc::result_out_of_range) return std::nullopt;
  if (ec != std::errc() || ptr != plain.data() + plain.size()) return std::nullopt;
  return value;
}

QString ExchangeSeparators(const QString& text) {
  QString swapped = text;
  for (QChar& c : swapped) {
    if (c == '.') c = ',';
    else if (c == ',') c = '.';
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

QString FormatFixed(double value, int precision, int digits) {
  const QChar separator = DecimalSeparator();
  if (std::isnan(value)) return QStringLiteral("NAN");
  if (std::isinf(value)) return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
  if (precision < 1) precision = 1;
  if (precision > 18) precision = 18;
  if (digits < 0) digits = 0;
  if (digits > 18) digits = 18;

  char buffer[128];
  std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, value);
  // buffer: [-]d.ddddde[+-]xx
  std::string sci(buffer);
  const std::size_t ePos = sci.find('e');
  const int exponent = std::stoi(sci.substr(ePos + 1));
  const bool negative = sci[0] == '-';

  if (exponent + 1 > precision) {
    // More integer digits than significant digits: scientific notation.
    std::string mantissa = sci.substr(negative ? 1 : 0, ePos - (negative ? 1 : 0));
    QString out = negative ? QStringLiteral("-") : QString();
    out += QString::fromLatin1(mantissa.c_str()).replace('.', separator);
    out += QStringLiteral("E%1%2").arg(exponent < 0 ? '-' : '+').arg(std::abs(exponent), 2, 10, QChar('0'));
    return out;
  }

  std::string fixed;
  if (exponent + 1 + digits <= precision) {
    // The decimals are the binding limit: one rounding at `digits` decimals.
    std::snprintf(buffer, sizeof buffer, "%.*f", digits, value);
    fixed = buffer;
  } else {
    // The significant digits are the binding limit: round to them, pad with zeros.
    std::string mantissa;
    for (std::size_t k = negative ? 1 : 0; k < ePos; ++k)
      if (sci[k] != '.') mantissa += sci[k];
    std::string integerPart, fractionPart;
    if (exponent >= 0) {
      integerPart = mantissa.substr(0, exponent + 1);
      fractionPart = mantissa.substr(exponent + 1);
    } else {
      integerPart = "0";
      fractionPart = std::string(-exponent - 1, '0') + mantissa;
    }
    if (static_cast<int>(fractionPart.size()) > digits) fractionPart.resize(digits);
    while (static_cast<int>(fractionPart.size()) < digits) fractionPart += '0';
    fixed = (negative ? "-" : "") + integerPart + (digits > 0 ? "." + fractionPart : "");
  }
  // A value that rounds to zero is written without its minus sign.
  if (!fixed.empty() && fixed[0] == '-' && fixed.find_first_not_of("-0.") == std::string::npos)
    fixed.erase(0, 1);
  return QString::fromLatin1(fixed.c_str()).replace('.', separator);
}
