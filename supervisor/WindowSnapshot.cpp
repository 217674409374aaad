#include "WindowSnapshot.h"

#include "WindowTextMatch.h"
#include "Wnd.h"

CWindowSnapshot CWindowSnapshot::TakeTopLevel() {
  // The list in one request: under Wine a little faster than walking it window by window; the
  // title reads, one round trip to the window server each, are most of the cost either way.
  CWindowSnapshot snapshot;
  EnumWindows(&CWindowSnapshot::Add, reinterpret_cast<LPARAM>(&snapshot));
  return snapshot;
}

BOOL CALLBACK CWindowSnapshot::Add(HWND window, LPARAM snapshot) {
  reinterpret_cast<CWindowSnapshot*>(snapshot)->m_windows.push_back({window, fw::GetWindowTextString(window)});
  return TRUE;
}

HWND CWindowSnapshot::Find(const std::string& text, int mode) const {
  return Find(text, mode, [](HWND) { return true; });
}

bool CWindowSnapshot::Matches(const Window& window, const std::string& text, int mode) {
  return nuvari::WindowTextMatches(window.title, text, mode);
}
