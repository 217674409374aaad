#include "StoredValues.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <utility>

using nuvari::FormatStoredRect;
using nuvari::NumberOrDefault;
using nuvari::StoredPoint;
using nuvari::StoredRect;
using nuvari::StoredRectCorner;
using nuvari::ReadPendingList;
using nuvari::WithoutRepeatedDeals;
using Deals = std::vector<std::int32_t>;

TEST(NumberOrDefault, EmptyTakesTheDefaultOtherTextsTheirLeadingNumber) {
  EXPECT_EQ(NumberOrDefault("", 1), 1);
  EXPECT_EQ(NumberOrDefault("abc", 1), 0);
  EXPECT_EQ(NumberOrDefault(" 12abc", 1), 12);
  EXPECT_EQ(NumberOrDefault("-5", 0), -5);
}

TEST(StoredRect, FormatsFourZeroPaddedSignedNumbers) {
  const struct {
    int line;
    StoredRect rect;
    const char* text;
  } rows[] = {
      {__LINE__, {10, 10, 550, 500}, "0010 0010 0550 0500"},
      {__LINE__, {0, 0, 0, 0}, "0000 0000 0000 0000"},
      {__LINE__, {-5, -12, 9999, -999}, "-005 -012 9999 -999"},
      {__LINE__, {10000, -1000, 123456, 7}, "10000 -1000 123456 0007"},
      {__LINE__, {INT_MIN, INT_MAX, INT_MIN, INT_MAX}, "-2147483648 2147483647 -2147483648 2147483647"},
  };
  for (const auto& row : rows) EXPECT_EQ(FormatStoredRect(row.rect), row.text) << "row at line " << row.line;
  EXPECT_EQ(nuvari::DefaultRectText(), "0010 0010 0550 0500");
}

TEST(StoredRect, CornerIsLeftFromTheStartAndTopFromTheSixthCharacter) {
  const struct {
    int line;
    const char* text;
    StoredPoint corner;
  } rows[] = {
      {__LINE__, "", {10, 10}},
      {__LINE__, "0100 0200 0300 0400", {100, 200}},
      {__LINE__, "-050 -007 0490 0483", {-50, -7}},
      {__LINE__, "10000 0200 0300 0400", {10000, 200}},  // the sixth character is the blank
      {__LINE__, "-10000 -200", {-10000, 0}},            // the sixth character is the last zero
      {__LINE__, "12", {12, 0}},                         // too short to hold a top
      {__LINE__, "0012", {12, 0}},
      {__LINE__, "abcde", {0, 0}},
      {__LINE__, "  7   8", {7, 8}},
  };
  for (const auto& row : rows) {
    const StoredPoint corner = StoredRectCorner(row.text);
    EXPECT_EQ(std::pair(corner.x, corner.y), std::pair(row.corner.x, row.corner.y)) << "row at line " << row.line;
  }
}

TEST(ReadPendingList, EndsAtTheFirstMissingOrEmptyValueAndKeepsZeros) {
  std::map<std::string, std::string> stored{{"Pending0", "7"}, {"Pending1", "0"}, {"Pending2", "12"},
                                            {"Pending4", "9"}};
  std::vector<std::string> asked;
  const auto read = [&](const std::string& name) {
    asked.push_back(name);
    const auto found = stored.find(name);
    return found == stored.end() ? std::string() : found->second;
  };
  EXPECT_EQ(ReadPendingList(read), (std::vector<std::int32_t>{7, 0, 12}));
  EXPECT_EQ(asked.back(), "Pending3") << "nothing after the gap is read";
  asked.clear();
  EXPECT_EQ(ReadPendingList(read, 2), (Deals{7, 0}));
  EXPECT_EQ(asked.size(), 2u) << "no value beyond the limit is read";
  stored["Pending0"] = "";
  EXPECT_TRUE(ReadPendingList(read).empty());
}

TEST(WithoutRepeatedDeals, KeepsEachDealAtItsFirstPositionAndEveryNonDeal) {
  // 7, 9 retired from 5, 7, 9 and written over the first two values only: 7, 9, 9.
  EXPECT_EQ(WithoutRepeatedDeals({7, 9, 9}), (Deals{7, 9}));
  EXPECT_EQ(WithoutRepeatedDeals({5, 7, 5, 7, 5}), (Deals{5, 7}));
  EXPECT_EQ(WithoutRepeatedDeals({0, 3, 0, 40000, 40000, -1, 3, 32000, 32000, 1, 1}),
            (Deals{0, 3, 0, 40000, 40000, -1, 32000, 1}));
  EXPECT_TRUE(WithoutRepeatedDeals({}).empty());
}
