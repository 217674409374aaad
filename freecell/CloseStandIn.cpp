// Closes the stand-in's main window as the player would (the demo ends this way, so that
// Nuvari's AutoExit closes Nuvari). Exit code 0 when a window was asked to close.
#include <windows.h>

#include "WindowClass.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  HWND main = FindWindowA(freecell::kMainWindowClass, nullptr);
  return main && PostMessageA(main, WM_CLOSE, 0, 0) ? 0 : 1;
}
