#include "Wnd.h"

#include "DataExchange.h"
#include "WindowTextMatch.h"

namespace fw {

std::string GetWindowTextString(HWND window) {
  // One call for any ordinary title: every call on another program's window is a round trip to
  // the window server, and the polling timer reads every title on the desktop.
  char buffer[512];
  const int copied = GetWindowTextA(window, buffer, static_cast<int>(sizeof(buffer)));
  if (copied <= 0) return {};
  // A text that did not fit comes back cut, possibly a double-byte character short of the end.
  if (copied < static_cast<int>(sizeof(buffer)) - 2) return std::string(buffer, static_cast<std::size_t>(copied));
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
  const int whole = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  text.resize(whole > 0 ? static_cast<std::size_t>(whole) : 0);
  return text;
}

bool IsDialogWindow(HWND window) {
  char className[16] = {};  // "#32770" and a little more is all that is compared
  GetClassNameA(window, className, sizeof className);
  return lstrcmpA(className, "#32770") == 0;
}

bool IsOwnWindow(HWND window) {
  DWORD process = 0;
  return window && GetWindowThreadProcessId(window, &process) != 0 && process == GetCurrentProcessId();
}

HWND WalkChildren(HWND parent, const std::function<bool(HWND window)>& visit) {
  if (!IsWindow(parent)) return nullptr;
  // The next window of one that went away is null, which ends the walk: no validity test per
  // window, each would be one more round trip to the window server on every polling tick.
  for (HWND window = GetWindow(parent, GW_CHILD); window; window = GetWindow(window, GW_HWNDNEXT))
    if (visit(window)) return window;
  return nullptr;
}

HWND FindChildByText(HWND parent, std::string_view text, int mode, const std::function<bool(HWND)>& accept) {
  return WalkChildren(parent, [&](HWND window) {
    return nuvari::WindowTextMatches(GetWindowTextString(window), text, mode) && (!accept || accept(window));
  });
}

CWnd::~CWnd() { DestroyBoundWindow(); }

void CWnd::DestroyBoundWindow() {
  if (!m_hWnd || !IsWindow(m_hWnd)) return;
  HWND window = m_hWnd;
  Detach();
  DestroyWindow(window);
}

CWnd* CWnd::FromHandlePermanent(HWND window) {
  if (!IsOwnWindow(window)) return nullptr;
  // Dialog-template windows keep the object in DWLP_USER, plain windows in GWLP_USERDATA.
  return reinterpret_cast<CWnd*>(GetWindowLongPtrA(window, IsDialogWindow(window) ? DWLP_USER : GWLP_USERDATA));
}

void CWnd::Attach(HWND window) {
  m_hWnd = window;
  SetWindowLongPtrA(window, m_bDialogWindow ? DWLP_USER : GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void CWnd::Detach() {
  if (m_hWnd && IsWindow(m_hWnd)) SetWindowLongPtrA(m_hWnd, m_bDialogWindow ? DWLP_USER : GWLP_USERDATA, 0);
  m_hWnd = nullptr;
}

LRESULT CALLBACK CWnd::WindowProcThunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* self = reinterpret_cast<CWnd*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self && message == WM_NCCREATE) {
    self = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    if (self) self->Attach(window);
  }
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  return self->AfterMessage(message, self->WindowProc(message, wParam, lParam));
}

INT_PTR CALLBACK CWnd::DialogProcThunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* self = reinterpret_cast<CWnd*>(GetWindowLongPtrA(window, DWLP_USER));
  if (!self && message == WM_INITDIALOG) {
    self = reinterpret_cast<CWnd*>(lParam);
    if (!self) return TRUE;
    self->m_bDialogWindow = true;
    self->Attach(window);
    return self->OnInitDialog();
  }
  if (!self) return FALSE;
  return self->AfterMessage(message, self->DialogMessage(message, wParam, lParam));
}

LRESULT CWnd::AfterMessage(UINT message, LRESULT result) {
  if (message == WM_NCDESTROY) {
    Detach();
    PostNcDestroy();
  }
  return result;
}

INT_PTR CWnd::DialogMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    if (OnCommand(wParam, lParam)) return TRUE;
    return OnDialogCommand(LOWORD(wParam)) ? TRUE : FALSE;
  }
  LRESULT result = 0;
  if (!DispatchMapped(message, wParam, lParam, result)) return FALSE;
  switch (message) {
    // These return their result directly from a dialog procedure.
    case WM_QUERYDRAGICON: case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM: case WM_VKEYTOITEM: case WM_CHARTOITEM:
      return static_cast<INT_PTR>(result);
    default:
      SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
      return TRUE;
  }
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && OnCommand(wParam, lParam)) return 0;
  LRESULT result = 0;
  if (DispatchMapped(message, wParam, lParam, result)) return result;
  return DefaultProc(message, wParam, lParam);
}

LRESULT CWnd::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(m_hWnd, message, wParam, lParam);
}

bool CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  return OnCmdMsg(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(*this, saveAndValidate != FALSE);
  try {
    DoDataExchange(dx);
  } catch (const DataExchangeFailure&) {
    return FALSE;
  }
  return TRUE;
}

}  // namespace fw
