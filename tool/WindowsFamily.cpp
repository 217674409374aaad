#include "WindowsFamily.h"

#include <windows.h>

#include "Platform.h"

WindowsFamily QueryWindowsFamily() {
  OSVERSIONINFOA info{};
  // The size of the plain structure: the old systems know no other.
  info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
  if (fw::platform::GetVersionEx(info) != TRUE) return WindowsFamily::Unknown;
  switch (info.dwPlatformId) {
    case VER_PLATFORM_WIN32_WINDOWS: return WindowsFamily::Windows95;
    case VER_PLATFORM_WIN32_NT: return WindowsFamily::WindowsNT;
    default: return WindowsFamily::Unsupported;
  }
}
