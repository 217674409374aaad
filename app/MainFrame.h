// CMainFrame: Nuvari's main window around the control panel.
#pragma once

#include "FrameWnd.h"

class CMainFrame : public fw::CFrameWnd {
 public:
  // Title bar, system menu and minimize box only; title "Nuvari".
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
};

inline constexpr char kMainFrameTitle[] = "Nuvari";
