// The programs' entry point: the global application object does the rest.
#include <windows.h>

#include "WinApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int cmdShow) { return fw::RunApplication(cmdShow); }
