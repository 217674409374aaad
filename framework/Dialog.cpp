#include "Dialog.h"

#include "WinApp.h"

namespace fw {

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
  if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::OnDialogCommand(UINT id) {
  if (id != IDOK && id != IDCANCEL) return false;
  if (id == IDOK)
    OnOK();
  else
    OnCancel();
  return true;
}

}  // namespace fw
