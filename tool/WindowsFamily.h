// Which Windows family the tool runs on, as GetVersionExA reports it: it decides where FreeCell
// keeps its statistics.
#pragma once

enum class WindowsFamily {
  Unknown,      // GetVersionExA failed: statistics are left alone, without a message
  Windows95,    // VER_PLATFORM_WIN32_WINDOWS: FreeCell's registry key
  WindowsNT,    // VER_PLATFORM_WIN32_NT: entpack.ini in the Windows folder
  Unsupported,  // any other platform: the player is told, statistics are left alone
};

// Through fw::platform::GetVersionEx, so tests can run both families.
WindowsFamily QueryWindowsFamily();
