// Finding and driving another program's windows as the supervisor does: by title or text, with posted
// button clicks; every wait has a time limit and polls.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include <windows.h>

namespace nuvari::test {

enum class Match { Equals, Contains };

// Polls check until it holds or the time limit has passed; true when it held. The one wait of
// the tests: every wait for another program, thread or timer has a limit.
template <typename Check>
bool PollUntil(DWORD timeoutMs, Check check, DWORD pollMs = 20) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (check()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(pollMs);
  }
}

// A dialog (class "#32770", which message boxes are too).
bool IsDialog(HWND window);
// The process that made the window.
DWORD ProcessOf(HWND window);
// A message box keeps its text in the static with id 0xFFFF.
std::string MessageBoxText(HWND box);

// Text of a window of any process (WM_GETTEXT through GetWindowTextA), as code-page-932 bytes.
std::string WindowText(HWND window);

// A visible top-level window whose title matches, topmost first; processId 0 takes any process.
HWND FindTopLevel(std::string_view text, Match match, DWORD processId = 0);
// The same, polling until the time limit; nullptr when none came.
HWND WaitForTopLevel(std::string_view text, Match match, DWORD timeoutMs, DWORD processId = 0);
// Only dialogs (class "#32770", which message boxes are too): a dialog titled like a main window.
HWND FindDialog(std::string_view text, Match match, DWORD processId = 0);
HWND WaitForDialog(std::string_view text, Match match, DWORD timeoutMs, DWORD processId = 0);
// A visible top-level window of the process (0: any) that passes the test; the same, polling.
HWND FindTopLevelWhere(DWORD processId, const std::function<bool(HWND)>& test);
HWND WaitForTopLevelWhere(DWORD processId, DWORD timeoutMs, const std::function<bool(HWND)>& test);
// A visible dialog of the process that passes the test, polling until the time limit.
HWND WaitForDialogWhere(DWORD processId, DWORD timeoutMs, const std::function<bool(HWND)>& test);
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
