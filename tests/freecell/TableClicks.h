// Test helper: the player's clicks on the stand-in's table, posted as the mouse sends them, and the
// moves the stand-in logged for them.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include <windows.h>

#include "Move.h"
#include "TableLayout.h"

namespace freecell::test {

// A double-click comes as the system sends it: a click, then the second press as a double-click.
inline void PostTableClick(HWND window, Place place, bool doubleClick = false) {
  const Point point = TableLayout::ClickPoint(place);
  const LPARAM at = MAKELPARAM(point.x, point.y);
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(window, WM_LBUTTONUP, 0, at);
  if (!doubleClick) return;
  PostMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  PostMessageA(window, WM_LBUTTONUP, 0, at);
}

// The two clicks of a move: the card picked up, then where it goes.
inline void PostMove(HWND window, const Move& move) {
  PostTableClick(window, move.from);
  PostTableClick(window, move.to);
}

inline int LoggedMoves(const std::vector<std::string>& lines) {
  return static_cast<int>(std::count_if(lines.begin(), lines.end(),
                                        [](const std::string& line) { return line.rfind("move ", 0) == 0; }));
}

}  // namespace freecell::test
