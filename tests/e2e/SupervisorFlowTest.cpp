// The real supervisor driving the stand-in FreeCell under Wine: the run of deals, the win box left
// to the player, the move question, the resign box, AutoExit, deal 32000 and a failed start.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "Deal.h"
#include "RegistryScope.h"
#include "Solver.h"
#include "StandIn.h"
#include "SupervisorRun.h"
#include "Table.h"
#include "TableClicks.h"
#include "WindowSearch.h"

namespace e2e {
namespace {

using namespace nuvari::test;

class DealRun : public ::testing::TestWithParam<EditionCase> {};

TEST_P(DealRun, DealsAreTypedConfirmedAndWonInOrder) {
  const EditionCase& edition = GetParam();
  SupervisorRun run;
  // Deal 4 is lost: the sequence stops there and the stored number can be read in peace.
  run.UseStandIn(nuvari::test::EditionSwitch(edition) + " /autowin=300 /lose=4");
  ASSERT_TRUE(run.Start());
  ASSERT_TRUE(run.WaitForCount("deal-lost 4", 1)) << "the run of deals did not reach deal 4";
  EXPECT_EQ(run.Stored("GameNo"), "4");

  int at = 0;
  for (const char* deal : {"1", "2", "3"}) {
    SCOPED_TRACE(deal);
    const std::string n = deal;
    const int set = run.Find("number-set " + n, at);
    const int read = run.Find("number-read " + n, set);
    const int ok = run.Find("dialog-ok " + n, read);
    const int won = run.Find("deal-won " + n, ok);
    const int yes = run.Find("button game-over yes", won);
    ASSERT_GE(set, 0);
    ASSERT_GT(read, set) << "typed, then read back";
    ASSERT_GT(ok, read) << "confirmed after the read-back";
    ASSERT_GT(won, ok);
    ASSERT_GT(yes, won) << "the win box answered";
    at = yes;
  }
  EXPECT_EQ(run.Count("dialog-ok 1") + run.Count("dialog-ok 2") + run.Count("dialog-ok 3"), 3)
      << "each deal confirmed once";
  EXPECT_TRUE(run.Close());
  EXPECT_EQ(run.Stored("GameNo"), "4");
}

INSTANTIATE_TEST_SUITE_P(Editions, DealRun, ::testing::Values(kHalf, kFull),
                         [](const ::testing::TestParamInfo<EditionCase>& test) { return std::string(test.param.name); });

TEST(SupervisorFlow, EverySecondWinBoxIsLeftToThePlayer) {
  SupervisorRun run;
  run.UseStandIn("/edition=half /autowin=300");
  run.Store("GameOverYourWin", "1");
  run.Store("GameOverYourWinCnt", "2");
  ASSERT_TRUE(run.Start());
  ASSERT_TRUE(run.WaitForCount("deal-won 2", 1));
  // The second win was handed over (the sequence moved on) but its box stays.
  ASSERT_TRUE(run.WaitForStored("GameNo", "3"));
  Sleep(1200);  // four ticks and more
  EXPECT_EQ(run.Count("button game-over yes"), 1) << "only the first win box was answered";
  HWND box = nuvari::test::FindDialog("ｹﾞｰﾑ ｵｰﾊﾞｰ", Match::Equals);
  ASSERT_NE(box, nullptr) << "the second win box waits for the player";

  // The player answers; the next deal is typed and the count starts again.
  ASSERT_TRUE(nuvari::test::ClickButton(box, "はい", Match::Contains));
  ASSERT_TRUE(run.WaitForCount("dialog-ok 3", 1));
  ASSERT_TRUE(run.WaitForCount("button game-over yes", 3)) << "the third win box is answered again";
  EXPECT_TRUE(run.Close());
}

// IdleRow 0 and 1 are answered in SequenceMoveRun; any other value leaves the question to the player.
TEST(SupervisorFlow, AMoveQuestionIsLeftToThePlayerWhenIdleRowIsNeitherZeroNorOne) {
  SupervisorRun run;
  run.UseStandIn("/edition=full /askmove=200 /autowin=1500");
  run.Store("IdleRow", "2");
  ASSERT_TRUE(run.Start());
  ASSERT_TRUE(run.WaitForCount("open move-question", 1));
  Sleep(1200);  // four ticks and more
  EXPECT_EQ(run.Count("button move-question column") + run.Count("button move-question one-card"), 0);
  HWND question = nuvari::test::FindDialog(kFull.moveToEmpty, Match::Equals);
  ASSERT_NE(question, nullptr) << "the question waits for the player";
  ASSERT_TRUE(nuvari::test::ClickButton(question, "列を移動する", Match::Contains));
  EXPECT_TRUE(run.WaitForCount("button move-question column", 1));
  EXPECT_TRUE(run.Close());
}

// The question from a real move: deal 7 played by posted clicks along the solver's moves up to the
// first that takes several cards to an empty column; Nuvari's answer decides how many go.
class SequenceMoveRun : public ::testing::TestWithParam<int> {};

TEST_P(SequenceMoveRun, TheQuestionOfASequenceMoveIsAnsweredAsIdleRowSays) {
  const int idleRow = GetParam();
  SupervisorRun run;
  run.UseStandIn("/edition=full");
  run.Store("GameNo", "7");
  run.Store("IdleRow", std::to_string(idleRow));
  ASSERT_TRUE(run.Start());
  ASSERT_TRUE(run.WaitForCount("deal-start 7", 1));
  HWND freeCell = run.FreeCellWindow(kFull.gameTitle);
  ASSERT_NE(freeCell, nullptr);

  freecell::Table table{freecell::Deal(7)};
  table.PlaySafeMovesHome();
  const freecell::Solution solution = freecell::Solver().Solve(table);
  ASSERT_EQ(solution.outcome, freecell::Solution::Outcome::Won);
  for (const freecell::Move& move : solution.moves) {
    SCOPED_TRACE(move.Text());
    const std::optional<freecell::Move> most = table.MoveBetween(move.from, move.to);
    ASSERT_TRUE(most.has_value());
    const bool asks = move.to.area == freecell::Area::Column && table.ColumnSize(move.to.index) == 0 && most->count > 1;
    // Counted before the clicks: the stand-in may log the move before the next line runs.
    const std::string line = "move " + move.Text();
    const int before = run.Count(line);
    freecell::test::PostMove(freeCell, move);
    if (asks) {
      ASSERT_TRUE(run.WaitForCount("open move-question", 1));
      const freecell::Move taken{move.from, move.to, idleRow == 0 ? most->count : std::uint8_t{1}};
      EXPECT_TRUE(run.WaitForCount(std::string("button move-question ") + (idleRow == 0 ? "column" : "one-card"), 1));
      EXPECT_TRUE(run.WaitForCount("move " + taken.Text(), 1)) << "as many cards as the answer says";
      EXPECT_TRUE(run.Close());
      return;
    }
    ASSERT_TRUE(run.WaitForCount(line, before + 1));
    table.Apply(move);
    table.PlaySafeMovesHome();
  }
  FAIL() << "no move of the solution takes several cards to an empty column";
}

INSTANTIATE_TEST_SUITE_P(IdleRow, SequenceMoveRun, ::testing::Values(0, 1));

// The player moves FreeCell, then asks it for another deal, or quits: FreeCell asks whether to resign,
// and its place is stored before the yes.
TEST(SupervisorFlow, TheResignQuestionOfANewDealOrOfQuittingRecordsFreeCellsPositionBeforeYes) {
  for (const bool quit : {false, true}) {
    SCOPED_TRACE(quit ? "quitting" : "a new deal");
    SupervisorRun run;
    run.UseStandIn(quit ? "/edition=full /askonclose" : "/edition=half /askresign");
    HWND freeCell = run.StartFirstDeal(quit ? kFull.gameTitle : kHalf.gameTitle);
    ASSERT_NE(freeCell, nullptr);
    const auto [left, top] = MoveTo(freeCell, quit ? 90 : 150, quit ? 70 : 120);
    ASSERT_FALSE(left.empty());
    if (quit) {
      EXPECT_TRUE(run.Close());
    } else {
      PostMessageA(freeCell, WM_KEYDOWN, VK_F3, 0);
    }
    ASSERT_TRUE(run.WaitForCount("button resign yes", 1));
    EXPECT_EQ(run.Stored("Left"), left);
    EXPECT_EQ(run.Stored("Top"), top);
    EXPECT_TRUE(quit ? run.WaitForCount("closed", 1) : run.Close());
  }
}

TEST(SupervisorFlow, AutoExitEndsTheSupervisorWhenFreeCellHasGone) {
  SupervisorRun run;
  run.UseStandIn("/edition=half");  // AutoExit is on in a fresh registry
  HWND freeCell = run.StartFirstDeal(kHalf.gameTitle);
  ASSERT_NE(freeCell, nullptr);
  PostMessageA(freeCell, WM_CLOSE, 0, 0);
  ASSERT_TRUE(run.WaitForCount("closed", 1));
  const ULONGLONG closed = GetTickCount64();
  ASSERT_TRUE(run.WaitForExit(kStepMs)) << "Nuvari did not close itself";
  const ULONGLONG took = GetTickCount64() - closed;
  ::testing::Test::RecordProperty("ms_from_freecell_exit_to_nuvari_exit", std::to_string(took));
  // Three missed ticks, about a second; the margin is for a loaded machine, not a speed goal.
  EXPECT_LT(took, 5000u) << "Nuvari closes on the third tick without FreeCell";
  EXPECT_TRUE(nuvari::test::RegistryKeyExists(nuvari::test::RegistryScope::kWindowSize));
  EXPECT_EQ(run.Stored("GameNo"), "1");
}

TEST(SupervisorFlow, Deal31999GoesThroughThePendingDealsTo32000) {
  SupervisorRun run;
  run.UseStandIn("/edition=half /autowin=300");
  run.Store("GameNo", "31999");
  run.Store("Pending0", "5");
  ASSERT_TRUE(run.Start());
  ASSERT_TRUE(run.WaitForCount("deal-won 31999", 1));
  EXPECT_EQ(run.AnswerBox(), "32000番は、保留ゲームをクリアしないとできません。");
  ASSERT_TRUE(run.WaitForCount("deal-won 5", 1)) << "the pending deal is tried next";
  ASSERT_TRUE(run.WaitForCount("dialog-ok 32000", 1)) << "then deal 32000";
  EXPECT_EQ(run.Stored("GameNo"), "32000");
  EXPECT_EQ(run.Stored("Pending0"), std::nullopt);
  EXPECT_EQ(run.AnswerBox(), "お疲れさまでした。") << "deal 32000 won";
  EXPECT_TRUE(run.WaitForStored("GameNo", "1"));
  EXPECT_TRUE(run.Close());
}

TEST(SupervisorFlow, AFailedStartShowsItsMessage) {
  SupervisorRun run;
  run.Store("Path", "Z:\\no\\such\\folder\\freecell.exe");
  ASSERT_TRUE(run.Start());
  const auto text = run.AnswerBox();
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(text->rfind("フリーセルの起動に失敗しました。環境設定を行ってください。：エラーコード =", 0), 0u) << *text;
  EXPECT_TRUE(run.WaitForStored("AutoExit", "0"));
  Sleep(1200);  // the supervisor stays without FreeCell
  EXPECT_NE(run.MainWindow(), nullptr);
  EXPECT_TRUE(run.Close());
}

}  // namespace
}  // namespace e2e
