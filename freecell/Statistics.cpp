// Counter updates. A store may hold anything (another program wrote it), so a streak of the other kind
// or a negative count simply starts over instead of being trusted.
#include "Statistics.h"

#include <algorithm>

namespace freecell {
namespace {

void Extend(std::int32_t kind, std::int32_t& streak, std::int32_t& stype, std::int32_t& longest) {
  streak = (stype == kind && streak > 0) ? streak + 1 : 1;
  stype = kind;
  longest = std::max(longest, streak);
}

}  // namespace

void Statistics::RecordWin() {
  won = std::max(won, 0) + 1;
  Extend(kWinning, streak, stype, wins);
}

void Statistics::RecordLoss() {
  lost = std::max(lost, 0) + 1;
  Extend(kLosing, streak, stype, losses);
}

}  // namespace freecell
