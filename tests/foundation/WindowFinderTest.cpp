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

struct WindowDestroyer {
  void operator()(HWND window) const { DestroyWindow(window); }
};
using TestWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

// Hidden windows count like any other; created last, they stand on top of the Z-order.
TestWindow MakeWindow(const std::string& title, HWND parent = nullptr) {
  RegisterTestClass();
  return TestWindow(CreateWindowExA(0, kTestClass, title.c_str(), parent ? WS_CHILD : WS_POPUP, 0, 0, 10, 10, parent,
                                    nullptr, GetModuleHandleA(nullptr), nullptr));
}

}  // namespace

class WindowFinder : public ::testing::Test {
 protected:
  CWindowFinder finder;
  HWND desktop = GetDesktopWindow();
};

TEST_F(WindowFinder, EqualsMatchesTheWholeTitleOnly) {
  auto longer = MakeWindow("フリーセル ゲーム #12");
  auto exact = MakeWindow("フリーセル");
  EXPECT_EQ(finder.FindChildByText(desktop, "フリーセル", CWindowFinder::kMatchEquals), exact.get());
  exact.reset();
  EXPECT_EQ(finder.FindChildByText(desktop, "フリーセル", CWindowFinder::kMatchEquals), nullptr);
  EXPECT_EQ(finder.FindChildByText(desktop, "フリーセル", CWindowFinder::kMatchContains), longer.get());
}

TEST_F(WindowFinder, TheTopmostMatchWins) {
  auto lower = MakeWindow("ﾌﾘｰｾﾙ first");
  auto upper = MakeWindow("ﾌﾘｰｾﾙ second");
  EXPECT_EQ(finder.FindChildByText(desktop, "ﾌﾘｰｾﾙ", CWindowFinder::kMatchContains), upper.get());
}

TEST_F(WindowFinder, ContainsNeverStartsOnASecondByte) {
  // 83 CC D8: a double-byte character whose trail byte is "ﾌ", then "ﾘ".
  auto straddling = MakeWindow("\x83\xcc\xd8");
  EXPECT_EQ(finder.FindChildByText(desktop, "ﾌﾘ", CWindowFinder::kMatchContains), nullptr);
  auto real = MakeWindow("xﾌﾘ");
  EXPECT_EQ(finder.FindChildByText(desktop, "ﾌﾘ", CWindowFinder::kMatchContains), real.get());
}

TEST_F(WindowFinder, EmptyTitlesNeverMatchAndAnEmptyTextFindsTheTopmostTitledWindow) {
  auto titled = MakeWindow("some title");
  auto untitled = MakeWindow("");
  EXPECT_EQ(finder.FindChildByText(desktop, "", CWindowFinder::kMatchContains), titled.get());
  EXPECT_EQ(finder.FindChildByText(desktop, "", CWindowFinder::kMatchEquals), nullptr);
}

TEST_F(WindowFinder, ModesOtherThanEqualsAndContainsFindNothing) {
  auto window = MakeWindow("ゲーム オーバー");
  for (int mode : {1, 3, -1, 100})
    EXPECT_EQ(finder.FindChildByText(desktop, "ゲーム オーバー", mode), nullptr) << mode;
}

TEST_F(WindowFinder, OnlyDirectChildrenAreSearched) {
  auto parent = MakeWindow("parent");
  auto child = MakeWindow("child", parent.get());
  auto grandchild = MakeWindow("grandchild", child.get());
  EXPECT_EQ(finder.FindChildByText(parent.get(), "child", CWindowFinder::kMatchEquals), child.get());
  EXPECT_EQ(finder.FindChildByText(parent.get(), "grandchild", CWindowFinder::kMatchEquals), nullptr);
  EXPECT_EQ(finder.FindChildByText(desktop, "child", CWindowFinder::kMatchEquals), nullptr);
}

TEST_F(WindowFinder, AnInvalidParentFindsNothing) {
  HWND gone = MakeWindow("gone").get();  // destroyed at once
  EXPECT_EQ(finder.FindChildByText(gone, "x", CWindowFinder::kMatchContains), nullptr);
  EXPECT_EQ(finder.FindChildByText(nullptr, "x", CWindowFinder::kMatchContains), nullptr);
}

// A tick searches one snapshot of the desktop; it must answer every search as the live walk does.
TEST_F(WindowFinder, ASnapshotAnswersEachSearchAsTheLiveWalk) {
  auto game = MakeWindow("フリーセル ゲーム #12");
  auto straddling = MakeWindow("\x83\xcc\xd8");
  auto box = MakeWindow("フリーセル");
  auto untitled = MakeWindow("");
  auto upper = MakeWindow("x フリーセル");
  const CWindowSnapshot snapshot = CWindowSnapshot::TakeTopLevel();
  const struct {
    int line;
    const char* text;
    int mode;
    HWND expected;
  } rows[] = {
      {__LINE__, "フリーセル", CWindowFinder::kMatchContains, upper.get()},
      {__LINE__, "フリーセル", CWindowFinder::kMatchEquals, box.get()},
      {__LINE__, "フリーセル ゲーム #", CWindowFinder::kMatchContains, game.get()},
      {__LINE__, "ﾌﾘ", CWindowFinder::kMatchContains, nullptr},
      {__LINE__, "", CWindowFinder::kMatchEquals, nullptr},
      {__LINE__, "フリーセル", 1, nullptr},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(snapshot.Find(row.text, row.mode), row.expected) << "row at line " << row.line;
    EXPECT_EQ(finder.FindChildByText(desktop, row.text, row.mode), row.expected) << "row at line " << row.line;
  }
  // The topmost titled window of the whole desktop, whichever program owns it.
  EXPECT_EQ(snapshot.Find("", CWindowFinder::kMatchContains),
            finder.FindChildByText(desktop, "", CWindowFinder::kMatchContains));
}

TEST_F(WindowFinder, PumpMessagesReturnsZeroOnAnEmptyQueue) {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
  EXPECT_EQ(finder.PumpMessages(), 0);
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
  // The quit was taken off the queue, not posted again.
  EXPECT_EQ(finder.PumpMessages(), 0);
}
