#include "WindowFinder.h"

#include "Wnd.h"

HWND CWindowFinder::FindChildByText(HWND parent, const std::string& text, int mode) const {
  return fw::FindChildByText(parent, text, mode);
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
