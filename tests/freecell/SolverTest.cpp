// The solver on the numbered deals: a sample of them won by moves that replay legally, deal 11982
// proved unsolvable, and a solve that is stopped or runs out of room says so.
#include "Solver.h"

#include <gtest/gtest.h>

#include <stop_token>

#include "Deal.h"
#include "TableText.h"

namespace freecell::test {
namespace {

// Replays the moves as the stand-in plays them: each one checked, then the safe moves home.
::testing::AssertionResult WinsBy(const Table& dealt, const std::vector<Move>& moves) {
  Table table = dealt;
  table.PlaySafeMovesHome();
  for (std::size_t i = 0; i < moves.size(); ++i) {
    if (!table.IsLegal(moves[i])) return ::testing::AssertionFailure() << "move " << i << " " << moves[i].Text();
    table.Apply(moves[i]);
    table.PlaySafeMovesHome();
  }
  if (!table.IsWon()) return ::testing::AssertionFailure() << "not won after " << moves.size() << " moves";
  return ::testing::AssertionSuccess();
}

TEST(Solver, WinsEveryThousandthDealByLegalMoves) {
  Solver solver;
  for (int number = 1; number <= Deal::kLastNumber; number += 1000) {
    const Table table{Deal(number)};
    const Solution solution = solver.Solve(table);
    ASSERT_EQ(solution.outcome, Solution::Outcome::Won) << "deal " << number;
    EXPECT_TRUE(WinsBy(table, solution.moves)) << "deal " << number;
    EXPECT_LT(solution.moves.size(), 150u) << "deal " << number << ": too long to watch";
  }
}

TEST(Solver, ATableOneMoveFromTheWinNeedsThatMove) {
  // What is left in play: the first column's cards and one card in the last cell.
  const auto solve = [](const char* column, const char* cell, std::array<int, 4> home) {
    Table::Layout layout{.columns = {Cards(column)}, .cells = {}, .homeRanks = home};
    layout.cells[3] = Cards(cell).front();
    return Solver().Solve(Table(layout));
  };
  const Solution none = solve("KH", "KS", {13, 13, 12, 12});
  ASSERT_EQ(none.outcome, Solution::Outcome::Won);
  EXPECT_TRUE(none.moves.empty()) << "both kings go home by themselves";
  // The king of spades is not safe while the queen of hearts is out: it has to be moved by hand.
  const Solution one = solve("QH KS", "KH", {13, 13, 11, 12});
  ASSERT_EQ(one.outcome, Solution::Outcome::Won);
  EXPECT_EQ(one.moves.size(), 1u);
}

TEST(Solver, ProvesDeal11982UnsolvableAndAStoppedSolveAndOneOutOfRoomSaySo) {
  const Solution unsolvable = Solver().Solve(Table{Deal(11982)});
  EXPECT_EQ(unsolvable.outcome, Solution::Outcome::Unsolvable);
  EXPECT_TRUE(unsolvable.moves.empty());
  EXPECT_GT(unsolvable.positions, 10'000u);
  std::stop_source stop;
  stop.request_stop();
  EXPECT_EQ(Solver().Solve(Table{Deal(1)}, stop.get_token()).outcome, Solution::Outcome::Stopped);
  const Solution cramped = Solver(SolverLimits{50}).Solve(Table{Deal(1)});
  EXPECT_EQ(cramped.outcome, Solution::Outcome::GaveUp);
  EXPECT_TRUE(cramped.moves.empty());
}

}  // namespace
}  // namespace freecell::test
