// Work on a worker thread while the calling thread goes on dispatching its messages.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <stdexcept>

#include "BackgroundWork.h"
#include "WindowSearch.h"

namespace {

TEST(RunWhileDispatching, MessagesAreDispatchedUntilTheWorkEndsAndAQuitRequestIsKept) {
  // The work waits for a posted message that only this thread's dispatching can deliver.
  static std::atomic<bool> delivered{false};
  delivered = false;
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  const auto previous = SetWindowLongPtrA(
      window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        if (m == WM_APP) delivered = true;
        return DefWindowProcA(w, m, wp, lp);
      }));
  PostMessageA(window, WM_APP, 0, 0);
  PostQuitMessage(7);
  bool sawDelivery = false;
  RunWhileDispatching([&] {
    sawDelivery = nuvari::test::PollUntil(10000, [] { return delivered.load(); }, 5);
  });
  EXPECT_TRUE(sawDelivery);
  MSG msg{};
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit request waits for the outer loop";
  EXPECT_EQ(msg.wParam, 7u);
  SetWindowLongPtrA(window, GWLP_WNDPROC, previous);
  DestroyWindow(window);
}

TEST(RunWhileDispatching, AFailureOfTheWorkIsThrownToTheCaller) {
  EXPECT_THROW(RunWhileDispatching([] { throw std::runtime_error("work failed"); }), std::runtime_error);
}

}  // namespace
