#include "TextNumber.h"

#include <gtest/gtest.h>

#include <climits>

using nuvari::FormatInt;
using nuvari::ParseLeadingInt;
using nuvari::ParseWholeInt;

TEST(ParseLeadingInt, StoredTextForms) {
  struct Row { const char* text; int expected; } rows[] = {
      {"abc", 0}, {"", 0}, {"  12abc", 12}, {"-5", -5}, {"+7", 7}, {"\t 42", 42},
      {"0010 0020", 10}, {"- 5", 0}, {"007", 7}, {"12 34", 12},
  };
  for (const Row& row : rows) EXPECT_EQ(ParseLeadingInt(row.text), row.expected) << "text: '" << row.text << "'";
}

TEST(ParseLeadingInt, SaturatesBeyondThirtyTwoBits) {
  EXPECT_EQ(ParseLeadingInt("2147483647"), INT_MAX);
  EXPECT_EQ(ParseLeadingInt("2147483648"), INT_MAX);
  EXPECT_EQ(ParseLeadingInt("99999999999999999999999"), INT_MAX);
  EXPECT_EQ(ParseLeadingInt("-2147483648"), INT_MIN);
  EXPECT_EQ(ParseLeadingInt("-2147483649"), INT_MIN);
  EXPECT_EQ(ParseLeadingInt("-99999999999999999999999x"), INT_MIN);
}

TEST(ParseWholeInt, AcceptsOnlyAWholeNumberWithBlanksAround) {
  EXPECT_EQ(ParseWholeInt("12"), 12);
  EXPECT_EQ(ParseWholeInt(" \t-3 \t"), -3);
  EXPECT_EQ(ParseWholeInt("+100"), 100);
  EXPECT_FALSE(ParseWholeInt(""));
  EXPECT_FALSE(ParseWholeInt("   "));
  EXPECT_FALSE(ParseWholeInt("12a"));
  EXPECT_FALSE(ParseWholeInt("1 2"));
  EXPECT_FALSE(ParseWholeInt("-"));
  EXPECT_FALSE(ParseWholeInt("１２"));  // full-width digits are not digits
  EXPECT_EQ(ParseWholeInt("99999999999"), INT_MAX);  // a whole number, only too large
  EXPECT_EQ(ParseWholeInt(" -99999999999 "), INT_MIN);
  EXPECT_EQ(ParseWholeInt("-2147483648"), INT_MIN);
}

TEST(FormatInt, SignedDecimalWithoutPadding) {
  EXPECT_EQ(FormatInt(0), "0");
  EXPECT_EQ(FormatInt(32000), "32000");
  EXPECT_EQ(FormatInt(-1), "-1");
  EXPECT_EQ(FormatInt(INT_MIN), "-2147483648");
}
