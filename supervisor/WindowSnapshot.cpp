#include "WindowSnapshot.h"

#include "WindowTextMatch.h"
#include "Wnd.h"

CWindowSnapshot CWindowSnapshot::TakeTopLevel() {
  // The same walk as a live search, so both see the same windows in the same order.
  CWindowSnapshot snapshot;
  fw::WalkChildren(GetDesktopWindow(), [&snapshot](HWND window) {
    snapshot.m_windows.push_back({window, fw::GetWindowTextString(window)});
    return false;
  });
  return snapshot;
}

HWND CWindowSnapshot::Find(const std::string& text, int mode) const {
  return Find(text, mode, [](HWND) { return true; });
}

bool CWindowSnapshot::Matches(const Window& window, const std::string& text, int mode) {
  return nuvari::WindowTextMatches(window.title, text, mode);
}
