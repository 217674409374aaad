#include "StoredValues.h"

#include <gtest/gtest.h>

#include <map>

using nuvari::NumberOrDefault;
using nuvari::ReadPendingList;
using nuvari::WithoutRepeatedDeals;
using Deals = std::vector<std::int32_t>;

TEST(NumberOrDefault, EmptyTakesTheDefaultOtherTextsTheirLeadingNumber) {
  EXPECT_EQ(NumberOrDefault("", "1"), 1);
  EXPECT_EQ(NumberOrDefault("abc", "1"), 0);
  EXPECT_EQ(NumberOrDefault(" 12abc", "1"), 12);
  EXPECT_EQ(NumberOrDefault("-5", "0"), -5);
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
