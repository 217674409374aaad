// The stand-in played by posted mouse clicks under Wine: a deal won along the solver's moves (the
// move question answered as each move needs), and what the rules refuse.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "Deal.h"
#include "Solver.h"
#include "StandIn.h"
#include "Table.h"
#include "TableClicks.h"

namespace freecell::test {
namespace {

using nuvari::test::ClickButton;
using nuvari::test::FindChildByText;

bool WaitForMoves(const StandIn& freeCell, int count) {
  const ULONGLONG deadline = GetTickCount64() + kWaitMs;
  while (LoggedMoves(freeCell.Log().Lines()) < count) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(10);
  }
  return true;
}

std::string LastMove(const StandIn& freeCell) {
  const std::vector<std::string> lines = freeCell.Log().Lines();
  for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
    if (line->rfind("move ", 0) == 0) return *line;
  }
  return "";
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

}  // namespace
}  // namespace freecell::test
