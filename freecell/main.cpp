// Entry point of the stand-in FreeCell: switches from the command line, the main window, and a message
// loop that routes the game keys (F2, F3, F4, F10) through the accelerator table, also when they are
// posted to the main window by another program.
#include <windows.h>

#include "MainWindow.h"
#include "Options.h"
#include "resource.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
  const freecell::Options options = freecell::Options::Parse(commandLine != nullptr ? commandLine : "");
  freecell::MainWindow window(instance, options);
  if (!window.Create(showCommand)) return 1;
  HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (TranslateAcceleratorA(window.Handle(), accelerators, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
