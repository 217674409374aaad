#include "ViewFixture.h"

#include "FrameWnd.h"
#include "Platform.h"

namespace timertest {

void ViewFixture::SetUp() {
  boxes = std::make_unique<nuvari::test::MessageBoxRecorder>();
  // FreeCell "starts" without a program: the test brings its own windows.
  fw::platform::TestHooks().winExec = [](const std::string&, UINT) -> UINT { return 33; };
  Open({});
}

void ViewFixture::Reopen(Values values) {
  windows.clear();
  app.reset();
  PumpPending();
  Open(values);
}

void ViewFixture::Open(Values values) {
  // A test without FreeCell's main window must not close the frame under its feet.
  registry.Store({{"Path", "freecell.exe"}, {"AutoExit", "0"}});
  PrepareRegistry();
  registry.Store(values);
  app = std::make_unique<nuvari::test::TestApp>(SW_SHOWNOACTIVATE);
  ASSERT_TRUE(app->Open<fw::CFrameWnd>());
  view = static_cast<CNuvariView*>(app->GetDocTemplate()->GetFrame()->GetActiveView());
  ASSERT_NE(view, nullptr);
  KillTimer(view->m_hWnd, CNuvariView::kTimerId);
  PumpPending();
}

void ViewFixture::TearDown() {
  windows.clear();
  app.reset();
  PumpPending();
  fw::platform::ResetHooks();
  boxes.reset();
}

FakeWindow& ViewFixture::Make(const std::string& title, MenuBar menu, OnClose onClose) {
  windows.push_back(std::make_unique<FakeWindow>(title, menu, onClose));
  return *windows.back();
}

void ViewFixture::UseEdition(Edition edition) {
  FakeWindow probe(edition == Edition::Half ? "ﾌﾘｰｾﾙ" : "フリーセル");
  ASSERT_NE(view->SelectTitleSet(), nullptr);
}

void ViewFixture::RunNewGameStep(Edition edition) {
  FakeWindow main(edition == Edition::Half ? "ﾌﾘｰｾﾙ" : "フリーセル", MenuBar::Popup);
  TickAndPump();
  ASSERT_EQ(view->m_bNewGame, 0);
}

bool ViewFixture::TakeFrameClose() {
  MSG msg{};
  return PeekMessageA(&msg, app->m_pMainWnd->m_hWnd, WM_CLOSE, WM_CLOSE, PM_REMOVE) != 0;
}

}  // namespace timertest
