// The solver over the numbered deals on one core: deals per second by the wall clock and by the
// process's own CPU time (the machine may be shared), how many were won, which were proved
// unsolvable or given up, the time deal 11982 takes, and the solutions' lengths in moves.
//   solver_bench [first last [step]]   (default 1 32000 1)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "Deal.h"
#include "Solver.h"
#include "Table.h"

namespace {

using freecell::Solution;

constexpr int kHardDeal = 11982;

struct Seconds {
  double wall;
  double cpu;
};

// Not <chrono>: its C++20 unit suffixes ("\u00b5s") have no code-page-932 form, which every target compiles to.
class Stopwatch {
 public:
  Seconds Elapsed() const {
    return {WallNow() - m_wall, static_cast<double>(std::clock() - m_cpu) / CLOCKS_PER_SEC};
  }

 private:
  static double WallNow() {
    std::timespec now{};
    std::timespec_get(&now, TIME_UTC);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
  }

  double m_wall = WallNow();
  std::clock_t m_cpu = std::clock();
};

std::string List(const std::vector<int>& deals) {
  std::string text;
  for (int deal : deals) text.append(" ").append(std::to_string(deal));
  return text.empty() ? " none" : text;
}

}  // namespace

int main(int argc, char** argv) {
  const int first = argc >= 3 ? std::atoi(argv[1]) : freecell::Deal::kFirstNumber;
  const int last = argc >= 3 ? std::atoi(argv[2]) : freecell::Deal::kLastNumber;
  const int step = argc >= 4 ? std::max(std::atoi(argv[3]), 1) : 1;
  std::vector<int> lengths;
  std::vector<int> unsolvable;
  std::vector<int> gaveUp;
  std::vector<std::size_t> positions;
  std::size_t allPositions = 0;
  std::size_t mostPositions = 0;
  int mostPositionsDeal = 0;
  Seconds hard{0, 0};
  freecell::Solver solver;
  const Stopwatch all;
  int deals = 0;
  for (int deal = first; deal <= last; deal += step, ++deals) {
    const Stopwatch one;
    const Solution solution = solver.Solve(freecell::Table(freecell::Deal(deal)));
    if (deal == kHardDeal) hard = one.Elapsed();
    allPositions += solution.positions;
    positions.push_back(solution.positions);
    if (solution.positions > mostPositions) {
      mostPositions = solution.positions;
      mostPositionsDeal = deal;
    }
    switch (solution.outcome) {
      case Solution::Outcome::Won: lengths.push_back(static_cast<int>(solution.moves.size())); break;
      case Solution::Outcome::Unsolvable: unsolvable.push_back(deal); break;
      default: gaveUp.push_back(deal); break;
    }
  }
  const Seconds total = all.Elapsed();
  std::sort(lengths.begin(), lengths.end());
  std::printf("deals %d to %d, every %d: %d\n", first, last, step, deals);
  std::printf("won %zu, proved unsolvable:%s, given up:%s\n", lengths.size(), List(unsolvable).c_str(),
              List(gaveUp).c_str());
  std::printf("time: wall %.2f s (%.0f deals/s), cpu %.2f s (%.0f deals/s)\n", total.wall, deals / total.wall,
              total.cpu, deals / total.cpu);
  const bool hardDealRun = first <= kHardDeal && kHardDeal <= last && (kHardDeal - first) % step == 0;
  if (hardDealRun)
    std::printf("deal %d: wall %.2f s, cpu %.2f s\n", kHardDeal, hard.wall, hard.cpu);
  if (!lengths.empty())
    std::printf("solution moves: median %d, longest %d\n", lengths[lengths.size() / 2], lengths.back());
  std::sort(positions.begin(), positions.end());
  auto percentile = [&](int p) { return positions[positions.size() * static_cast<std::size_t>(p) / 100]; };
  std::printf("positions a deal: mean %.0f, median %zu, 90%% %zu, 99%% %zu, most %zu (deal %d); %.2f us each\n",
              static_cast<double>(allPositions) / deals, percentile(50), percentile(90), percentile(99), mostPositions,
              mostPositionsDeal, total.cpu * 1e6 / static_cast<double>(allPositions));
  return unsolvable.size() + gaveUp.size() == (hardDealRun ? 1u : 0u) ? 0 : 1;
}
