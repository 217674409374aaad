// Base of the stand-in's modal dialogs: a real dialog from a template, bound to its object through
// DWLP_USER so that every handler reaches its own state through the window handle.
#pragma once

#include <windows.h>

namespace freecell {

class ModalDialog {
 public:
  ModalDialog(HINSTANCE instance, int templateId);
  virtual ~ModalDialog() = default;
  ModalDialog(const ModalDialog&) = delete;
  ModalDialog& operator=(const ModalDialog&) = delete;

  // Shows the dialog and returns the id of the control that ended it (IDCANCEL when dismissed).
  INT_PTR Run(HWND owner);
  // Ends the dialog from outside, as when its owner closes; nothing while it is not shown.
  void Dismiss();
  HWND Handle() const { return m_hWnd; }

 protected:
  virtual void OnInitDialog() = 0;
  // A button of the dialog was clicked (also by a posted WM_COMMAND with BN_CLICKED).
  virtual void OnButton(int id) = 0;
  virtual void OnDismissed() {}
  void End(int result);
  HINSTANCE Instance() const { return m_hInstance; }

 private:
  static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id, int notification);

  HINSTANCE m_hInstance;
  int m_nTemplateId;
  HWND m_hWnd = nullptr;
};

}  // namespace freecell
