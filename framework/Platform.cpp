#include "Platform.h"

namespace fw::platform {

Hooks& TestHooks() {
  static Hooks hooks;
  return hooks;
}

void ResetHooks() { TestHooks() = Hooks{}; }

int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
  if (TestHooks().messageBox) return TestHooks().messageBox(owner, text, caption, type);
  return MessageBoxA(owner, text.c_str(), caption.c_str(), type);
}

BOOL WinHelp(HWND owner, const std::string& file, UINT command, ULONG_PTR data) {
  if (TestHooks().winHelp) return TestHooks().winHelp(owner, file, command, data);
  return WinHelpA(owner, file.c_str(), command, data);
}

UINT WinExec(const std::string& commandLine, UINT show) {
  if (TestHooks().winExec) return TestHooks().winExec(commandLine, show);
  return ::WinExec(commandLine.c_str(), show);
}

BOOL GetVersionEx(OSVERSIONINFOA& info) {
  if (TestHooks().getVersionEx) return TestHooks().getVersionEx(info);
#if defined(_MSC_VER)
#pragma warning(suppress : 4996)  // deprecated, but the family test is exactly what it answers
#endif
  return ::GetVersionExA(&info);
}

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT periodMs) {
  if (TestHooks().setTimer) return TestHooks().setTimer(window, id, periodMs);
  return ::SetTimer(window, id, periodMs, nullptr);
}

}  // namespace fw::platform
