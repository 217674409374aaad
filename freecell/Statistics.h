// The win/loss counters FreeCell keeps in its statistics store, and how one finished deal changes them.
#pragma once

#include <cstdint>

namespace freecell {

struct Statistics {
  // Values of stype: which kind of streak `streak` counts.
  static constexpr std::int32_t kNoStreak = 0;
  static constexpr std::int32_t kWinning = 1;
  static constexpr std::int32_t kLosing = 2;

  std::int32_t losses = 0;  // longest losing streak
  std::int32_t lost = 0;    // deals lost
  std::int32_t streak = 0;  // length of the current streak
  std::int32_t stype = kNoStreak;
  std::int32_t wins = 0;    // longest winning streak
  std::int32_t won = 0;     // deals won

  void RecordWin();
  void RecordLoss();

  bool operator==(const Statistics& other) const = default;
};

}  // namespace freecell
