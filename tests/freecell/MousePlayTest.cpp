// The stand-in played under Wine: by posted mouse clicks, a deal won along the solver's moves (the
// move question answered as each move needs) and what the rules refuse; by auto-play, a deal won
// although every move question is answered against its plan.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "Deal.h"
#include "Solver.h"
#include "StandIn.h"
#include "Table.h"
#include "TableClicks.h"

namespace freecell::test {
namespace {

using namespace nuvari::test;

bool WaitForMoves(const StandIn& freeCell, int count) {
  return PollUntil(kWaitMs, [&] { return LoggedMoves(freeCell.Log().Lines()) >= count; }, 10);
}

std::string LastMove(const StandIn& freeCell) {
  const std::vector<std::string> lines = freeCell.Log().Lines();
  const auto last =
      std::find_if(lines.rbegin(), lines.rend(), [](const std::string& line) { return line.rfind("move ", 0) == 0; });
  return last == lines.rend() ? "" : *last;
}

TEST(MousePlay, ADealIsWonByPostedClicksAlongTheSolversMoves) {
  StandIn freeCell(EditionSwitch(kHalf));
  ASSERT_TRUE(freeCell.PlayDeal(kHalf, 1));
  Table table{Deal(1)};
  table.PlaySafeMovesHome();
  const Solution solution = Solver().Solve(table);
  ASSERT_EQ(solution.outcome, Solution::Outcome::Won);
  int questions = 0;
  for (std::size_t i = 0; i < solution.moves.size(); ++i) {
    const Move& move = solution.moves[i];
    SCOPED_TRACE("move " + std::to_string(i) + ": " + move.Text());
    const std::optional<Move> most = table.MoveBetween(move.from, move.to);
    ASSERT_TRUE(most.has_value());
    PostMove(freeCell.MainWindow(), move);
    if (move.to.area == Area::Column && table.ColumnSize(move.to.index) == 0 && most->count > 1) {
      HWND question = freeCell.WaitForBox(kHalf.moveToEmpty);
      ASSERT_NE(question, nullptr) << "several cards could go to the empty column";
      ASSERT_TRUE(ClickButton(question, move.count == 1 ? kHalf.moveOneCard : "列を移動する", Match::Contains));
      ++questions;
    }
    ASSERT_TRUE(WaitForMoves(freeCell, static_cast<int>(i) + 1));
    ASSERT_EQ(LastMove(freeCell), "move " + move.Text());
    table.Apply(move);
    table.PlaySafeMovesHome();
  }
  HWND gameOver = freeCell.WaitForBox(kHalf.gameOver);
  ASSERT_NE(gameOver, nullptr);
  EXPECT_NE(FindChildByText(gameOver, "あなたの勝ち", Match::Contains), nullptr);
  EXPECT_TRUE(freeCell.Log().Contains("deal-won 1"));
  RecordProperty("moves", static_cast<int>(solution.moves.size()));
  RecordProperty("move_questions", questions);
}

TEST(MousePlay, AnIllegalMoveIsRefusedAndADoubleClickFillsAFreeCell) {
  StandIn freeCell("");
  ASSERT_TRUE(freeCell.PlayDeal(kFull, 1));
  const Table table{Deal(1)};
  // Deal 1 shows 6S on column 1 and 3D on column 6 (see DealTest): the three does not fit.
  ASSERT_FALSE(table.MoveBetween(ColumnPlace(5), ColumnPlace(0)));
  PostMove(freeCell.MainWindow(), {ColumnPlace(5), ColumnPlace(0), 1});
  ASSERT_TRUE(freeCell.Log().WaitForLine("refused c6 c1", kWaitMs));

  PostTableClick(freeCell.MainWindow(), ColumnPlace(5), true);
  ASSERT_TRUE(WaitForMoves(freeCell, 1));
  EXPECT_EQ(LastMove(freeCell), "move c6 f1 1") << "the refused move made none";
  PostTableClick(freeCell.MainWindow(), ColumnPlace(5), true);
  ASSERT_TRUE(WaitForMoves(freeCell, 2));
  EXPECT_EQ(LastMove(freeCell), "move c6 f2 1");
}

TEST(AutoPlay, WinsTheDealAlthoughEveryMoveQuestionIsAnsweredAgainstThePlan) {
  StandIn freeCell("/autoplay=20");
  ASSERT_TRUE(freeCell.PlayDeal(kFull, 1));
  int answered = 0;
  bool answerFailed = false;
  HWND gameOver = nullptr;
  PollUntil(10 * kWaitMs, [&] {
    // The plan takes whole runs: one card instead sends auto-play back to the solver.
    if (HWND question = FindDialog(kFull.moveToEmpty, Match::Equals, freeCell.Process().Id())) {
      answerFailed = !ClickButton(question, kFull.moveOneCard, Match::Contains) || !WaitUntilGone(question, kWaitMs);
      ++answered;
    }
    gameOver = FindDialog(kFull.gameOver, Match::Equals, freeCell.Process().Id());
    return answerFailed || gameOver != nullptr;
  }, 10);
  ASSERT_FALSE(answerFailed) << "a move question was not answered";
  ASSERT_NE(gameOver, nullptr) << "auto-play did not end the deal";
  EXPECT_NE(FindChildByText(gameOver, "あなたの勝ち", Match::Contains), nullptr);
  EXPECT_GT(answered, 0);
  const std::vector<std::string> lines = freeCell.Log().Lines();
  const auto plans = std::count_if(lines.begin(), lines.end(), [](const std::string& line) { return line.rfind("plan ", 0) == 0; });
  EXPECT_GT(plans, 1) << "a new plan after an answer against the plan";
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "plan none"), 0);
}

}  // namespace
}  // namespace freecell::test
