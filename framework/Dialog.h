// CDialog: a modal dialog on a dialog template, with data exchange on opening and on OK.
#pragma once

#include <windows.h>

#include "Wnd.h"

namespace fw {

class CDialog : public CWnd {
 public:
  // parent null: the program's active window owns the dialog.
  explicit CDialog(UINT templateId, HWND parent = nullptr) : m_nIDTemplate(templateId), m_hParent(parent) {}

  virtual INT_PTR DoModal();
  void EndDialog(int result) { ::EndDialog(m_hWnd, result); }

  // Controls to members; the dialog closes with IDOK only when every control was accepted.
  virtual void OnOK();
  virtual void OnCancel();

  const UINT m_nIDTemplate;

 protected:
  // Members to controls.
  BOOL OnInitDialog() override;
  bool OnDialogCommand(UINT id) override;

 private:
  HWND m_hParent;
};

}  // namespace fw
