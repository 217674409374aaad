// The stand-in main window's class: how a script finds the stand-in (freecell_close).
#pragma once

namespace freecell {
inline constexpr char kMainWindowClass[] = "NuvariFreeCellStandIn";
}  // namespace freecell
