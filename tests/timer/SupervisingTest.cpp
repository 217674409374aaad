// The supervising step, one group per check in the order the tick runs them.
#include "ViewFixture.h"

namespace timertest {
namespace {

class Supervising : public ViewFixture {
 protected:
  void SetUp() override {
    ViewFixture::SetUp();
    RunNewGameStep(Edition::Half);
  }
  // FreeCell's main window during a deal.
  FakeWindow& Game() { return Make("ﾌﾘｰｾﾙ ｹﾞｰﾑ #617", MenuBar::Popup); }
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
};

// --- 1. FreeCell present ---

class FreeCellPresent : public Supervising {
 protected:
  void PrepareRegistry() override { registry.Store("AutoExit", "1"); }
};

TEST_F(FreeCellPresent, MissingTwiceThenPresentDoesNotClose) {
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
}

TEST_F(FreeCellPresent, TheThirdMissingTickClosesAndLaterTicksCloseAgain) {
  Tick();
  Tick();
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
  EXPECT_EQ(dialog.window.EditText(), "1");
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

class GameNumberDialog : public Supervising {
 protected:
  // Deal 5 waits on the pending list, for the dialog while it is tried; a win count for the countdown.
  void PrepareRegistry() override {
    registry.Store({{"GameNo", "617"}, {"Pending0", "5"}, {"GameOverYourWinCnt", "3"}});
  }
};

TEST_F(GameNumberDialog, TypesTheDealThenConfirmsOnTheNextTick) {
  Game();
  SelectGame dialog = Dialog();

  TickAndPump();
  EXPECT_EQ(dialog.window.EditText(), "617");
  EXPECT_EQ(view->m_nEnteredGameNo, 617);
  EXPECT_EQ(view->m_bEnterGameNo, 0);
  EXPECT_EQ(dialog.window.Clicks(dialog.ok), 0) << "OK never on the typing tick";

  TickAndPump();
  EXPECT_EQ(dialog.window.Clicks(dialog.ok), 1);
  TickAndPump();
  EXPECT_EQ(dialog.window.Clicks(dialog.ok), 2) << "pressed again while the dialog stays";
  EXPECT_EQ(dialog.window.EditSets(), 1);
}

TEST_F(GameNumberDialog, ThePendingDealBeingTriedIsTyped) {
  Game();
  SendMessageA(view->GetDlgItem(IDC_PENDING_LIST), LB_SETCURSEL, 0, 0);
  view->OnButtonTry();
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
  const Row rows[] = {{__LINE__, EditKind::Mangles, 617, "6170"},
                      {__LINE__, EditKind::Refuses, 617, ""},
                      {__LINE__, EditKind::Plain, 1234567890, "1234567890"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    windows.clear();
    SelectGame dialog = Dialog(row.kind);
    if (row.number != 617) view->m_nGameNo = row.number;  // beyond any deal: no setting holds it
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

TEST_F(GameNumberDialog, TheDialogGoneArmsTypingAgain) {
  Game();
  SelectGame dialog = Dialog();
  Tick();
  ASSERT_EQ(view->m_bEnterGameNo, 0) << "typed and read back";
  dialog.window.Destroy();
  Tick();
  EXPECT_EQ(view->m_bEnterGameNo, 1);
}

TEST_F(GameNumberDialog, AConfirmedNumberReloadsAnEmptyWinCountdown) {
  view->m_nWinCountdown = 0;  // as the win left to the player leaves it
  Dialog();
  Tick();
  EXPECT_EQ(view->m_nWinCountdown, 3);
  view->m_nWinCountdown = 2;
  windows.clear();
  Tick();  // dialog gone
  Dialog();
  Tick();
  EXPECT_EQ(view->m_nWinCountdown, 2) << "a countdown above 0 is kept";
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

TEST_F(FreeCellBox, AnOkBoxIsDismissedBeforeAnythingElse) {
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

  TickAndPump();

  EXPECT_EQ(box.Clicks(ok), 1);
  EXPECT_EQ(question.Clicks(column), 0);
  EXPECT_EQ(view->m_bMoveArmed, 1);
  EXPECT_EQ(view->m_bGameOverArmed, 0) << "the game-over check did not run";
}

TEST_F(FreeCellBox, ButtonsArePostedNotSent) {
  // A sent click would run FreeCell's handler (and any box it opens) inside the tick.
  Game();
  FakeWindow& box = Make("ﾌﾘｰｾﾙ");
  HWND ok = box.AddButton("OK");

  Tick();
  EXPECT_EQ(box.Clicks(ok), 0) << "nothing reaches the box before its queue is served";
  PumpPending();
  EXPECT_EQ(box.Clicks(ok), 1);
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

// --- 6. Move question ---

// The one-card move chosen in the settings.
class MoveQuestion : public Supervising {
 protected:
  void PrepareRegistry() override { registry.Store("IdleRow", "1"); }
};

// While the question stays the latch alternates, answered or not: the button IdleRow chooses is
// pressed on every second tick; IdleRow 2 (or another) leaves the question to the player.
TEST_F(MoveQuestion, IdleRowChoosesTheButtonPressedOnEverySecondTick) {
  struct Row { int line, idleRow, column, oneCard; };
  const Row rows[] = {{__LINE__, 0, 1, 0}, {__LINE__, 1, 0, 1}, {__LINE__, 2, 0, 0}, {__LINE__, -1, 0, 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    windows.clear();
    Game();
    TickAndPump();  // no question: the move check is armed again
    FakeWindow& question = Make("空の列に移動");
    HWND column = question.AddButton("列を移動する(&C)");
    HWND one = question.AddButton("1枚のｶｰﾄﾞを移動する(&S)");
    view->m_nIdleRow = row.idleRow;
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
