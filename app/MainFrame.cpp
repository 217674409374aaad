#include "MainFrame.h"

#include "resource.h"

namespace {

// The message pane, then the key indicators.
const std::vector<UINT> kIndicators{0, ID_INDICATOR_KANA, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

}  // namespace

const fw::MessageMap& CMainFrame::ClassMessageMap() {
  static const fw::MessageMap map(&CPersistentFrame::ClassMessageMap(), {
      fw::MapCreate(&CMainFrame::OnCreate),
      fw::MapCommand(ID_HELP_INDEX, &CMainFrame::OnHelpIndex),
      fw::MapCommand(ID_HELP_USING, &CMainFrame::OnHelpUsing),
      fw::MapCommand(ID_HELP, &CMainFrame::OnHelp),
      fw::MapCommand(ID_CONTEXT_HELP, &CMainFrame::OnContextHelp),
      fw::MapCommand(ID_DEFAULT_HELP, &CMainFrame::OnHelpIndex),
  });
  return map;
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& cs) {
  cs.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  m_strTitle = kMainFrameTitle;
  return CPersistentFrame::PreCreateWindow(cs);
}

int CMainFrame::OnCreate(CREATESTRUCTA& cs) {
  if (fw::CFrameWnd::OnCreate(cs) == -1) return -1;
  if (!m_wndToolBar.Create(*this, IDW_TOOLBAR) || !m_wndToolBar.LoadToolBar(IDR_MAINFRAME)) return -1;
  if (!m_wndStatusBar.Create(*this, IDW_STATUS_BAR) || !m_wndStatusBar.SetIndicators(kIndicators)) return -1;
  m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() | fw::CToolBar::kBarTooltips | fw::CToolBar::kBarFlyBy);
  ShowIdleMessage();
  return 0;
}
