#include "core/convert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(IntText, WritesDecimalWithSign) {
  EXPECT_EQ(IntToText(0), "0");
  EXPECT_EQ(IntToText(-15), "-15");
  EXPECT_EQ(IntToText(2147483647), "2147483647");
  EXPECT_EQ(IntToText(std::numeric_limits<int32_t>::min()), "-2147483648");
}

TEST(IntText, ReadsLeadingIntegerAndWraps) {
  EXPECT_EQ(TextToInt(""), 0);
  EXPECT_EQ(TextToInt("12"), 12);
  EXPECT_EQ(TextToInt("-7"), -7);
  EXPECT_EQ(TextToInt("+7"), 7);
  EXPECT_EQ(TextToInt("007"), 7);
  EXPECT_EQ(TextToInt("12abc"), 12);
  EXPECT_EQ(TextToInt("1.9"), 1);
  EXPECT_EQ(TextToInt(" 5"), 0);
  EXPECT_EQ(TextToInt("abc"), 0);
  EXPECT_EQ(TextToInt("--5"), 0);
  EXPECT_EQ(TextToInt("2147483648"), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(TextToInt("-2147483648"), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(TextToInt("4294967297"), 1);
}

TEST(RealText, WritesPositionalTextWithFifteenDigits) {
  EXPECT_EQ(RealToText(0.0), "0");
  EXPECT_EQ(RealToText(-0.0), "0");
  EXPECT_EQ(RealToText(0.5), "0.5");
  EXPECT_EQ(RealToText(2.0), "2");
  EXPECT_EQ(RealToText(100.0), "100");
  EXPECT_EQ(RealToText(0.1), "0.1");
  EXPECT_EQ(RealToText(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(RealToText(2.0 / 3.0), "0.666666666666667");
  EXPECT_EQ(RealToText(-12.25), "-12.25");
  EXPECT_EQ(RealToText(0.00001), "0.00001");
  EXPECT_EQ(RealToText(1234567.125), "1234567.125");
  EXPECT_EQ(RealToText(1e20), "100000000000000000000");
  EXPECT_EQ(RealToText(123456789012345678.0), "123456789012346000");
  EXPECT_EQ(RealToText(0.1 + 0.2), "0.3");
  EXPECT_EQ(RealToText(1.0e15), "1000000000000000");
  EXPECT_EQ(RealToText(10.0), "10");
  EXPECT_EQ(RealToText(-5e-7), "-0.0000005");
}

TEST(RealText, ValuesJustBelowAPowerOfTenRoundUp) {
  EXPECT_EQ(RealToText(std::nextafter(1.0, 0.0)), "1");
  EXPECT_EQ(RealToText(std::nextafter(1000.0, 0.0)), "1000");
  EXPECT_EQ(RealToText(-std::nextafter(0.01, 0.0)), "-0.01");
}

TEST(RealText, NonFiniteValuesHaveDefinedTexts) {
  EXPECT_EQ(RealToText(std::numeric_limits<double>::infinity()), "INF");
  EXPECT_EQ(RealToText(-std::numeric_limits<double>::infinity()), "-INF");
  EXPECT_EQ(RealToText(std::numeric_limits<double>::quiet_NaN()), "NAN");
  EXPECT_EQ(RealToText(std::numeric_limits<double>::denorm_min()).substr(0, 6), "0.0000");
  EXPECT_EQ(RealToText(std::numeric_limits<double>::max()).size(), 309u);
}

TEST(RealText, ReadsDigitsPointAndExponent) {
  EXPECT_EQ(TextToReal(""), 0.0);
  EXPECT_EQ(TextToReal("1.5"), 1.5);
  EXPECT_EQ(TextToReal(".5"), 0.5);
  EXPECT_EQ(TextToReal("1,5"), 15.0);
  EXPECT_EQ(TextToReal("12abc3"), 123.0);
  EXPECT_EQ(TextToReal(" -5"), 5.0);
  EXPECT_EQ(TextToReal("1.2.3"), 1.2);
  EXPECT_EQ(TextToReal("2.5e2"), 250.0);
  EXPECT_EQ(TextToReal("1e-2"), 0.01);
  EXPECT_EQ(TextToReal("3E"), 3.0);
  EXPECT_EQ(TextToReal("-12.25"), -12.25);
  double minusZero = TextToReal("-");
  EXPECT_EQ(minusZero, 0.0);
  EXPECT_TRUE(std::signbit(minusZero));
  EXPECT_EQ(RealToText(minusZero), "0");
}

TEST(RealText, ExponentsOutOfRangeGiveInfinityOrZero) {
  EXPECT_EQ(TextToReal("1e400"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(TextToReal("-1e400"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(TextToReal("1e-400"), 0.0);
  EXPECT_EQ(TextToReal("0e99999"), 0.0);
  EXPECT_EQ(TextToReal("5e2147483647"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(TextToReal("5e-2147483648"), 0.0);
}

TEST(RealText, RoundTripsThroughFifteenDigits) {
  for (double v : {0.001, 3.14159, -273.15, 1e-10, 98765.4321, 5e12, 7.5e14}) {
    EXPECT_DOUBLE_EQ(TextToReal(RealToText(v)), v) << v;
  }
}

TEST(Rounding, TiesGoToEvenAndWrapToLow32Bits) {
  EXPECT_EQ(RoundToInt(2.5), 2);
  EXPECT_EQ(RoundToInt(3.5), 4);
  EXPECT_EQ(RoundToInt(-2.5), -2);
  EXPECT_EQ(RoundToInt(-3.5), -4);
  EXPECT_EQ(RoundToInt(2.4999), 2);
  EXPECT_EQ(RoundToInt(4294967296.0 + 5), 5);
  EXPECT_EQ(RoundToInt(2147483648.0), std::numeric_limits<int32_t>::min());
}

TEST(Power, MultipliesFactorsAndInvertsNegativeCounts) {
  EXPECT_EQ(PowerOfTen(10, 0), 1.0L);
  EXPECT_EQ(PowerOfTen(10, 3), 1000.0L);
  EXPECT_EQ(static_cast<double>(PowerOfTen(10, -2)), 0.01);
  EXPECT_EQ(PowerOfTen(2, 10), 1024.0L);
}

TEST(Tokens, CutTokenTakesTextBeforeDelimiter) {
  std::string s = "a;b;";
  EXPECT_EQ(CutToken(s, ';'), "a");
  EXPECT_EQ(s, "b;");
  EXPECT_EQ(CutToken(s, ';'), "b");
  EXPECT_EQ(s, "");
  std::string plain = "abc";
  EXPECT_EQ(CutToken(plain, ';'), "abc");
  EXPECT_EQ(plain, "abc");
  std::string lead = ";x";
  EXPECT_EQ(CutToken(lead, ';'), "");
  EXPECT_EQ(lead, "x");
}

TEST(Tokens, FindFromSearchesAtOrAfterPosition) {
  EXPECT_EQ(FindFrom("ab", "xabab", 3), 4);
  EXPECT_EQ(FindFrom("ab", "xabab", 1), 2);
  EXPECT_EQ(FindFrom("", "x", 2), 0);
  EXPECT_EQ(FindFrom("", "x", 1), 0);
  EXPECT_EQ(FindFrom("ab", "xabab", 5), 0);
  EXPECT_EQ(FindFrom("ab", "xabab", 99), 0);
  EXPECT_EQ(FindFrom("ab", "xabab", -3), 2);
  EXPECT_EQ(FindFrom("\xC0\xC1", "z\xC0\xC1", 1), 2);
}
