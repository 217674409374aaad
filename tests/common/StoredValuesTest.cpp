#include "StoredValues.h"

#include <gtest/gtest.h>

#include <map>

using nuvari::NumberOrDefault;
using nuvari::ReadPendingList;

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
  stored["Pending0"] = "";
  EXPECT_TRUE(ReadPendingList(read).empty());
}
