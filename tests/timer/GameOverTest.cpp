// Check 5, the game-over box: each win handed to the deal sequence once, the box answered on a
// later tick or left to the player every N wins, a lost deal answered and nothing more.
#include "ViewFixture.h"

namespace timertest {
namespace {

class GameOver : public ViewFixture {
 protected:
  // Deal 7 in sequence; deal 5 waits on the pending list, for the win while it is tried.
  void PrepareRegistry() override { registry.Store({{"GameNo", "7"}, {"Pending0", "5"}}); }
  void SetUp() override {
    ViewFixture::SetUp();
    game = &Make("ﾌﾘｰｾﾙ ｹﾞｰﾑ #7", MenuBar::Popup);
    TickAndPump();  // the new-game step of the start
  }
  // A win handed over, its box gone: the game-over check disarmed (deal 8 in sequence).
  void WinOnce() {
    Box won = Over("あなたの勝ちです");
    Tick();
    ASSERT_EQ(view->m_bGameOverArmed, 0);
    won.window->Destroy();
  }
  void TryFirstPending() {
    SendMessageA(view->GetDlgItem(IDC_PENDING_LIST), LB_SETCURSEL, 0, 0);
    view->OnButtonTry();
  }
  struct Box {
    FakeWindow* window;
    HWND yes;
  };
  Box Over(const char* text) {
    FakeWindow& box = Make("ｹﾞｰﾑ ｵｰﾊﾞｰ");
    box.AddStatic(text);
    return {&box, box.AddButton("はい(&Y)")};
  }
  // The deal typed into a game-number dialog and confirmed, as the timer does between wins.
  void TypeDeal() {
    FakeWindow& dialog = Make("ｹﾞｰﾑ番号の指定");
    dialog.AddEdit();
    Tick();
    dialog.Destroy();
    Tick();
  }
  FakeWindow* game = nullptr;
};

TEST_F(GameOver, AWinIsHandedOverOnceAndAnsweredOnTheTickAfter) {
  Box won = Over("おめでとう、あなたの勝ちです!");

  TickAndPump();
  EXPECT_EQ(view->m_nGameNo, 8) << "the sequence moved on";
  EXPECT_EQ(view->m_bGameOverArmed, 0);
  EXPECT_EQ(won.window->Clicks(won.yes), 0) << "not answered on the hand-over tick";

  for (int i = 0; i < 8; ++i) TickAndPump();
  EXPECT_EQ(view->m_nGameNo, 8) << "a box seen across many ticks counts once";
  EXPECT_EQ(won.window->Clicks(won.yes), 8);
}

TEST_F(GameOver, ANewBoxWithoutATickInBetweenIsNotHandedOver) {
  Box first = Over("あなたの勝ちです");
  Tick();
  first.window->Destroy();
  Over("あなたの勝ちです");
  Tick();
  EXPECT_EQ(view->m_nGameNo, 8);
  windows.pop_back();
  Tick();  // no game-over box: armed again
  Over("あなたの勝ちです");
  Tick();
  EXPECT_EQ(view->m_nGameNo, 9);
}

TEST_F(GameOver, AWinWhileTryingRetiresThePendingDeal) {
  TryFirstPending();
  ASSERT_EQ(view->m_nRetryNo, 5);
  Tick();  // the new-game request
  Over("あなたの勝ちです");
  Tick();
  EXPECT_EQ(view->m_nGameNo, 7) << "the sequence deal stays";
  EXPECT_EQ(view->m_nRetryNo, 0) << "the only pending deal was won";
}

// The player presses Pend or Try in the moment between FreeCell's win and the tick that sees
// it: the win is the typed deal's, whatever the panel shows by then.
TEST_F(GameOver, PendPressedBeforeTheWinIsSeenDoesNotSkipTheNextDeal) {
  TypeDeal();
  Over("あなたの勝ちです");
  view->OnButtonPend();
  ASSERT_EQ(view->m_nGameNo, 8);
  Tick();  // the new-game request
  Tick();  // the win box
  EXPECT_EQ(view->m_nGameNo, 8) << "deal 8 comes next";
}

TEST_F(GameOver, TryPressedBeforeTheWinIsSeenKeepsThePendingDeal) {
  TypeDeal();
  Over("あなたの勝ちです");
  TryFirstPending();
  ASSERT_EQ(view->m_nRetryNo, 5);
  Tick();
  Tick();
  EXPECT_EQ(view->m_nGameNo, 8) << "the won deal 7 moves the sequence on";
  EXPECT_EQ(view->m_nRetryNo, 5) << "deal 5 is still to be played";
  EXPECT_EQ(SendMessageA(view->GetDlgItem(IDC_PENDING_LIST), LB_GETCOUNT, 0, 0), 1);
}

TEST_F(GameOver, ALostDealIsAnsweredAndChangesNothing) {
  WinOnce();
  Box lost = Over("あなたの負けです");
  TickAndPump();
  EXPECT_EQ(lost.window->Clicks(lost.yes), 1);
  EXPECT_EQ(view->m_nGameNo, 8) << "where the win left it";
  EXPECT_EQ(view->m_nRetryNo, 0);
  EXPECT_EQ(view->m_bGameOverArmed, 0) << "a loss leaves the latch alone";
}

TEST_F(GameOver, ABoxWithNeitherTextIsLeftAndTheMoveCheckRuns) {
  WinOnce();
  Box odd = Over("ゲームは終わりました");
  FakeWindow& question = Make("空の列に移動");
  HWND column = question.AddButton("列を移動する(&C)");
  TickAndPump();
  EXPECT_EQ(odd.window->Clicks(odd.yes), 0);
  EXPECT_EQ(question.Clicks(column), 1);
  EXPECT_EQ(view->m_bGameOverArmed, 0);
}

// Every second win left to the player, as the settings say.
class PlayersWins : public GameOver {
 protected:
  void PrepareRegistry() override {
    GameOver::PrepareRegistry();
    registry.Store({{"GameOverYourWin", "1"}, {"GameOverYourWinCnt", "2"}});
  }
};

TEST_F(PlayersWins, EverySecondWinIsLeftToThePlayer) {
  ASSERT_EQ(view->m_nWinCountdown, 2);
  TypeDeal();
  Box first = Over("あなたの勝ちです");
  TickAndPump();
  TickAndPump();
  EXPECT_EQ(first.window->Clicks(first.yes), 1) << "the first win is answered";
  windows.pop_back();
  Tick();

  TypeDeal();
  Box second = Over("あなたの勝ちです");
  for (int i = 0; i < 5; ++i) TickAndPump();
  EXPECT_EQ(second.window->Clicks(second.yes), 0) << "the second win waits for the player";
  EXPECT_EQ(view->m_nWinCountdown, 0);
  windows.pop_back();
  Tick();

  TypeDeal();
  EXPECT_EQ(view->m_nWinCountdown, 2) << "typing the next deal starts the count again";
}

TEST_F(PlayersWins, ASecondWinBoxForTheSameDealTakesNothing) {
  TypeDeal();
  for (int box = 0; box < 2; ++box) {
    Box won = Over("あなたの勝ちです");
    TickAndPump();
    TickAndPump();
    EXPECT_EQ(won.window->Clicks(won.yes), 1);
    windows.pop_back();
    Tick();
  }
  EXPECT_EQ(view->m_nWinCountdown, 1) << "one win counted";
}

TEST_F(GameOver, WithNOfOneEveryWinWaits) {
  view->m_bGameOverYourWin = 1;
  view->m_nGameOverYourWinCnt = 1;
  view->m_nWinCountdown = 1;
  TypeDeal();
  Box won = Over("あなたの勝ちです");
  for (int i = 0; i < 4; ++i) TickAndPump();
  EXPECT_EQ(won.window->Clicks(won.yes), 0);
}

}  // namespace
}  // namespace timertest
