// Ends scripts/demo the way the player would: closes FreeCell's main window (either edition), so
// that Nuvari's AutoExit closes Nuvari. Exit code 0 when a window was asked to close.
#include <windows.h>

#include <string>

namespace {

bool IsFreeCellMainWindow(HWND window) {
  std::string title(256, '\0');
  title.resize(static_cast<std::size_t>(GetWindowTextA(window, title.data(), static_cast<int>(title.size()))));
  return GetMenu(window) != nullptr &&
         (title.find("ﾌﾘｰｾﾙ") != std::string::npos || title.find("フリーセル") != std::string::npos);
}

}  // namespace

int main() {
  for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window; window = GetWindow(window, GW_HWNDNEXT)) {
    if (IsFreeCellMainWindow(window)) return PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 1;
  }
  return 1;
}
