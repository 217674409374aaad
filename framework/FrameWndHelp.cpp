// CFrameWnd, part three: the help commands and context help, where the next click on a menu item,
// toolbar button or window opens that item's topic.
#include "FrameWnd.h"

#include "FrameworkIds.h"
#include "ToolBar.h"
#include "WinApp.h"

namespace fw {
namespace {

HCURSOR HelpCursor() { return LoadCursorA(nullptr, MAKEINTRESOURCEA(32651)); }  // IDC_HELP

}  // namespace

void CFrameWnd::OnHelpIndex() {
  if (CWinApp* app = GetApp()) app->WinHelp(0, HELP_INDEX);
}

void CFrameWnd::OnHelpUsing() {
  if (CWinApp* app = GetApp()) app->WinHelp(0, HELP_HELPONHELP);
}

void CFrameWnd::OnHelp() {
  if (CWinApp* app = GetApp()) app->WinHelp(HID_BASE_RESOURCE + m_nIDResource, HELP_CONTEXT);
}

void CFrameWnd::OnContextHelp() {
  if (m_bHelpMode) return;
  m_bHelpMode = true;
  ShowIdleMessage();
  // Every click comes to the frame until one has chosen a topic.
  SetCapture(m_hWnd);
  SetCursor(HelpCursor());
}

void CFrameWnd::ExitHelpMode() {
  if (!m_bHelpMode) return;
  m_bHelpMode = false;
  if (GetCapture() == m_hWnd) ReleaseCapture();
  ShowIdleMessage();
}

DWORD CFrameWnd::HelpContextAt(POINT screen) const {
  RECT frame{};
  GetWindowRect(m_hWnd, &frame);
  if (!PtInRect(&frame, screen)) return 0;
  POINT client = screen;
  ScreenToClient(m_hWnd, &client);
  HWND child = ChildWindowFromPointEx(m_hWnd, client, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
  if (child && child != m_hWnd) {
    const UINT id = static_cast<UINT>(GetDlgCtrlID(child));
    CToolBar* toolbar = ToolBarObject();
    if (toolbar && toolbar->m_hWnd == child) {
      POINT barPoint = screen;
      ScreenToClient(child, &barPoint);
      if (const UINT command = toolbar->CommandAt(barPoint)) return HID_BASE_COMMAND + command;
    }
    if (id == IDW_TOOLBAR || id == IDW_STATUS_BAR) return HID_BASE_CONTROL + id;
  }
  // The view, the caption and the borders all belong to the frame's topic.
  return HID_BASE_RESOURCE + m_nIDResource;
}

bool CFrameWnd::OnLButtonDown(UINT, POINT client) {
  if (!m_bHelpMode) return false;
  POINT screen = client;
  ClientToScreen(m_hWnd, &screen);
  const LRESULT hit = SendMessageA(m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
  if (hit == HTMENU) {
    // The menu runs as usual; the command it sends opens that command's topic.
    m_bHelpMenu = true;
    ReleaseCapture();
    DefaultProc(WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(screen.x, screen.y));
    m_bHelpMenu = false;
    if (m_bHelpMode) SetCapture(m_hWnd);
    return true;
  }
  const DWORD context = HelpContextAt(screen);
  ExitHelpMode();
  if (context != 0)
    if (CWinApp* app = GetApp()) app->WinHelp(context, HELP_CONTEXT);
  return true;
}

bool CFrameWnd::OnRButtonDown(UINT, POINT) {
  if (!m_bHelpMode) return false;
  ExitHelpMode();
  return true;
}

bool CFrameWnd::OnMouseMove(UINT, POINT) {
  if (!m_bHelpMode) return false;
  SetCursor(HelpCursor());
  return true;
}

void CFrameWnd::OnCaptureChanged(HWND newCapture) {
  // Another window took the mouse (a program switch, a box): context help ends unanswered.
  if (m_bHelpMode && !m_bHelpMenu && newCapture != m_hWnd) ExitHelpMode();
}

void CFrameWnd::OnCancelMode() { ExitHelpMode(); }

}  // namespace fw
