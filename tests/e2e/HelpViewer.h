// Wine's help viewer (winhlp32) as a test sees it from outside: the viewer's window, the text of
// the topic it shows, its buttons and any box it raised. WinHelp starts the viewer, not the test,
// so the viewer is found by its program; the destructor closes every viewer still on the desktop
// (a box the viewer waits on would block it otherwise).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace e2e {

class HelpViewer {
 public:
  HelpViewer() = default;
  ~HelpViewer();
  HelpViewer(const HelpViewer&) = delete;
  HelpViewer& operator=(const HelpViewer&) = delete;

  // Waits for the viewer's main window; nullptr when none came.
  HWND WaitForWindow(DWORD timeoutMs);
  // Waits until the shown topic's text starts with its title; false when it did not.
  bool WaitForTopic(std::string_view title, DWORD timeoutMs);
  std::string TopicText() const;
  // A box of the viewer's, such as its "not found" question; nullptr when there is none.
  HWND Box() const;
  // Presses the button with this label (Contents, the browse buttons, the topic's buttons).
  bool Press(std::string_view label);
  bool IsEnabled(std::string_view label) const;
  // Closes the viewer: every window of it gets WM_CLOSE (boxes "No"); bounded, then ended.
  bool Close();

 private:
  HWND Button(std::string_view label) const;
  HWND m_window = nullptr;
};

}  // namespace e2e
