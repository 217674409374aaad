// CNuvariApp: Nuvari's program object. Refuses a second copy, fixes the registry root and
// creates the settings record, the main frame and the control panel.
#pragma once

#include "Handles.h"
#include "WinApp.h"
#include "WindowFinder.h"

class CNuvariApp : public fw::CWinApp, public CWindowFinder {
 public:
  CNuvariApp();

  BOOL InitInstance() override;

  // Another copy runs: a top-level window titled exactly "Nuvari", or (two copies started at
  // the same instant) the copy that took the program's mutex first.
  bool AnotherCopyRuns();

  static const fw::MessageMap& ClassMessageMap();
  const fw::MessageMap& GetMessageMap() const override { return ClassMessageMap(); }

 protected:
  void OnAppAbout();

 private:
  fw::UniqueHandle m_instanceMutex;
};

// The registry maker key and the already-running message.
inline constexpr char kMakerRegistryKey[] = "Talvenko";
inline constexpr char kTextAlreadyRunning[] = "Nuvari は既に起動しています !!";
inline constexpr char kInstanceMutexName[] = "Talvenko.Nuvari.SingleInstance";
