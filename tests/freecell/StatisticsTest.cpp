// How finished deals change the stored counters, including stores left inconsistent by someone else.
#include "Statistics.h"

#include <gtest/gtest.h>

using freecell::Statistics;

TEST(Statistics, FinishedDealsCountTotalsStreaksAndTheLongestStreaks) {
  constexpr auto kWinning = Statistics::kWinning;
  constexpr auto kLosing = Statistics::kLosing;
  const struct {
    int line;
    Statistics stored;
    const char* deals;  // W won, L lost, in order
    Statistics expected;
  } rows[] = {
      {__LINE__, {}, "WWLWWW", {.losses = 1, .lost = 1, .streak = 3, .stype = kWinning, .wins = 3, .won = 5}},
      // The longest streak is kept when a shorter one ends.
      {__LINE__, {}, "LLLWL", {.losses = 3, .lost = 4, .streak = 1, .stype = kLosing, .wins = 1, .won = 1}},
      // Implausible stored values start over.
      {__LINE__, {.streak = -7, .stype = kWinning, .won = -1}, "W", {.streak = 1, .stype = kWinning, .wins = 1, .won = 1}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    Statistics stats = row.stored;
    for (const char* deal = row.deals; *deal; ++deal) *deal == 'W' ? stats.RecordWin() : stats.RecordLoss();
    EXPECT_EQ(stats, row.expected);
  }
}
