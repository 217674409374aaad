#include "TextNumber.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>

using nuvari::FormatInt;
using nuvari::ParseLeadingInt;
using nuvari::ParseWholeInt;

// Beyond thirty-two bits the number saturates.
TEST(ParseLeadingInt, StoredTextForms) {
  struct Row { const char* text; int expected; } rows[] = {
      {"abc", 0}, {"", 0}, {"  12abc", 12}, {"-5", -5}, {"+7", 7}, {"\t 42", 42},
      {"0010 0020", 10}, {"- 5", 0}, {"007", 7}, {"12 34", 12},
      {"2147483647", INT_MAX}, {"2147483648", INT_MAX}, {"99999999999999999999999", INT_MAX},
      {"-2147483648", INT_MIN}, {"-2147483649", INT_MIN}, {"-99999999999999999999999x", INT_MIN},
  };
  for (const Row& row : rows) EXPECT_EQ(ParseLeadingInt(row.text), row.expected) << "text: '" << row.text << "'";
}

// Full-width digits are not digits; a whole number too large saturates.
TEST(ParseWholeInt, AcceptsOnlyAWholeNumberWithBlanksAround) {
  const struct { const char* text; std::optional<int> expected; } rows[] = {
      {"12", 12}, {" \t-3 \t", -3}, {"+100", 100}, {"", {}}, {"   ", {}}, {"12a", {}}, {"1 2", {}}, {"-", {}},
      {"１２", {}}, {"99999999999", INT_MAX}, {" -99999999999 ", INT_MIN}, {"-2147483648", INT_MIN},
  };
  for (const auto& row : rows) EXPECT_EQ(ParseWholeInt(row.text), row.expected) << "text: '" << row.text << "'";
}

TEST(FormatInt, SignedDecimalWithoutPadding) {
  EXPECT_EQ(FormatInt(0), "0");
  EXPECT_EQ(FormatInt(32000), "32000");
  EXPECT_EQ(FormatInt(-1), "-1");
  EXPECT_EQ(FormatInt(INT_MIN), "-2147483648");
}
