#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "data/Numbers.h"

using namespace velkaro;

TEST(Numbers, StoresSaturateInsteadOfWrapping) {
  EXPECT_EQ(sat16(32767 + 5), 32767);
  EXPECT_EQ(sat16(-32768 - 5), -32768);
  EXPECT_EQ(sat16(70000), 32767);
  EXPECT_EQ(sat16(-12), -12);
  EXPECT_EQ(cint(1e9), 32767);
  EXPECT_EQ(cint(-1e9), -32768);
}

TEST(Numbers, RealsRoundHalfToEvenAndIntFloors) {
  EXPECT_EQ(cint(2.5), 2);
  EXPECT_EQ(cint(3.5), 4);
  EXPECT_EQ(cint(-2.5), -2);
  EXPECT_EQ(cint(2.51), 3);
  EXPECT_EQ(cint(5.5), 6);
  EXPECT_EQ(intFloor(-0.5), -1);
  EXPECT_EQ(intFloor(2.999), 2);
  EXPECT_EQ(intFloor(-3.0), -3);
}

TEST(Numbers, MessageNumbersCarryTheLeadingBlank) {
  EXPECT_EQ(numStr(189), " 189");
  EXPECT_EQ(numStr(0), " 0");
  EXPECT_EQ(numStr(-7), "-7");
}

TEST(Numbers, ReportRealsUseTheGeneralFormat) {
  EXPECT_EQ(realStr(0.123), " .123");
  EXPECT_EQ(realStr(100.0 / 3.0), " 33.33333");
  EXPECT_EQ(realStr(50.0), " 50");
  EXPECT_EQ(realStr(-0.5), "-.5");
  EXPECT_EQ(realStr(0.0), " 0");
  EXPECT_EQ(realStr(2.0 / 3.0), " .6666667");
}

TEST(Numbers, ParsesOnlyNumericItems) {
  double v = 0;
  EXPECT_TRUE(parseNumber("12", v));
  EXPECT_EQ(v, 12);
  EXPECT_TRUE(parseNumber(" -3 ", v));
  EXPECT_EQ(v, -3);
  EXPECT_TRUE(parseNumber("5.5", v));
  EXPECT_EQ(v, 5.5);
  EXPECT_FALSE(parseNumber("", v));
  EXPECT_FALSE(parseNumber("abc", v));
  EXPECT_FALSE(parseNumber("1x", v));
  EXPECT_FALSE(parseNumber("-", v));
}

TEST(Numbers, WholeNumbersParseExactlyAsStrtodReadsThem) {
  for (const char* item : {"0", "-0", "+5", "007", "-32768", "32767", "99999", "123456789012345", "1234567890123456",
                           "-999999999999999", "1.", ".5", "-.25"}) {
    double v = 1;
    ASSERT_TRUE(parseNumber(item, v)) << item;
    const double expected = std::strtod(item, nullptr);
    EXPECT_EQ(v, expected) << item;
    EXPECT_EQ(std::signbit(v), std::signbit(expected)) << item;
  }
  double v = 0;
  EXPECT_FALSE(parseNumber("1.2.3", v));
  EXPECT_FALSE(parseNumber("5-", v));
}
