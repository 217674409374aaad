// CWindowSnapshot: the desktop's top-level windows with their titles, read once, in Z order, so a
// polling tick looks at the desktop once however many searches it makes. It is taken afresh for
// every tick and dropped with it. A window may go away after the snapshot was taken: every call on
// its handle then simply fails.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class CWindowSnapshot {
 public:
  // The top-level windows of all programs as they stand now.
  static CWindowSnapshot TakeTopLevel();

  // The first window in Z order whose title matches, by the rules of FindChildByText; null when none.
  HWND Find(const std::string& text, int mode) const;
  // Likewise, among the windows for which accept(window) holds.
  template <typename Accept>
  HWND Find(const std::string& text, int mode, Accept accept) const {
    for (const Window& window : m_windows)
      if (Matches(window, text, mode) && accept(window.handle)) return window.handle;
    return nullptr;
  }

  std::size_t Size() const { return m_windows.size(); }

 private:
  struct Window {
    HWND handle;
    std::string title;
  };
  static bool Matches(const Window& window, const std::string& text, int mode);

  std::vector<Window> m_windows;
};
