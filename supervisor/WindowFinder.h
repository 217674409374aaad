// CWindowFinder: finds a window by its text among a parent's direct children, and runs the
// supervisor's one nested message loop. All texts are code-page-932 bytes compared as bytes.
#pragma once

#include <windows.h>

#include <string>

#include "WindowTextMatch.h"

class CWindowFinder {
 public:
  enum MatchMode { kMatchEquals = nuvari::kMatchEquals, kMatchContains = nuvari::kMatchContains };

  // The first child of parent, in Z-order, whose non-empty text equals (mode 0) or contains
  // (mode 2) the text; any other mode finds nothing. The desktop as parent searches the
  // top-level windows of all programs.
  HWND FindChildByText(HWND parent, const std::string& text, int mode) const;

  // Dispatches what is waiting in this thread's queue; 1 when it met WM_QUIT (taken off, not
  // dispatched), else 0.
  int PumpMessages() const;
};
