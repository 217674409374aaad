#include "MainFrame.h"

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& cs) {
  cs.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  m_strTitle = kMainFrameTitle;
  return fw::CFrameWnd::PreCreateWindow(cs);
}
