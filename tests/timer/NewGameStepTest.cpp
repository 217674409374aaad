// The new-game step (title set, FreeCell moved to its place, the game-number dialog requested),
// and closing FreeCell when the supervisor ends: its place remembered, WM_CLOSE, yes to its
// question, a bounded wait, and nothing done to other programs' windows.
#include "ViewFixture.h"

namespace timertest {
namespace {

// FreeCell's place and the deal in sequence as a start loads them; the start requested a new game.
class NewGameStep : public ViewFixture {
 protected:
  void PrepareRegistry() override { registry.Store({{"Left", "40"}, {"Top", "30"}, {"GameNo", "12"}}); }
};

TEST_F(NewGameStep, WithoutFreeCellNothingElseRuns) {
  UseEdition(Edition::Half);
  FakeWindow& dialog = Make("ｹﾞｰﾑ番号の指定");
  dialog.AddEdit();

  TickAndPump();

  EXPECT_EQ(view->m_bNewGame, 1) << "the request waits for FreeCell";
  EXPECT_EQ(view->m_nMissingTicks, 0) << "FreeCell's absence is not counted";
  EXPECT_EQ(dialog.EditSets(), 0);
  EXPECT_FALSE(TakeFrameClose());
}

TEST_F(NewGameStep, MovesFreeCellAndPostsTheMenuCommand) {
  FakeWindow& main = Make("ﾌﾘｰｾﾙ ｹﾞｰﾑ #12", MenuBar::Popup);
  const RECT before = main.Rect();
  FakeWindow& dialog = Make("ｹﾞｰﾑ番号の指定");
  dialog.AddEdit();

  TickAndPump();

  const RECT after = main.Rect();
  EXPECT_EQ(after.left, 40);
  EXPECT_EQ(after.top, 30);
  EXPECT_EQ(after.right - after.left, before.right - before.left) << "the size stays";
  ASSERT_EQ(main.Count(WM_COMMAND), 1);
  EXPECT_EQ(main.Messages()[0].wParam, WPARAM{kSelectGameCommand});
  EXPECT_EQ(main.Messages()[0].lParam, 0);
  EXPECT_EQ(view->m_bNewGame, 0);
  EXPECT_EQ(dialog.EditSets(), 0) << "nothing else happens on a new-game tick";
  EXPECT_EQ(view->m_strSelectGame, "ｹﾞｰﾑ番号の指定");
}

TEST_F(NewGameStep, ChoosesTheFullWidthEditionWhenOnlyItRuns) {
  FakeWindow& main = Make("フリーセル", MenuBar::Popup);

  TickAndPump();

  EXPECT_EQ(main.Count(WM_COMMAND), 1);
  EXPECT_EQ(view->m_strFreeCell, "フリーセル");
  EXPECT_EQ(view->m_strMoveToEmpty, "空の列に移動...");
  EXPECT_EQ(view->m_strMoveOneCard, "1 枚のカードを移動する");
}

TEST_F(NewGameStep, UsesTheMainWindowWhenABoxLiesAboveIt) {
  FakeWindow& main = Make("ﾌﾘｰｾﾙ ｹﾞｰﾑ #12", MenuBar::Popup);
  FakeWindow& box = Make("ﾌﾘｰｾﾙ");
  box.AddButton("はい(&Y)");
  const RECT boxBefore = box.Rect();

  TickAndPump();

  EXPECT_EQ(main.Count(WM_COMMAND), 1);
  EXPECT_EQ(main.Rect().left, 40);
  EXPECT_EQ(box.Rect().left, boxBefore.left) << "the box is not FreeCell's window to move";
  EXPECT_EQ(box.Count(WM_COMMAND), 0);
  EXPECT_EQ(view->m_bNewGame, 0);
}

TEST_F(NewGameStep, PressesTheShortcutWhenNoCommandIdCanBeRead) {
  FakeWindow& main = Make("ﾌﾘｰｾﾙ", MenuBar::Flat);

  TickAndPump();

  EXPECT_EQ(main.Count(WM_COMMAND), 0);
  ASSERT_EQ(main.Count(WM_KEYDOWN), 1);
  ASSERT_EQ(main.Count(WM_KEYUP), 1);
  EXPECT_EQ(main.Messages()[0].message, UINT{WM_KEYDOWN});
  EXPECT_EQ(main.Messages()[0].wParam, WPARAM{VK_F3});
  EXPECT_EQ(main.Messages()[1].wParam, WPARAM{VK_F3});
  EXPECT_NE(main.Messages()[1].lParam & (LPARAM{1} << 31), 0) << "a key release";
  EXPECT_EQ(view->m_bNewGame, 0);
}

TEST_F(NewGameStep, ABoxWithoutAMainWindowIsAnsweredAndTheRequestKept) {
  Make("ﾌﾘｰｾﾙ ｹﾞｰﾑ #3");  // a deal in play, but no menu bar anywhere
  FakeWindow& box = Make("ﾌﾘｰｾﾙ");
  HWND ok = box.AddButton("OK");

  TickAndPump();

  EXPECT_EQ(box.Clicks(ok), 1);
  EXPECT_EQ(view->m_bNewGame, 1);
}

TEST_F(NewGameStep, ARequestAfterOkHasTheNextNumberTypedNotConfirmed) {
  Make("ﾌﾘｰｾﾙ ｹﾞｰﾑ #12", MenuBar::Popup);
  FakeWindow& dialog = Make("ｹﾞｰﾑ番号の指定");
  dialog.AddEdit();
  HWND ok = dialog.AddButton("OK");
  for (int i = 0; i < 3; ++i) TickAndPump();  // new-game step, 12 typed, OK pressed
  ASSERT_EQ(dialog.Clicks(ok), 1);
  view->OnButtonPend();  // 12 set aside: deal 13 requested

  TickAndPump();  // new-game step
  TickAndPump();

  EXPECT_EQ(dialog.EditText(), "13");
  EXPECT_EQ(dialog.Clicks(ok), 1) << "typed, not confirmed";
}

using CloseFreeCell = ViewFixture;

// Closed once by the view, FreeCell is gone when the program quits: the place it had is stored,
// and no other window is touched.
TEST_F(CloseFreeCell, RemembersThePlaceClosesFreeCellAndQuitsStoringTheRecord) {
  UseEdition(Edition::Half);
  FakeWindow& main = Make("ﾌﾘｰｾﾙ ｹﾞｰﾑ #3", MenuBar::Popup);
  FakeWindow& other = Make("メモ帳 - 無題", MenuBar::Popup);
  main.MoveTo(210, 140);
  view->CloseFreeCell();
  EXPECT_FALSE(main.Exists());
  EXPECT_EQ(main.Count(WM_CLOSE), 1);
  EXPECT_EQ(view->m_nLeft, 210);
  EXPECT_EQ(view->m_nTop, 140);
  SetDlgItemTextA(view->m_hWnd, IDC_GAME_NO, "321");
  view->OnButtonUpdate();
  app.reset();  // the frame, its view, then the document
  PumpPending();
  EXPECT_TRUE(other.Exists());
  EXPECT_EQ(other.Count(WM_CLOSE), 0);
  EXPECT_EQ(registry.Stored("GameNo"), "321");
  EXPECT_EQ(registry.Stored("Left"), "210");
  EXPECT_EQ(registry.Stored("Top"), "140");
}

TEST_F(CloseFreeCell, TheMainWindowNotABoxAboveItIsRememberedAndClosed) {
  UseEdition(Edition::Full);
  FakeWindow& main = Make("フリーセル ゲーム #3", MenuBar::Popup);
  main.MoveTo(60, 50);
  FakeWindow& box = Make("フリーセル", MenuBar::None, OnClose::Ignore);
  HWND yes = box.AddButton("はい(&Y)");
  box.MoveTo(400, 300);
  view->CloseFreeCell();
  PumpPending();
  EXPECT_EQ(box.Clicks(yes), 1);
  EXPECT_EQ(main.Count(WM_CLOSE), 1);
  EXPECT_EQ(box.Count(WM_CLOSE), 0);
  EXPECT_EQ(view->m_nLeft, 60);
  EXPECT_EQ(view->m_nTop, 50);
}

TEST_F(CloseFreeCell, AnswersYesWhenFreeCellAsks) {
  UseEdition(Edition::Half);
  FakeWindow& main = Make("ﾌﾘｰｾﾙ ｹﾞｰﾑ #3", MenuBar::Popup, OnClose::AskYesNo);
  view->CloseFreeCell();  // pumps: WM_CLOSE reaches the window and it asks
  ASSERT_NE(main.CloseQuestion(), nullptr);
  PumpPending();
  HWND yes = FindWindowExA(main.CloseQuestion()->Handle(), nullptr, "BUTTON", "はい(&Y)");
  HWND no = FindWindowExA(main.CloseQuestion()->Handle(), nullptr, "BUTTON", "いいえ(&N)");
  EXPECT_EQ(main.CloseQuestion()->Clicks(yes), 1);
  EXPECT_EQ(main.CloseQuestion()->Clicks(no), 0);
  EXPECT_EQ(main.Count(WM_CLOSE), 1) << "closed once, then only answered";
}

TEST_F(CloseFreeCell, AFreeCellThatDoesNotCloseIsLeftAfterAWhile) {
  UseEdition(Edition::Half);
  FakeWindow& main = Make("ﾌﾘｰｾﾙ", MenuBar::Popup, OnClose::Ignore);
  const ULONGLONG started = GetTickCount64();
  view->CloseFreeCell();  // returns: the wait has a limit of about ten seconds
  const ULONGLONG waited = GetTickCount64() - started;
  EXPECT_GE(waited, 5000u) << "FreeCell was given time to close";
  EXPECT_LT(waited, 20000u) << "the wait has its limit";
  EXPECT_TRUE(main.Exists());
  EXPECT_EQ(main.Count(WM_CLOSE), 1);
}

TEST_F(CloseFreeCell, BeforeAnyTitleSetNothingIsTouched) {
  ASSERT_TRUE(view->m_strFreeCell.empty());
  FakeWindow& other = Make("メモ帳 - 無題", MenuBar::Popup);
  view->CloseFreeCell();
  PumpPending();
  EXPECT_TRUE(other.Exists());
  EXPECT_EQ(other.Count(WM_CLOSE), 0);
}

}  // namespace
}  // namespace timertest
