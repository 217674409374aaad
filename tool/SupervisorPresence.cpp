#include "SupervisorPresence.h"

#include <windows.h>

#include "Wnd.h"

namespace {

bool IsDialogBox(HWND window) {
  char className[16] = {};  // "#32770" and a little more is all that is compared
  GetClassNameA(window, className, sizeof className);
  return lstrcmpA(className, "#32770") == 0;
}

}  // namespace

bool SupervisorRuns(const std::string& title) {
  for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window; window = GetWindow(window, GW_HWNDNEXT)) {
    if (!IsDialogBox(window) && fw::GetWindowTextString(window) == title) return true;
  }
  return false;
}
