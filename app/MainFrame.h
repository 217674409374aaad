// CMainFrame: Nuvari's main window around the control panel, with the toolbar, the status bar and
// the help commands.
#pragma once

#include "PersistentFrame.h"

class CMainFrame : public CPersistentFrame {
 public:
  // Title bar, system menu and minimize box only; title "Nuvari".
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

  static const fw::MessageMap& ClassMessageMap();
  const fw::MessageMap& GetMessageMap() const override { return ClassMessageMap(); }

 protected:
  // The view, then the toolbar and the status bar; -1 when any of them fails.
  int OnCreate(CREATESTRUCTA& cs);
};

inline constexpr char kMainFrameTitle[] = "Nuvari";
