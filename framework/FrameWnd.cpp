#include "FrameWnd.h"

#include "Document.h"
#include "FrameworkIds.h"
#include "Handles.h"
#include "StatusBar.h"
#include "View.h"
#include "WinApp.h"

namespace fw {
namespace {

const char kFrameClass[] = "NuvariFrameWindow";

bool RegisterFrameClass(HINSTANCE instance, UINT iconId) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExA(instance, kFrameClass, &existing)) return true;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &CWnd::WindowProcThunk;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(iconId));
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kFrameClass;
  return RegisterClassExA(&wc) != 0;
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

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA&) { return TRUE; }

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
  HWND direct = ::GetDlgItem(m_hWnd, static_cast<int>(childId));
  if (direct) return direct;
  for (HWND child = GetWindow(m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (HWND found = ::GetDlgItem(child, static_cast<int>(childId))) return found;
  }
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

void CFrameWnd::InitialUpdateFrame(BOOL makeVisible) {
  if (m_pView) m_pView->OnInitialUpdate();
  if (!makeVisible) return;
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
  }
  if (m_hAccelTable && msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST &&
      TranslateAcceleratorA(m_hWnd, m_hAccelTable, &msg))
    return TRUE;
  return m_pView && m_pView->m_hWnd && m_pView->PreTranslateMessage(msg);
}

bool CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  const UINT code = HIWORD(wParam);
  HWND control = reinterpret_cast<HWND>(lParam);
  if (m_bHelpMode && !control) {
    // A menu item or accelerator chosen in context help opens its topic instead of running.
    ExitHelpMode();
    if (CWinApp* app = GetApp()) app->WinHelp(HID_BASE_COMMAND + id, HELP_CONTEXT);
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

}  // namespace fw
