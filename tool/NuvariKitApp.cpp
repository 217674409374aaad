#include "NuvariKitApp.h"

#include "NuvariKitDlg.h"

BOOL CNuvariKitApp::InitInstance() {
  // Dialog controls draw three-dimensionally by themselves on every system this program runs on.
  SetRegistryKey(kMakerRegistryKey);
  CNuvariKitDlg dialog;
  m_pMainWnd = &dialog;
  dialog.DoModal();
  m_pMainWnd = nullptr;
  // Whatever the dialog's result: the program ends here.
  return FALSE;
}
