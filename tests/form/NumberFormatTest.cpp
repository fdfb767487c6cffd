// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/NumberFormat.h"

#include <gtest/gtest.h>

namespace {

class NumberFormatTest : public ::testing::Test {
 protected:
  void TearDown() override { ResetDecimalSeparator(); }
};

struct FormatCase {
  double value;
  int precision;
  int digits;
  const char* point;
};

class FormatFixedCases : public ::testing::TestWithParam<FormatCase> {
 protected:
  void TearDown() override { ResetDecimalSeparator(); }
};

TEST_P(FormatFixedCases, WritesWithEitherSeparator) {
  const FormatCase& c = GetParam();
  SetDecimalSeparator('.');
  EXPECT_EQ(FormatFixed(c.value, c.precision, c.digits), QString::fromLatin1(c.point));
  SetDecimalSeparator(',');
  EXPECT_EQ(FormatFixed(c.value, c.precision, c.digits), QString::fromLatin1(c.point).replace('.', ','));
}

INSTANTIATE_TEST_SUITE_P(Values, FormatFixedCases,
                         ::testing::Values(FormatCase{0.9, 6, 1, "0.9"}, FormatCase{0.04, 6, 2, "0.04"},
                                           FormatCase{0.033, 6, 3, "0.033"}, FormatCase{33.0567, 6, 2, "33.06"},
                                           FormatCase{9, 5, 2, "9.00"}, FormatCase{40, 6, 3, "40.000"},
                                           FormatCase{48000, 6, 2, "48000.00"},
                                           // five significant digits leave the last decimals as zeros
                                           FormatCase{1234.5678, 5, 3, "1234.600"}, FormatCase{86.4, 5, 2, "86.40"},
                                           FormatCase{-12.345, 5, 2, "-12.35"}, FormatCase{0.0004, 5, 2, "0.00"},
                                           FormatCase{-0.0004, 5, 2, "0.00"}, FormatCase{12.6, 6, 2, "12.60"},
                                           FormatCase{10.338, 4, 2, "10.34"}, FormatCase{0.81904, 6, 3, "0.819"},
                                           FormatCase{2927.1, 5, 0, "2927"}, FormatCase{123456, 5, 2, "1.2346E+05"},
                                           // exact halves round away from zero
                                           FormatCase{0.0625, 5, 3, "0.063"}, FormatCase{-0.0625, 5, 3, "-0.063"},
                                           FormatCase{2.5, 5, 0, "3"}, FormatCase{0.5, 5, 0, "1"},
                                           FormatCase{0.004, 5, 2, "0.00"}, FormatCase{0.006, 5, 2, "0.01"},
                                           FormatCase{99.999, 5, 2, "100.00"}, FormatCase{99999.7, 5, 0, "1.0000E+05"},
                                           FormatCase{0, 6, 3, "0.000"}));

// A resistance keeps four significant digits where three decimals would lose
// them (a sphere's surface resistance of 0.003142 ºC/W is not "0.003"), and
// no zeros past the third decimal ("0.050", not "0.05000").
struct ResistanceCase {
  double value;
  const char* point;
};

class FormatResistanceCases : public ::testing::TestWithParam<ResistanceCase> {
 protected:
  void TearDown() override { ResetDecimalSeparator(); }
};

TEST_P(FormatResistanceCases, KeepsFourSignificantDigits) {
  SetDecimalSeparator(',');
  EXPECT_EQ(FormatResistance(GetParam().value, 5), QString::fromLatin1(GetParam().point).replace('.', ','));
}

INSTANTIATE_TEST_SUITE_P(Values, FormatResistanceCases,
                         ::testing::Values(ResistanceCase{0.0031416, "0.003142"}, ResistanceCase{0.0625, "0.0625"},
                                           ResistanceCase{0.05, "0.050"}, ResistanceCase{0.004, "0.004"},
                                           ResistanceCase{0.1111111, "0.1111"}, ResistanceCase{0.5, "0.500"},
                                           ResistanceCase{-0.25, "-0.250"}, ResistanceCase{0.99996, "1.000"},
                                           ResistanceCase{1.23456, "1.235"}, ResistanceCase{12.3456, "12.346"},
                                           ResistanceCase{30, "30.000"}, ResistanceCase{0, "0.000"},
                                           // a resistance next to nothing is no row of zeros
                                           ResistanceCase{1e-12, "0.000"}));

TEST_F(NumberFormatTest, ParseAcceptsEitherSeparator) {
  for (QChar sep : {QChar('.'), QChar(',')}) {
    SetDecimalSeparator(sep);
    EXPECT_FLOAT_EQ(ParseNumber("0.5"), 0.5f);
    EXPECT_FLOAT_EQ(ParseNumber("0,5"), 0.5f);
    EXPECT_FLOAT_EQ(ParseNumber(" -12,25 "), -12.25f);
    EXPECT_FLOAT_EQ(ParseNumber("1e1"), 10.0f);
    EXPECT_FLOAT_EQ(ParseNumber("+3"), 3.0f);
    EXPECT_FLOAT_EQ(ParseNumber("5."), 5.0f);
    EXPECT_FLOAT_EQ(ParseNumber(",5"), 0.5f);
  }
}

TEST_F(NumberFormatTest, TextThatIsNoNumberGivesNothing) {
  for (const char* text :
       {"", "  ", "abc", "1.2.3", "1,2.3", "e5", "1e", "--1", "1 2", "1e999", "0x10", "nan", "inf"}) {
    EXPECT_FALSE(TryParseNumber(QString::fromLatin1(text)).has_value()) << text;
  }
  EXPECT_EQ(ParseNumber("letras"), 0.0f);
  // Too small for a double is a number all the same: zero.
  EXPECT_EQ(TryParseNumber("1e-400"), 0.0f);
  EXPECT_EQ(TryParseNumber("-0.000001e-399"), 0.0f);
}

TEST_F(NumberFormatTest, ExchangeIsOnePass) { EXPECT_EQ(ExchangeSeparators("1.234,5"), QString("1,234.5")); }

}  // namespace
