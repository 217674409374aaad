// The supervising step, one group per check in the order the tick runs them.
#include "ViewFixture.h"

namespace timertest {
namespace {

class Supervising : public ViewFixture {
 protected:
  // Deal 7 in sequence; deal 5 waits on the pending list, to be typed or won while it is tried.
  void PrepareRegistry() override { registry.Store({{"GameNo", "7"}, {"Pending0", "5"}}); }
  void SetUp() override {
    ViewFixture::SetUp();
    RunNewGameStep(Edition::Half);
  }
  // FreeCell's main window during a deal.
  FakeWindow& Game() { return Make("ﾌﾘｰｾﾙ ｹﾞｰﾑ #7", MenuBar::Popup); }
  // The game-number dialog with edit 203 and OK.
  struct SelectGame {
    FakeWindow& window;
    HWND ok;
  };
  SelectGame Dialog(EditKind kind = EditKind::Plain) {
    FakeWindow& dialog = Make("ｹﾞｰﾑ番号の指定");
    dialog.AddEdit(kind);
    return {dialog, dialog.AddButton("OK")};
  }
  void TryFirstPending() {
    SendMessageA(view->GetDlgItem(IDC_PENDING_LIST), LB_SETCURSEL, 0, 0);
    view->OnButtonTry();
  }
};

// --- 1. FreeCell present ---

class FreeCellPresent : public Supervising {
 protected:
  void PrepareRegistry() override { registry.Store("AutoExit", "1"); }
};

// Missing twice then present does not close; the third missing tick in a row closes, and so do
// the later ones.
TEST_F(FreeCellPresent, TheThirdMissingTickInARowClosesAndLaterTicksCloseAgain) {
  TickAndPump();
  TickAndPump();
  EXPECT_EQ(view->m_nMissingTicks, 2);
  FakeWindow& main = Game();
  Tick();
  EXPECT_EQ(view->m_nMissingTicks, 0);
  main.Destroy();
  Tick();
  Tick();
  EXPECT_EQ(view->m_nMissingTicks, 2) << "the count started again from 0";
  EXPECT_FALSE(TakeFrameClose());
  Tick();
  EXPECT_TRUE(TakeFrameClose());
  Tick();
  EXPECT_TRUE(TakeFrameClose());
}

TEST_F(Supervising, WithoutAutoExitTheSupervisorStays) {
  for (int i = 0; i < 12; ++i) Tick();
  EXPECT_EQ(view->m_nMissingTicks, 12);
  EXPECT_FALSE(TakeFrameClose());
}

TEST_F(FreeCellPresent, AMissingMainWindowDoesNotStopTheOtherChecks) {
  SelectGame dialog = Dialog();
  Tick();
  EXPECT_EQ(dialog.window.EditText(), "1");
}

// --- The tick's one look at the desktop ---

using OneLookPerTick = Supervising;

TEST_F(OneLookPerTick, AWindowMadeAfterTheSnapshotIsSeenOnTheNextTick) {
  Game();
  const CWindowSnapshot before = CWindowSnapshot::TakeTopLevel();
  SelectGame dialog = Dialog();
  view->Tick(before);
  EXPECT_EQ(dialog.window.EditSets(), 0) << "not in the snapshot of that tick";
  Tick();
  EXPECT_EQ(dialog.window.EditText(), "7");
}

TEST_F(OneLookPerTick, AWindowGoneSinceTheSnapshotIsHarmless) {
  Game();
  FakeWindow& lower = Make("ﾌﾘｰｾﾙ");
  HWND lowerOk = lower.AddButton("OK");
  FakeWindow& upper = Make("ﾌﾘｰｾﾙ");
  upper.AddButton("OK");
  const CWindowSnapshot seen = CWindowSnapshot::TakeTopLevel();
  upper.Destroy();
  view->Tick(seen);
  PumpPending();
  EXPECT_EQ(lower.Clicks(lowerOk), 0) << "nothing is pressed in another window";
  TickAndPump();
  EXPECT_EQ(lower.Clicks(lowerOk), 1);
}

// --- 2. Game-number dialog ---

using GameNumberDialog = Supervising;

TEST_F(GameNumberDialog, TypesTheDealConfirmsOnTheNextTickAndIsArmedAgainWhenItGoes) {
  Game();
  SelectGame dialog = Dialog();

  TickAndPump();
  EXPECT_EQ(dialog.window.EditText(), "7");
  EXPECT_EQ(view->m_nEnteredGameNo, 7);
  EXPECT_EQ(view->m_bEnterGameNo, 0);
  EXPECT_EQ(dialog.window.Clicks(dialog.ok), 0) << "OK never on the typing tick";

  TickAndPump();
  EXPECT_EQ(dialog.window.Clicks(dialog.ok), 1);
  TickAndPump();
  EXPECT_EQ(dialog.window.Clicks(dialog.ok), 2) << "pressed again while the dialog stays";
  EXPECT_EQ(dialog.window.EditSets(), 1);

  dialog.window.Destroy();
  Tick();
  EXPECT_EQ(view->m_bEnterGameNo, 1);
}

TEST_F(GameNumberDialog, ThePendingDealBeingTriedIsTyped) {
  Game();
  TryFirstPending();
  TickAndPump();  // the new-game request
  SelectGame dialog = Dialog();
  Tick();
  EXPECT_EQ(dialog.window.EditText(), "5");
  EXPECT_EQ(view->m_nEnteredGameNo, 5);
}

// What the edit does not take, or gives back otherwise, is typed again on every tick and never
// confirmed: a mangled read-back, a refused text, a number longer than the read-back.
TEST_F(GameNumberDialog, ANumberNotReadBackAsTypedIsTypedAgainAndNeverConfirmed) {
  struct Row { int line; EditKind kind; int number; const char* kept; };
  const Row rows[] = {{__LINE__, EditKind::Mangles, 7, "70"},
                      {__LINE__, EditKind::Refuses, 7, ""},
                      {__LINE__, EditKind::Plain, 1234567890, "1234567890"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    windows.clear();
    SelectGame dialog = Dialog(row.kind);
    if (row.number != 7) view->m_nGameNo = row.number;  // beyond any deal: no setting holds it
    for (int i = 0; i < 3; ++i) TickAndPump();
    EXPECT_EQ(dialog.window.EditSets(), 3);
    EXPECT_EQ(dialog.window.EditText(), row.kept);
    EXPECT_EQ(dialog.window.Clicks(dialog.ok), 0);
    EXPECT_EQ(view->m_bEnterGameNo, 1);
    EXPECT_EQ(view->m_nEnteredGameNo, row.number) << "set at every typing attempt";
  }
}

TEST_F(GameNumberDialog, WithoutEdit203TheTickEnds) {
  Game();
  FakeWindow& dialog = Make("ｹﾞｰﾑ番号の指定");
  dialog.AddButton("OK");
  FakeWindow& over = Make("ｹﾞｰﾑ ｵｰﾊﾞｰ");
  over.AddStatic("あなたの負け");
  HWND yes = over.AddButton("はい(&Y)");
  TickAndPump();
  EXPECT_EQ(over.Clicks(yes), 0);
  EXPECT_EQ(view->m_nEnteredGameNo, 0);
}

// --- 3. Deal in play ---

using DealInPlay = Supervising;

TEST_F(DealInPlay, WithoutADealTheBoxesAreNotLookedAt) {
  Make("ﾌﾘｰｾﾙ", MenuBar::Popup);  // FreeCell without a deal
  FakeWindow& question = Make("空の列に移動");
  HWND column = question.AddButton("列を移動する(&C)");
  TickAndPump();
  EXPECT_EQ(question.Clicks(column), 0);
  EXPECT_EQ(view->m_bMoveArmed, 1);
}

// --- 4. FreeCell message box ---

using FreeCellBox = Supervising;

TEST_F(FreeCellBox, AnOkBoxIsPostedItsClickBeforeAnythingElse) {
  Game();
  FakeWindow& over = Make("ｹﾞｰﾑ ｵｰﾊﾞｰ");
  over.AddStatic("あなたの勝ちです");
  Tick();  // the win handed over disarms the game-over check
  ASSERT_EQ(view->m_bGameOverArmed, 0);
  over.Destroy();
  FakeWindow& question = Make("空の列に移動");
  HWND column = question.AddButton("列を移動する(&C)");
  FakeWindow& box = Make("ﾌﾘｰｾﾙ");
  HWND ok = box.AddButton("OK");

  Tick();
  // A sent click would run FreeCell's handler (and any box it opens) inside the tick.
  EXPECT_EQ(box.Clicks(ok), 0) << "nothing reaches the box before its queue is served";
  PumpPending();
  EXPECT_EQ(box.Clicks(ok), 1);
  EXPECT_EQ(question.Clicks(column), 0);
  EXPECT_EQ(view->m_bMoveArmed, 1);
  EXPECT_EQ(view->m_bGameOverArmed, 0) << "the game-over check did not run";
}

TEST_F(FreeCellBox, AYesBoxRecordsFreeCellsPositionFirst) {
  FakeWindow& game = Game();
  game.MoveTo(123, 77);
  FakeWindow& box = Make("ﾌﾘｰｾﾙ");
  box.AddStatic("このゲームを放棄しますか?");
  HWND yes = box.AddButton("はい(&Y)");
  HWND no = box.AddButton("いいえ(&N)");

  TickAndPump();

  EXPECT_EQ(view->m_nLeft, 123);
  EXPECT_EQ(view->m_nTop, 77);
  EXPECT_EQ(registry.Stored("Left"), "123") << "and stored";
  EXPECT_EQ(registry.Stored("Top"), "77");
  EXPECT_EQ(box.Clicks(yes), 1);
  EXPECT_EQ(box.Clicks(no), 0);
}

TEST_F(FreeCellBox, ABoxWithNeitherButtonEndsTheTick) {
  Game();
  FakeWindow& question = Make("空の列に移動");
  question.AddButton("列を移動する(&C)");
  TickAndPump();  // the question answered disarms the move check
  ASSERT_EQ(view->m_bMoveArmed, 0);
  FakeWindow& box = Make("ﾌﾘｰｾﾙ");
  HWND cancel = box.AddButton("ｷｬﾝｾﾙ");
  TickAndPump();
  EXPECT_EQ(box.Clicks(cancel), 0);
  EXPECT_EQ(view->m_bMoveArmed, 0) << "the move check did not run";
}

// --- 5. Game-over box: each win handed to the deal sequence once, the box answered on a later
// tick or left to the player every N wins, a lost deal answered and nothing more ---

class GameOver : public Supervising {
 protected:
  void SetUp() override {
    Supervising::SetUp();
    Game();
  }
  // A win handed over, its box gone: the game-over check disarmed (deal 8 in sequence).
  void WinOnce() {
    Box won = Over("あなたの勝ちです");
    Tick();
    ASSERT_EQ(view->m_bGameOverArmed, 0);
    won.window->Destroy();
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
  EXPECT_EQ(view->m_nWinCountdown, 1) << "a countdown above 0 is kept by the typed deal";
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

TEST_F(PlayersWins, WithNOfOneEveryWinWaits) {
  Reopen({{"GameOverYourWinCnt", "1"}});
  RunNewGameStep(Edition::Half);
  Game();
  TypeDeal();
  Box won = Over("あなたの勝ちです");
  for (int i = 0; i < 4; ++i) TickAndPump();
  EXPECT_EQ(won.window->Clicks(won.yes), 0);
}

// --- 6. Move question ---

// The one-card move chosen in the settings.
class MoveQuestion : public Supervising {
 protected:
  void PrepareRegistry() override { registry.Store("IdleRow", "1"); }
};

// While the question stays the latch alternates, answered or not: the button IdleRow chooses is
// pressed on every second tick; IdleRow 2 (or another) leaves the question to the player.
TEST_F(MoveQuestion, IdleRowChoosesTheButtonPressedOnEverySecondTick) {
  struct Row { int line; const char* idleRow; int column, oneCard; };
  const Row rows[] = {{__LINE__, "0", 1, 0}, {__LINE__, "1", 0, 1}, {__LINE__, "2", 0, 0}, {__LINE__, "-1", 0, 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    Reopen({{"IdleRow", row.idleRow}});
    RunNewGameStep(Edition::Half);
    Game();
    FakeWindow& question = Make("空の列に移動");
    HWND column = question.AddButton("列を移動する(&C)");
    HWND one = question.AddButton("1枚のｶｰﾄﾞを移動する(&S)");
    std::vector<int> latch;
    for (int tick = 1; tick <= 4; ++tick) {
      TickAndPump();
      latch.push_back(view->m_bMoveArmed);
      const int times = (tick + 1) / 2;
      EXPECT_EQ(question.Clicks(column), times * row.column) << "tick " << tick;
      EXPECT_EQ(question.Clicks(one), times * row.oneCard) << "tick " << tick;
    }
    EXPECT_EQ(latch, (std::vector<int>{0, 1, 0, 1}));
  }
}

TEST_F(MoveQuestion, TheFullWidthQuestionNeedsItsFullStops) {
  Make("フリーセル ゲーム #5", MenuBar::Popup);
  UseEdition(Edition::Full);
  FakeWindow& wrong = Make("空の列に移動");
  HWND wrongOne = wrong.AddButton("1 枚のカードを移動する(&S)");
  FakeWindow& question = Make("空の列に移動...");
  HWND one = question.AddButton("1 枚のカードを移動する(&S)");
  TickAndPump();
  EXPECT_EQ(question.Clicks(one), 1);
  EXPECT_EQ(wrong.Clicks(wrongOne), 0);
}

}  // namespace
}  // namespace timertest
