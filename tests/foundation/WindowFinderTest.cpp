#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "WindowFinder.h"
#include "WindowSnapshot.h"

namespace {

const char kTestClass[] = "FinderTestWindow";

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER) ++*reinterpret_cast<int*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterTestClass() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &CountingProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kTestClass;
  RegisterClassA(&wc);
}

using TestWindow = std::unique_ptr<std::remove_pointer_t<HWND>, decltype(&DestroyWindow)>;

// Hidden windows count like any other; created last, they stand on top of the Z-order.
TestWindow MakeWindow(const std::string& title, HWND parent = nullptr) {
  RegisterTestClass();
  return TestWindow(CreateWindowExA(0, kTestClass, title.c_str(), parent ? WS_CHILD : WS_POPUP, 0, 0, 10, 10, parent,
                                    nullptr, GetModuleHandleA(nullptr), nullptr),
                    DestroyWindow);
}

}  // namespace

class WindowFinder : public ::testing::Test {
 protected:
  CWindowFinder finder;
  HWND desktop = GetDesktopWindow();
};

TEST_F(WindowFinder, OnlyDirectChildrenOfAValidParentAreSearched) {
  auto parent = MakeWindow("parent");
  auto child = MakeWindow("child", parent.get());
  auto grandchild = MakeWindow("grandchild", child.get());
  EXPECT_EQ(finder.FindChildByText(parent.get(), "child", CWindowFinder::kMatchEquals), child.get());
  EXPECT_EQ(finder.FindChildByText(parent.get(), "grandchild", CWindowFinder::kMatchEquals), nullptr);
  EXPECT_EQ(finder.FindChildByText(desktop, "child", CWindowFinder::kMatchEquals), nullptr);
  HWND gone = MakeWindow("gone").get();  // destroyed at once
  EXPECT_EQ(finder.FindChildByText(gone, "x", CWindowFinder::kMatchContains), nullptr);
  EXPECT_EQ(finder.FindChildByText(nullptr, "x", CWindowFinder::kMatchContains), nullptr);
}

// Every search answered by the live walk and by one snapshot of the desktop (a tick searches one).
TEST_F(WindowFinder, TitlesMatchWholeOrContainedTopmostFirstAndTheSnapshotAnswersAsTheLiveWalk) {
  auto real = MakeWindow("xﾌﾘ");
  auto game = MakeWindow("フリーセル ゲーム #12");
  // 83 CC D8: a double-byte character whose trail byte is "ﾌ", then "ﾘ".
  auto straddling = MakeWindow("\x83\xcc\xd8");
  auto box = MakeWindow("フリーセル");
  auto upper = MakeWindow("x フリーセル");
  auto untitled = MakeWindow("");
  const CWindowSnapshot snapshot = CWindowSnapshot::TakeTopLevel();
  const struct {
    int line;
    const char* text;
    int mode;
    HWND expected;
  } rows[] = {
      {__LINE__, "フリーセル", CWindowFinder::kMatchContains, upper.get()},  // the topmost match
      {__LINE__, "フリーセル", CWindowFinder::kMatchEquals, box.get()},
      {__LINE__, "フリーセル ゲーム", CWindowFinder::kMatchEquals, nullptr},  // the whole title only
      {__LINE__, "フリーセル ゲーム #", CWindowFinder::kMatchContains, game.get()},
      {__LINE__, "ﾌﾘ", CWindowFinder::kMatchContains, real.get()},  // never from a second byte
      {__LINE__, "", CWindowFinder::kMatchEquals, nullptr},  // empty titles never match
      {__LINE__, "", CWindowFinder::kMatchContains, upper.get()},  // the topmost titled window
      {__LINE__, "フリーセル", 1, nullptr},  // modes other than equals and contains
      {__LINE__, "フリーセル", 3, nullptr},
      {__LINE__, "フリーセル", -1, nullptr},
      {__LINE__, "フリーセル", 100, nullptr},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    EXPECT_EQ(snapshot.Find(row.text, row.mode), row.expected);
    EXPECT_EQ(finder.FindChildByText(desktop, row.text, row.mode), row.expected);
  }
}

TEST_F(WindowFinder, PumpMessagesDispatchesWhatIsQueuedBeforeQuit) {
  auto window = MakeWindow("pump");
  int received = 0;
  SetWindowLongPtrA(window.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&received));
  PostMessageA(window.get(), WM_USER, 0, 0);
  PostMessageA(window.get(), WM_USER, 0, 0);
  PostQuitMessage(3);
  EXPECT_EQ(finder.PumpMessages(), 1);
  EXPECT_EQ(received, 2);
  // The quit was taken off the queue, not posted again: an empty queue gives 0.
  EXPECT_EQ(finder.PumpMessages(), 0);
}
