#include "Dialog.h"

#include "WinApp.h"

namespace fw {

const MessageMap& CDialog::ClassMessageMap() {
  static const MessageMap map(&CWnd::ClassMessageMap(), {});
  return map;
}

INT_PTR CDialog::DoModal() {
  HWND owner = m_hParent;
  if (!owner && GetApp()) owner = GetApp()->GetActiveOwner();
  return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate), owner, &CWnd::DialogProcThunk,
                         reinterpret_cast<LPARAM>(static_cast<CWnd*>(this)));
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::OnDialogCommand(UINT id) {
  if (id == IDOK) {
    OnOK();
    return true;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  return false;
}

}  // namespace fw
