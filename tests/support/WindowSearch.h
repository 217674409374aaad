// Finding and driving another program's windows as the supervisor does: by title or text, with posted
// button clicks; every wait has a time limit and polls.
#pragma once

#include <string>
#include <string_view>

#include <windows.h>

namespace nuvari::test {

enum class Match { Equals, Contains };

// Polls check until it holds or the time limit has passed; true when it held.
template <typename Check>
bool PollUntil(DWORD timeoutMs, Check check) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (check()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(20);
  }
}

// A dialog (class "#32770", which message boxes are too).
bool IsDialog(HWND window);

// Text of a window of any process (WM_GETTEXT through GetWindowTextA), as code-page-932 bytes.
std::string WindowText(HWND window);

// A visible top-level window whose title matches, topmost first; processId 0 takes any process.
HWND FindTopLevel(std::string_view text, Match match, DWORD processId = 0);
// The same, polling until the time limit; nullptr when none came.
HWND WaitForTopLevel(std::string_view text, Match match, DWORD timeoutMs, DWORD processId = 0);
// Only dialogs (class "#32770", which message boxes are too): a dialog titled like a main window.
HWND FindDialog(std::string_view text, Match match, DWORD processId = 0);
HWND WaitForDialog(std::string_view text, Match match, DWORD timeoutMs, DWORD processId = 0);
// True when the window is gone (destroyed or hidden) within the time limit.
bool WaitUntilGone(HWND window, DWORD timeoutMs);
// True when the window is destroyed within the time limit. A modal box is hidden before its loop
// ends, and a key posted in between is dispatched by that loop, past the program's accelerators.
bool WaitUntilDestroyed(HWND window, DWORD timeoutMs);

// A direct child of parent whose text matches; nullptr when there is none.
HWND FindChildByText(HWND parent, std::string_view text, Match match);

// Posts WM_COMMAND(id of button, BN_CLICKED, button) to the dialog, as a click of that button.
bool PostClick(HWND dialog, HWND button);
// Finds the dialog's child with that text and clicks it; false when there is no such child.
bool ClickButton(HWND dialog, std::string_view text, Match match = Match::Equals);

}  // namespace nuvari::test
