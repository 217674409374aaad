#include "WindowFinder.h"

#include "Wnd.h"

HWND CWindowFinder::FindChildByText(HWND parent, const std::string& text, int mode) const {
  if (!IsWindow(parent)) return nullptr;
  for (HWND window = GetWindow(parent, GW_CHILD); window; window = GetWindow(window, GW_HWNDNEXT)) {
    if (nuvari::WindowTextMatches(fw::GetWindowTextString(window), text, mode)) return window;
    // The list changes while it is walked: a window that went away ends the search.
    if (!IsWindow(window)) return nullptr;
  }
  return nullptr;
}

int CWindowFinder::PumpMessages() const {
  MSG msg{};
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) return 1;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
