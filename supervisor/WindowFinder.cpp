#include "WindowFinder.h"

#include "Cp932.h"
#include "Wnd.h"

namespace {

bool TextMatches(const std::string& windowText, const std::string& text, int mode) {
  if (windowText.empty()) return false;
  switch (mode) {
    case CWindowFinder::kMatchEquals: return windowText == text;
    case CWindowFinder::kMatchContains: return nuvari::ContainsCp932(windowText, text);
    default: return false;
  }
}

}  // namespace

HWND CWindowFinder::FindChildByText(HWND parent, const std::string& text, int mode) const {
  if (!IsWindow(parent)) return nullptr;
  // The list changes while it is walked: a window that went away ends the search.
  for (HWND window = GetWindow(parent, GW_CHILD); window && IsWindow(window);
       window = GetWindow(window, GW_HWNDNEXT)) {
    if (TextMatches(fw::GetWindowTextString(window), text, mode)) return window;
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
