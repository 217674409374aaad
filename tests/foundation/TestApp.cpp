#include "TestApp.h"

TestApp::TestApp() {
  InitApplication(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
  SetRegistryKey(kMakerRegistryKey);
}
