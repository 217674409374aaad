// CNuvariKitApp: NuvariKit's program object. The program is its main dialog: it ends when the
// dialog closes, without a message loop of its own.
#pragma once

#include "WinApp.h"

class CNuvariKitApp : public fw::CWinApp {
 public:
  BOOL InitInstance() override;
};

// The maker's key under HKEY_CURRENT_USER\Software, shared with the supervisor.
inline constexpr char kMakerRegistryKey[] = "Talvenko";
