// A top-level window of this process with the given title, for the life of the scope: what the
// programs' window searches find in place of another program's window.
#pragma once

#include <string>

#include <windows.h>

namespace nuvari::test {

class TitledWindow {
 public:
  explicit TitledWindow(const std::string& title, bool visible = false)
      : m_window(CreateWindowExA(0, "STATIC", title.c_str(), visible ? WS_OVERLAPPEDWINDOW | WS_VISIBLE : WS_POPUP, 0,
                                 0, 120, 80, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)) {}
  ~TitledWindow() { DestroyWindow(m_window); }
  TitledWindow(const TitledWindow&) = delete;
  TitledWindow& operator=(const TitledWindow&) = delete;
  HWND Handle() const { return m_window; }

 private:
  HWND m_window;
};

}  // namespace nuvari::test
