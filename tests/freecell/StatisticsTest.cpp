// How finished deals change the stored counters, including stores left inconsistent by someone else.
#include "Statistics.h"

#include <gtest/gtest.h>

using freecell::Statistics;

TEST(Statistics, WinsAndLossesCountTotalsAndStreaks) {
  Statistics stats;
  stats.RecordWin();
  stats.RecordWin();
  stats.RecordLoss();
  stats.RecordWin();
  stats.RecordWin();
  stats.RecordWin();
  Statistics expected;
  expected.won = 5;
  expected.lost = 1;
  expected.wins = 3;
  expected.losses = 1;
  expected.streak = 3;
  expected.stype = Statistics::kWinning;
  EXPECT_EQ(stats, expected);
}

TEST(Statistics, LongestStreakIsKeptWhenAShorterOneEnds) {
  Statistics stats;
  for (int i = 0; i < 3; ++i) stats.RecordLoss();
  stats.RecordWin();
  stats.RecordLoss();
  EXPECT_EQ(stats.losses, 3);
  EXPECT_EQ(stats.streak, 1);
  EXPECT_EQ(stats.stype, Statistics::kLosing);
  EXPECT_EQ(stats.lost, 4);
  EXPECT_EQ(stats.won, 1);
}

TEST(Statistics, ImplausibleStoredValuesStartOver) {
  Statistics stats;
  stats.won = -1;
  stats.streak = -7;
  stats.stype = Statistics::kWinning;
  stats.RecordWin();
  EXPECT_EQ(stats.won, 1);
  EXPECT_EQ(stats.streak, 1);
  EXPECT_EQ(stats.wins, 1);
}
