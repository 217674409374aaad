// Ticks against the stand-in FreeCell in its own process: what only another program shows (a menu
// that cannot be read from outside, an edit that stops answering, texts sent across processes).
#include <string>

#include "StandIn.h"
#include "ViewFixture.h"

namespace timertest {
namespace {

using nuvari::test::Match;
constexpr DWORD kWaitMs = 5000;

// The start requested a new game; deal 617 is next.
class StandInTick : public ViewFixture {
 protected:
  void PrepareRegistry() override { registry.Store("GameNo", "617"); }
  // Starts the stand-in (half-width edition) with the switches and waits for its start.
  bool Start(const std::string& switches) {
    freeCell = std::make_unique<nuvari::test::StandIn>("/edition=half " + switches);
    return freeCell->Process().Started() && Log().WaitForLine("started half nt", kWaitMs);
  }
  const nuvari::test::LogFile& Log() const { return freeCell->Log(); }
  // Ticks (letting the view's own messages through) until the window with that title is up.
  HWND TickUntil(const char* title, Match match) {
    HWND window = nullptr;
    nuvari::test::PollUntil(kWaitMs, [&] {
      TickAndPump();
      return (window = nuvari::test::FindTopLevel(title, match, freeCell->Process().Id())) != nullptr;
    }, 50);
    return window;
  }
  void TearDown() override {
    freeCell.reset();
    ViewFixture::TearDown();
  }

  std::unique_ptr<nuvari::test::StandIn> freeCell;
};

// The new-game step opens the dialog of another program, and the deal is typed, read back and
// confirmed across processes.
TEST_F(StandInTick, TheDealIsTypedReadBackAndConfirmedAcrossProcesses) {
  ASSERT_TRUE(Start(""));
  ASSERT_NE(TickUntil("ｹﾞｰﾑ番号の指定", Match::Equals), nullptr);
  // Whichever way the command got there, FreeCell saw the select-game request once.
  EXPECT_TRUE(Log().Contains("menu-select-game") != Log().Contains("key-f3"));
  ASSERT_NE(TickUntil("ﾌﾘｰｾﾙ ｹﾞｰﾑ #617", Match::Equals), nullptr);
  EXPECT_TRUE(Log().WaitForLine("dialog-ok 617", kWaitMs));
  EXPECT_TRUE(Log().Contains("number-read 617"));
}

TEST_F(StandInTick, AnEditThatStopsAnsweringDoesNotFreezeTheTick) {
  ASSERT_TRUE(Start("/hang=8000"));
  ASSERT_NE(TickUntil("ｹﾞｰﾑ番号の指定", Match::Equals), nullptr);
  // This tick types the number; the send gives up long before FreeCell answers.
  for (int i = 0; i < 20 && view->m_nEnteredGameNo == 0; ++i) TickAndPump();
  ASSERT_EQ(view->m_nEnteredGameNo, 617);
  EXPECT_EQ(view->m_bEnterGameNo, 1) << "a timed-out send counts as text not taken";
  EXPECT_FALSE(Log().Contains("number-read 617")) << "nothing was read back from a hung FreeCell";
}

}  // namespace
}  // namespace timertest
