#include "SupervisorPresence.h"

#include <windows.h>

#include "WindowTextMatch.h"
#include "Wnd.h"

bool SupervisorRuns(const std::string& title) {
  return fw::FindChildByText(GetDesktopWindow(), title, nuvari::kMatchEquals,
                             [](HWND window) { return !fw::IsDialogWindow(window); }) != nullptr;
}
