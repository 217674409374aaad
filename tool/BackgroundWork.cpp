#include "BackgroundWork.h"

#include <windows.h>

#include <exception>
#include <optional>
#include <thread>

#include "Handles.h"

namespace {

// Dispatches what is queued; the quit request, if one came, is taken out and returned.
std::optional<WPARAM> DispatchQueued() {
  std::optional<WPARAM> quit;
  MSG msg{};
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      quit = msg.wParam;
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return quit;
}

}  // namespace

void RunWhileDispatching(const std::function<void()>& work) {
  fw::UniqueHandle done(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  if (!done) {
    work();
    return;
  }
  std::exception_ptr failure;
  std::thread worker([&] {
    try {
      work();
    } catch (...) {
      failure = std::current_exception();
    }
    SetEvent(done.get());
  });
  std::optional<WPARAM> quit;
  HANDLE event = done.get();
  for (;;) {
    // Messages already queued count too, not only those that arrive from now on.
    const DWORD woken = MsgWaitForMultipleObjectsEx(1, &event, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woken != WAIT_OBJECT_0 + 1) break;  // finished, or the wait itself failed: join blocks
    if (const auto asked = DispatchQueued()) quit = asked;
  }
  worker.join();
  if (quit) PostQuitMessage(static_cast<int>(*quit));
  if (failure) std::rethrow_exception(failure);
}
