// CWnd: a C++ object bound to one window. Messages reach the object's message map first, then the
// window's default processing. Plain windows bind at WM_NCCREATE, dialogs and form views at
// WM_INITDIALOG; the binding ends at WM_NCDESTROY.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "MessageMap.h"

namespace fw {

class CDataExchange;

// The text of any window, as code-page-932 bytes.
std::string GetWindowTextString(HWND window);

// A dialog or message box (window class #32770).
bool IsDialogWindow(HWND window);
// A window of this process.
bool IsOwnWindow(HWND window);

// The one walk of a window list: parent's direct children in Z order (the desktop's are the
// top-level windows of all programs), never their children, until visit(window) returns true;
// that window, or null at the end. The list changes while it is walked: a parent that is no
// window, or a window that went away, ends the walk with null.
HWND WalkChildren(HWND parent, const std::function<bool(HWND window)>& visit);

// The first of them whose text matches by nuvari::WindowTextMatches (mode 0 equals, 2 contains)
// and that accept takes (every window when accept is empty); null when none.
HWND FindChildByText(HWND parent, std::string_view text, int mode, const std::function<bool(HWND)>& accept = {});

class CWnd : public CCmdTarget {
 public:
  CWnd() = default;
  ~CWnd() override;

  HWND m_hWnd = nullptr;

  // The object bound to a window of this process, or null.
  static CWnd* FromHandlePermanent(HWND window);

  // Window procedure for plain windows registered by the framework (lpCreateParams is the CWnd*).
  static LRESULT CALLBACK WindowProcThunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Dialog procedure for dialog-template windows (the init parameter is the CWnd*).
  static INT_PTR CALLBACK DialogProcThunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  virtual BOOL PreTranslateMessage(MSG& /*msg*/) { return FALSE; }
  virtual void DoDataExchange(CDataExchange& /*dx*/) {}
  // Controls to members (save) or members to controls; false when a field was refused.
  BOOL UpdateData(BOOL saveAndValidate = TRUE);

  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  void SetDlgItemText(int id, const std::string& text) const { ::SetDlgItemTextA(m_hWnd, id, text.c_str()); }
  void EnableDlgItem(int id, bool enable) const { ::EnableWindow(GetDlgItem(id), enable ? TRUE : FALSE); }

 protected:
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Routes a command; a frame passes it on to its view and the application as well.
  virtual bool OnCommand(WPARAM wParam, LPARAM lParam);
  // Called after the window is gone; the object may be released from here on.
  virtual void PostNcDestroy() {}

  // Dialog-template windows only.
  virtual BOOL OnInitDialog() { return TRUE; }
  // IDOK and IDCANCEL when no map entry took them; false lets them pass.
  virtual bool OnDialogCommand(UINT /*id*/) { return false; }

  void Attach(HWND window);
  void Detach();
  // Destroys the window unbound: an object being destroyed must not get its last messages.
  void DestroyBoundWindow();

 private:
  bool m_bDialogWindow = false;
  INT_PTR DialogMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Both procedures' last step: after WM_NCDESTROY the binding ends and PostNcDestroy runs.
  LRESULT AfterMessage(UINT message, LRESULT result);
};

}  // namespace fw
