#include "FrameWnd.h"

#include <commctrl.h>

#include "Document.h"
#include "FrameworkIds.h"
#include "Handles.h"
#include "StatusBar.h"
#include "ToolBar.h"
#include "View.h"
#include "WinApp.h"

namespace fw {
namespace {

const char kFrameClass[] = "NuvariFrameWindow";

// Registered once per process: every frame after the first finds the class there.
bool RegisterFrameClass(HINSTANCE instance, UINT iconId) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &CWnd::WindowProcThunk;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(iconId));
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kFrameClass;
  return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// A command string holds the status-bar prompt, a line break, then the tooltip.
std::string CommandStringPart(UINT commandId, bool tooltip) {
  const std::string text = LoadResourceString(commandId);
  const std::size_t newline = text.find('\n');
  if (tooltip) return newline == std::string::npos ? std::string() : text.substr(newline + 1);
  return text.substr(0, newline);
}

HCURSOR HelpCursor() { return LoadCursorA(nullptr, MAKEINTRESOURCEA(32651)); }  // IDC_HELP

void Help(ULONG_PTR data, UINT command) {
  if (CWinApp* app = GetApp()) app->WinHelp(data, command);
}

}  // namespace

const MessageMap& CFrameWnd::ClassMessageMap() {
  static const MessageMap map(&CWnd::ClassMessageMap(), {
      MapCreate(&CFrameWnd::OnCreate),
      MapSize(&CFrameWnd::OnSize),
      MapSetFocus(&CFrameWnd::OnSetFocus),
      MapNotice(WM_NCDESTROY, &CFrameWnd::OnNcDestroy),
      MapCommand(ID_APP_EXIT, &CFrameWnd::OnAppExit),
      MapCommand(ID_VIEW_TOOLBAR, &CFrameWnd::OnViewToolBar),
      MapCommand(ID_VIEW_STATUS_BAR, &CFrameWnd::OnViewStatusBar),
      MapNotify(&CFrameWnd::OnNotify),
      MapMenuSelect(&CFrameWnd::OnMenuSelect),
      MapInitMenuPopup(&CFrameWnd::OnInitMenuPopup),
      MapActivate(&CFrameWnd::OnActivate),
      MapMouse(WM_LBUTTONDOWN, &CFrameWnd::OnLButtonDown),
      MapMouse(WM_RBUTTONDOWN, &CFrameWnd::OnRButtonDown),
      MapMouse(WM_MOUSEMOVE, &CFrameWnd::OnMouseMove),
      MapCaptureChanged(&CFrameWnd::OnCaptureChanged),
      MapNotice(WM_CANCELMODE, &CFrameWnd::OnCancelMode),
  });
  return map;
}

CFrameWnd::~CFrameWnd() = default;

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD style, CCreateContext* context) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  m_nIDResource = resourceId;
  if (!RegisterFrameClass(instance, resourceId)) return FALSE;
  CREATESTRUCTA cs{};
  cs.style = style;
  cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
  // Owned here until a window has taken it.
  UniqueMenu menu(LoadMenuA(instance, MAKEINTRESOURCEA(resourceId)));
  cs.hMenu = menu.get();
  cs.hInstance = instance;
  cs.lpszClass = kFrameClass;
  if (!PreCreateWindow(cs)) return FALSE;
  m_hAccelTable = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(resourceId));
  m_pContext = context;
  HWND window = CreateWindowExA(cs.dwExStyle, cs.lpszClass, m_strTitle.c_str(), cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                nullptr, cs.hMenu, instance, static_cast<CWnd*>(this));
  m_pContext = nullptr;
  if (window) menu.release();
  return window != nullptr;
}

int CFrameWnd::OnCreate(CREATESTRUCTA&) {
  if (!m_pContext || !m_pContext->createView) return 0;
  m_pView = m_pContext->createView();
  if (!m_pView) return -1;
  m_pView->SetDocument(m_pContext->document);
  if (!m_pView->Create(*this, IDW_PANE_FIRST)) {
    m_pView.reset();
    return -1;
  }
  return 0;
}

HWND CFrameWnd::FindDescendant(UINT childId) const {
  if (HWND direct = ::GetDlgItem(m_hWnd, static_cast<int>(childId))) return direct;
  for (HWND child = GetWindow(m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (HWND found = ::GetDlgItem(child, static_cast<int>(childId))) return found;
  return nullptr;
}

void CFrameWnd::ShowControlBar(UINT childId, bool show) {
  HWND bar = FindDescendant(childId);
  if (!bar) return;
  ShowWindow(bar, show ? SW_SHOW : SW_HIDE);
  RecalcLayout();
}

void CFrameWnd::RecalcLayout() {
  if (!m_hWnd) return;
  RECT client{};
  GetClientRect(m_hWnd, &client);
  // Bars size and place themselves on WM_SIZE; the view takes the space between them.
  for (UINT id : {IDW_TOOLBAR, IDW_STATUS_BAR}) {
    HWND bar = ::GetDlgItem(m_hWnd, static_cast<int>(id));
    if (!IsBarShown(bar)) continue;
    SendMessageA(bar, WM_SIZE, 0, 0);
    RECT barRect{};
    GetWindowRect(bar, &barRect);
    const LONG height = barRect.bottom - barRect.top;
    if (id == IDW_TOOLBAR)
      client.top += height;
    else
      client.bottom -= height;
  }
  // The message pane takes what the indicators leave of the bar's new width.
  if (CStatusBar* status = StatusBarObject()) status->LayoutPanes();
  if (m_pView && m_pView->m_hWnd)
    SetWindowPos(m_pView->m_hWnd, nullptr, client.left, client.top, client.right - client.left,
                 client.bottom > client.top ? client.bottom - client.top : 0, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CFrameWnd::ActivateFrame(int cmdShow) {
  if (cmdShow == -1) cmdShow = IsWindowVisible(m_hWnd) ? SW_SHOW : SW_SHOWNORMAL;
  ShowWindow(m_hWnd, cmdShow);
  const bool activates = cmdShow != SW_SHOWMINNOACTIVE && cmdShow != SW_SHOWNOACTIVATE && cmdShow != SW_SHOWNA &&
                         cmdShow != SW_HIDE && cmdShow != SW_MINIMIZE;
  if (activates) {
    BringWindowToTop(m_hWnd);
    SetForegroundWindow(m_hWnd);
  }
  UpdateWindow(m_hWnd);
}

void CFrameWnd::InitialUpdateFrame() {
  if (m_pView) m_pView->OnInitialUpdate();
  int cmdShow = -1;
  CWinApp* app = GetApp();
  if (app && app->m_pMainWnd == this) {
    cmdShow = app->m_nCmdShow;
    app->m_nCmdShow = -1;  // the program's show command serves the first showing only
  }
  ActivateFrame(cmdShow);
}

BOOL CFrameWnd::PreTranslateMessage(MSG& msg) {
  if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
    // The key state has already moved on when the message is taken from the queue.
    UpdateKeyIndicators();
    if (m_bHelpMode && msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
      ExitHelpMode();
      return TRUE;
    }
    if (m_hAccelTable && TranslateAcceleratorA(m_hWnd, m_hAccelTable, &msg)) return TRUE;
  }
  return m_pView && m_pView->m_hWnd && m_pView->PreTranslateMessage(msg);
}

bool CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  const UINT code = HIWORD(wParam);
  HWND control = reinterpret_cast<HWND>(lParam);
  if (m_bHelpMode && !control) {
    // A menu item or accelerator chosen in context help opens its topic instead of running.
    ExitHelpMode();
    Help(HID_BASE_COMMAND + id, HELP_CONTEXT);
    return true;
  }
  if (m_pView && m_pView->OnCmdMsg(id, code, control)) return true;
  if (OnCmdMsg(id, code, control)) return true;
  CWinApp* app = GetApp();
  return app && app->OnCmdMsg(id, code, control);
}

void CFrameWnd::OnSize(UINT type, int, int) {
  if (type != SIZE_MINIMIZED) RecalcLayout();
}

void CFrameWnd::OnSetFocus(HWND) {
  if (m_pView && m_pView->m_hWnd) SetFocus(m_pView->m_hWnd);
}

void CFrameWnd::OnNcDestroy() {
  // The view's window is gone by now; its object (whose destruction may still use the
  // document) goes before the frame reports itself gone.
  m_pView.reset();
}

void CFrameWnd::PostNcDestroy() {
  CWinApp* app = GetApp();
  if (app && app->m_pMainWnd == this) app->OnMainWindowDestroyed();
}

void CFrameWnd::OnAppExit() { SendMessageA(m_hWnd, WM_CLOSE, 0, 0); }

// --- Control bars, the prompts of menu items and toolbar buttons, the toolbar's tooltips ---

bool CFrameWnd::IsBarShown(HWND bar) { return bar && (GetWindowLongA(bar, GWL_STYLE) & WS_VISIBLE) != 0; }

CToolBar* CFrameWnd::ToolBarObject() const {
  return dynamic_cast<CToolBar*>(CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, IDW_TOOLBAR)));
}

CStatusBar* CFrameWnd::StatusBarObject() const {
  return dynamic_cast<CStatusBar*>(CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, IDW_STATUS_BAR)));
}

void CFrameWnd::SetMessageText(const std::string& text) {
  if (HWND bar = ::GetDlgItem(m_hWnd, IDW_STATUS_BAR))
    SendMessageA(bar, SB_SETTEXTA, 0 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(text.c_str()));
}

void CFrameWnd::ShowPrompt(UINT commandId) {
  const std::string prompt = CommandStringPart(commandId, false);
  if (prompt.empty())
    ShowIdleMessage();
  else
    SetMessageText(prompt);
}

void CFrameWnd::ShowIdleMessage() {
  SetMessageText(LoadResourceString(m_bHelpMode ? IDS_HELP_MODE_MESSAGE : IDS_IDLE_MESSAGE));
}

void CFrameWnd::UpdateKeyIndicators() {
  if (CStatusBar* status = StatusBarObject()) status->UpdateKeyIndicators();
}

void CFrameWnd::ToggleControlBar(UINT childId) {
  if (HWND bar = ::GetDlgItem(m_hWnd, static_cast<int>(childId))) ShowControlBar(childId, !IsBarShown(bar));
}

void CFrameWnd::OnViewToolBar() { ToggleControlBar(IDW_TOOLBAR); }

void CFrameWnd::OnViewStatusBar() { ToggleControlBar(IDW_STATUS_BAR); }

void CFrameWnd::OnInitMenuPopup(HMENU popup, UINT, bool) {
  for (UINT id : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR}) {
    if (GetMenuState(popup, id, MF_BYCOMMAND) == static_cast<UINT>(-1)) continue;
    HWND bar = ::GetDlgItem(m_hWnd, static_cast<int>(id));
    CheckMenuItem(popup, id, MF_BYCOMMAND | (IsBarShown(bar) ? MF_CHECKED : MF_UNCHECKED));
    EnableMenuItem(popup, id, MF_BYCOMMAND | (bar ? MF_ENABLED : MF_GRAYED));
  }
}

void CFrameWnd::OnMenuSelect(UINT item, UINT flags, HMENU menu) {
  const bool closed = flags == 0xFFFF && !menu;
  if (closed || (flags & (MF_POPUP | MF_SEPARATOR | MF_SYSMENU)) != 0)
    ShowIdleMessage();
  else
    ShowPrompt(item);
}

MessageResult CFrameWnd::OnNotify(NMHDR& header) {
  CToolBar* toolbar = ToolBarObject();
  if (!toolbar) return std::nullopt;
  HWND toolbarWindow = toolbar->m_hWnd;
  const bool fromToolbar = header.hwndFrom == toolbarWindow ||
                           header.hwndFrom == reinterpret_cast<HWND>(SendMessageA(toolbarWindow, TB_GETTOOLTIPS, 0, 0));
  if (!fromToolbar) return std::nullopt;
  const bool tooltips = (toolbar->GetBarStyle() & CToolBar::kBarTooltips) != 0;
  switch (header.code) {
    case TBN_GETINFOTIPA: {
      auto& tip = reinterpret_cast<NMTBGETINFOTIPA&>(header);
      if (tooltips && tip.pszText && tip.cchTextMax > 0)
        lstrcpynA(tip.pszText, CommandStringPart(static_cast<UINT>(tip.iItem), true).c_str(), tip.cchTextMax);
      return 0;
    }
    case TTN_GETDISPINFOA: {
      auto& info = reinterpret_cast<NMTTDISPINFOA&>(header);
      m_strTooltip = tooltips ? CommandStringPart(static_cast<UINT>(header.idFrom), true) : std::string();
      info.hinst = nullptr;
      info.lpszText = m_strTooltip.data();
      return 0;
    }
    case TBN_HOTITEMCHANGE: {
      const auto& hot = reinterpret_cast<const NMTBHOTITEM&>(header);
      if ((toolbar->GetBarStyle() & CToolBar::kBarFlyBy) == 0) return 0;
      if ((hot.dwFlags & HICF_LEAVING) != 0 || hot.idNew == 0)
        ShowIdleMessage();
      else
        ShowPrompt(static_cast<UINT>(hot.idNew));
      return 0;
    }
    default:
      return std::nullopt;
  }
}

void CFrameWnd::OnActivate(UINT state, HWND, bool) {
  // A lock key may have been toggled while another program was active.
  if (state != WA_INACTIVE) UpdateKeyIndicators();
}

// --- Help commands and context help: the next click on a menu item, toolbar button or window opens its topic ---

void CFrameWnd::OnHelpIndex() { Help(0, HELP_INDEX); }
void CFrameWnd::OnHelpUsing() { Help(0, HELP_HELPONHELP); }
void CFrameWnd::OnHelp() { Help(HID_BASE_RESOURCE + m_nIDResource, HELP_CONTEXT); }

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
  if (context != 0) Help(context, HELP_CONTEXT);
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
