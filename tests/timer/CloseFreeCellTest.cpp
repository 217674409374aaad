// Closing FreeCell when the supervisor ends: FreeCell's place remembered, WM_CLOSE, yes to its
// question, a bounded wait, and nothing done to other programs' windows.
#include "ViewFixture.h"

namespace timertest {
namespace {

class CloseFreeCell : public ViewFixture {};

TEST_F(CloseFreeCell, RemembersThePlaceAndClosesFreeCell) {
  UseEdition(Edition::Half);
  FakeWindow& main = Make("ﾌﾘｰｾﾙ ｹﾞｰﾑ #3", MenuBar::Popup);
  main.MoveTo(210, 140);
  view->CloseFreeCell();
  EXPECT_FALSE(main.Exists());
  EXPECT_EQ(main.Count(WM_CLOSE), 1);
  EXPECT_EQ(view->m_nLeft, 210);
  EXPECT_EQ(view->m_nTop, 140);
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

TEST_F(CloseFreeCell, QuittingAfterFreeCellWentStoresAndClosesNothing) {
  UseEdition(Edition::Half);
  FakeWindow& other = Make("メモ帳 - 無題", MenuBar::Popup);
  view->m_nGameNo = 321;
  view->m_nLeft = 15;
  app.reset();  // the frame, its view, then the document
  PumpPending();
  EXPECT_TRUE(other.Exists());
  EXPECT_EQ(other.Count(WM_CLOSE), 0);
  EXPECT_EQ(registry.Stored("GameNo"), "321");
  EXPECT_EQ(registry.Stored("Left"), "15");
}

}  // namespace
}  // namespace timertest
