// The stand-in driven from outside as the supervisor drives FreeCell: the game-number dialog through F3
// or the menu command, the deal in the title, the game-over box, the move question, resigning, closing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "StandIn.h"
#include "WinePath.h"

namespace freecell::test {
namespace {

using namespace nuvari::test;

class DealFlow : public ::testing::TestWithParam<EditionCase> {};

// The deal played to its game-over box; the box when it says the deal was won (and not lost), or
// lost (and not won); null otherwise.
HWND PlayToGameOver(const StandIn& freeCell, const EditionCase& edition, int deal, bool won) {
  HWND box = freeCell.PlayDeal(edition, deal) ? freeCell.WaitForBox(edition.gameOver) : nullptr;
  if (!box) return nullptr;
  const bool saysWon = FindChildByText(box, "あなたの勝ち", Match::Contains) != nullptr;
  const bool saysLost = FindChildByText(box, "あなたの負け", Match::Contains) != nullptr;
  return saysWon == won && saysLost != won ? box : nullptr;
}

TEST_P(DealFlow, F3OpensTheDialogAndOkStartsTheTypedDeal) {
  const EditionCase& edition = GetParam();
  StandIn freeCell(EditionSwitch(edition));
  ASSERT_NE(freeCell.MainWindow(), nullptr);
  EXPECT_EQ(WindowText(freeCell.MainWindow()), edition.freeCell);

  HWND dialog = freeCell.OpenSelectGame(edition);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(freeCell.SetNumber(dialog, "617"), TRUE);
  EXPECT_EQ(freeCell.ReadNumber(dialog), "617");
  ASSERT_TRUE(ClickButton(dialog, "OK"));
  ASSERT_TRUE(WaitUntilGone(dialog, kWaitMs));
  // The dialog may be gone before the deal starts; the caption changes before "deal-start" is logged.
  ASSERT_TRUE(freeCell.Log().WaitForLine("deal-start 617", kWaitMs));
  EXPECT_EQ(WindowText(freeCell.MainWindow()), std::string(edition.gameTitle) + "617");
  EXPECT_EQ(freeCell.Log().Lines(),
            (std::vector<std::string>{"started " + std::string(edition.value) + " nt",
                                      "key-f3", "open select-game", "number-set 617", "number-read 617",
                                      "button select-game ok", "dialog-ok 617", "deal-start 617"}));
}

TEST_P(DealFlow, WonDealShowsGameOverAndYesOpensTheDialogAgain) {
  const EditionCase& edition = GetParam();
  StandIn freeCell(EditionSwitch(edition) + " /autowin=150");
  HWND gameOver = PlayToGameOver(freeCell, edition, 5, true);
  ASSERT_NE(gameOver, nullptr);
  // The deal stays in the title while the box is up: that is how the box is known as FreeCell's.
  EXPECT_EQ(WindowText(freeCell.MainWindow()), std::string(edition.gameTitle) + "5");
  EXPECT_TRUE(freeCell.Log().Contains("deal-won 5"));

  ASSERT_TRUE(ClickButton(gameOver, "はい", Match::Contains));
  EXPECT_NE(freeCell.WaitForBox(edition.selectGame), nullptr);
  EXPECT_TRUE(freeCell.Log().Contains("button game-over yes"));
}

TEST_P(DealFlow, ListedDealIsLostAndNoLeavesTheTable) {
  const EditionCase& edition = GetParam();
  StandIn freeCell(EditionSwitch(edition) + " /autowin=150 /lose=3,7");
  HWND gameOver = PlayToGameOver(freeCell, edition, 7, false);
  ASSERT_NE(gameOver, nullptr);
  ASSERT_TRUE(ClickButton(gameOver, "いいえ"));
  ASSERT_TRUE(WaitUntilGone(gameOver, kWaitMs));
  ASSERT_TRUE(freeCell.Log().WaitForLine("button game-over no", kWaitMs));
  EXPECT_TRUE(freeCell.Log().Contains("deal-lost 7"));
  EXPECT_EQ(std::ranges::count(freeCell.Log().Lines(), "open select-game"), 1) << "only the dialog of PlayDeal";
  EXPECT_EQ(WindowText(freeCell.MainWindow()), std::string(edition.gameTitle) + "7");
}

TEST_P(DealFlow, MoveQuestionOffersBothMovesAndTheDealGoesOn) {
  const EditionCase& edition = GetParam();
  StandIn freeCell(EditionSwitch(edition) + " /askmove=100");
  ASSERT_TRUE(freeCell.PlayDeal(edition, 11));
  HWND question = freeCell.WaitForBox(edition.moveToEmpty);
  ASSERT_NE(question, nullptr);
  EXPECT_NE(FindChildByText(question, "列を移動する", Match::Contains), nullptr);
  HWND oneCard = FindChildByText(question, edition.moveOneCard, Match::Contains);
  ASSERT_NE(oneCard, nullptr);
  ASSERT_TRUE(nuvari::test::PostClick(question, oneCard));
  ASSERT_TRUE(WaitUntilGone(question, kWaitMs));
  EXPECT_TRUE(freeCell.Log().WaitForLine("button move-question one-card", kWaitMs));
  EXPECT_TRUE(freeCell.Log().Contains("move-question"));
  EXPECT_EQ(WindowText(freeCell.MainWindow()), std::string(edition.gameTitle) + "11");
}

TEST_P(DealFlow, AskResignGuardsANewDealDuringPlay) {
  const EditionCase& edition = GetParam();
  StandIn freeCell(EditionSwitch(edition) + " /askresign");
  ASSERT_TRUE(freeCell.PlayDeal(edition, 3));
  for (const char* answer : {"いいえ", "はい"}) {
    SCOPED_TRACE(answer);
    PostMessageA(freeCell.MainWindow(), WM_KEYDOWN, VK_F3, 0);
    HWND resign = freeCell.WaitForBox(edition.freeCell);
    ASSERT_NE(resign, nullptr);
    ASSERT_TRUE(ClickButton(resign, answer, Match::Contains));
    ASSERT_TRUE(nuvari::test::WaitUntilDestroyed(resign, kWaitMs));
  }
  ASSERT_TRUE(freeCell.Log().WaitForLine("button resign no", kWaitMs));
  EXPECT_NE(freeCell.WaitForBox(edition.selectGame), nullptr);
  // PlayDeal's dialog and the one after yes: the no opened none.
  EXPECT_EQ(std::ranges::count(freeCell.Log().Lines(), "open select-game"), 2);
}

TEST_P(DealFlow, AskOnCloseAsksDuringADealAndYesCloses) {
  const EditionCase& edition = GetParam();
  StandIn freeCell(EditionSwitch(edition) + " /askonclose");
  ASSERT_TRUE(freeCell.PlayDeal(edition, 9));
  PostMessageA(freeCell.MainWindow(), WM_CLOSE, 0, 0);
  HWND resign = freeCell.WaitForBox(edition.freeCell);
  ASSERT_NE(resign, nullptr);
  ASSERT_TRUE(ClickButton(resign, "はい", Match::Contains));
  EXPECT_EQ(freeCell.Process().WaitForExit(kWaitMs), 0u);
  EXPECT_EQ(freeCell.Log().Lines().back(), "closed");
}

INSTANTIATE_TEST_SUITE_P(Editions, DealFlow, ::testing::Values(kFull, kHalf),
                         [](const ::testing::TestParamInfo<EditionCase>& row) { return row.param.name; });

TEST(DealFlowCommands, SecondItemOfTheFirstMenuOpensTheDialog) {
  // Another process's submenus cannot be read here, so the menu is read from the program's resources.
  HMODULE program = LoadLibraryExA(nuvari::test::ToWinePath(FREECELL_EXE).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  HMENU menu = LoadMenuA(program, MAKEINTRESOURCEA(200));
  ASSERT_NE(menu, nullptr);
  const UINT command = GetMenuItemID(GetSubMenu(menu, 0), 1);
  DestroyMenu(menu);
  FreeLibrary(program);

  StandIn freeCell("");
  ASSERT_NE(freeCell.MainWindow(), nullptr);
  PostMessageA(freeCell.MainWindow(), WM_COMMAND, command, 0);
  EXPECT_NE(freeCell.WaitForBox(kFull.selectGame), nullptr);
  EXPECT_TRUE(freeCell.Log().Contains("menu-select-game"));
}

TEST(DealFlowCommands, CloseWithoutADealNeedsNoAnswer) {
  StandIn freeCell("/askonclose");
  ASSERT_NE(freeCell.MainWindow(), nullptr);
  PostMessageA(freeCell.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ(freeCell.Process().WaitForExit(kWaitMs), 0u);
}

TEST(DealFlowCommands, CloseWhileTheGameOverBoxIsOpenEndsTheBoxAndIgnoresCommands) {
  StandIn freeCell("/autowin=100");
  ASSERT_TRUE(freeCell.PlayDeal(kFull, 2));
  ASSERT_NE(freeCell.WaitForBox(kFull.gameOver), nullptr);
  // A command posted while a box is open must not stack a second box.
  PostMessageA(freeCell.MainWindow(), WM_COMMAND, 40002, 0);
  ASSERT_TRUE(freeCell.Log().WaitForLine("ignored menu-select-game", kWaitMs));
  EXPECT_EQ(FindTopLevel(kFull.selectGame, Match::Equals, freeCell.Process().Id()), nullptr);

  PostMessageA(freeCell.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ(freeCell.Process().WaitForExit(kWaitMs), 0u);
  EXPECT_TRUE(freeCell.Log().Contains("dismissed game-over"));
  EXPECT_EQ(freeCell.Log().Lines().back(), "closed");
}

}  // namespace
}  // namespace freecell::test
