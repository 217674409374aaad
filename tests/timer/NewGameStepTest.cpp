// The new-game step: title set, FreeCell moved to its place, the game-number dialog requested.
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

}  // namespace
}  // namespace timertest
