// The few platform calls a test must be able to control. The products always take the real call;
// a test in the same process may install a hook (an empty hook means the real call).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace fw::platform {

struct Hooks {
  // Modal message box; returns the button pressed.
  std::function<int(HWND owner, const std::string& text, const std::string& caption, UINT type)> messageBox;
  // WinHelpA: a missing help file starts a viewer that blocks on its own question box.
  std::function<BOOL(HWND owner, const std::string& file, UINT command, ULONG_PTR data)> winHelp;
  // WinExec: result as the platform gives it (32 or more means started).
  std::function<UINT(const std::string& commandLine, UINT show)> winExec;
  // GetVersionExA: which Windows family the program believes it runs on.
  std::function<BOOL(OSVERSIONINFOA& info)> getVersionEx;
  // SetTimer: 0 when the platform has no timer left.
  std::function<UINT_PTR(HWND window, UINT_PTR id, UINT periodMs)> setTimer;
};

// The hooks in force; tests assign members and reset them with ResetHooks().
Hooks& TestHooks();
void ResetHooks();

int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);
BOOL WinHelp(HWND owner, const std::string& file, UINT command, ULONG_PTR data);
UINT WinExec(const std::string& commandLine, UINT show);
BOOL GetVersionEx(OSVERSIONINFOA& info);
// A timer without a procedure: its ticks arrive as WM_TIMER.
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT periodMs);

}  // namespace fw::platform
