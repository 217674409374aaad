// Ticks against the stand-in FreeCell in its own process: what only another program shows (a menu
// that cannot be read from outside, an edit that stops answering, texts sent across processes).
#include <string>

#include "ChildProcess.h"
#include "LogFile.h"
#include "ViewFixture.h"
#include "WindowSearch.h"
#include "WinePath.h"

namespace timertest {
namespace {

using nuvari::test::Match;
constexpr DWORD kWaitMs = 5000;

class StandInTick : public ViewFixture {
 protected:
  // Starts the stand-in (half-width edition) with the switches and waits for its main window.
  bool Start(const std::string& switches) {
    const std::string command = "\"" + nuvari::test::ToWinePath(FREECELL_EXE) + "\" /edition=half " + switches +
                                " \"/log=" + log.Path() + "\"";
    freeCell = std::make_unique<nuvari::test::ChildProcess>(command);
    return freeCell->Started() && log.WaitForLine("started half nt", kWaitMs);
  }
  // Ticks (letting the view's own messages through) until the window with that title is up.
  HWND TickUntil(const char* title, Match match) {
    const ULONGLONG deadline = GetTickCount64() + kWaitMs;
    while (GetTickCount64() < deadline) {
      TickAndPump();
      if (HWND window = nuvari::test::FindTopLevel(title, match, freeCell->Id())) return window;
      Sleep(50);
    }
    return nullptr;
  }
  void TearDown() override {
    if (freeCell) freeCell->Terminate();
    ViewFixture::TearDown();
  }

  nuvari::test::LogFile log{"timer-standin"};
  std::unique_ptr<nuvari::test::ChildProcess> freeCell;
};

TEST_F(StandInTick, TheNewGameStepOpensTheDialogOfAnotherProgram) {
  ASSERT_TRUE(Start(""));
  view->m_bNewGame = 1;
  ASSERT_NE(TickUntil("ｹﾞｰﾑ番号の指定", Match::Equals), nullptr);
  // Whichever way the command got there, FreeCell saw the select-game request once.
  const bool byMenu = log.Contains("menu-select-game");
  const bool byKey = log.Contains("key-f3");
  EXPECT_TRUE(byMenu != byKey);
}

TEST_F(StandInTick, TheDealIsTypedReadBackAndConfirmedAcrossProcesses) {
  ASSERT_TRUE(Start(""));
  view->m_bNewGame = 1;
  view->m_nGameNo = 617;
  ASSERT_NE(TickUntil("ｹﾞｰﾑ番号の指定", Match::Equals), nullptr);
  ASSERT_NE(TickUntil("ﾌﾘｰｾﾙ ｹﾞｰﾑ #617", Match::Equals), nullptr);
  EXPECT_TRUE(log.WaitForLine("dialog-ok 617", kWaitMs));
  EXPECT_TRUE(log.Contains("number-read 617"));
}

TEST_F(StandInTick, AnEditThatStopsAnsweringDoesNotFreezeTheTick) {
  ASSERT_TRUE(Start("/hang=8000"));
  view->m_bNewGame = 1;
  ASSERT_NE(TickUntil("ｹﾞｰﾑ番号の指定", Match::Equals), nullptr);
  // This tick types the number; the send gives up long before FreeCell answers.
  for (int i = 0; i < 20 && view->m_nEnteredGameNo == 0; ++i) TickAndPump();
  ASSERT_EQ(view->m_nEnteredGameNo, 1);
  EXPECT_EQ(view->m_bEnterGameNo, 1) << "a timed-out send counts as text not taken";
  EXPECT_FALSE(log.Contains("number-read 1")) << "nothing was read back from a hung FreeCell";
}

}  // namespace
}  // namespace timertest
