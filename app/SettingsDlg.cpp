#include "SettingsDlg.h"

#include <commctrl.h>

#include "FileSystem.h"
#include "FreeCellSearch.h"
#include "WinApp.h"

namespace {

constexpr char kBrowseTitle[] = "ファイルの参照";
constexpr char kBrowseFilter[] = "実行ファイル(*.exe)|*.exe|全ファイル(*.*)|*.*||";
constexpr char kBrowseInitialName[] = "*.exe";
constexpr char kBrowseExtension[] = "exe";
constexpr int kWinCountMin = 1;
constexpr int kWinCountMax = 100;

}  // namespace

const fw::MessageMap& CSettingsDlg::ClassMessageMap() {
  static const fw::MessageMap map(&fw::CDialog::ClassMessageMap(), {
      fw::MapCommand(IDC_BUTTON_BROWSE, &CSettingsDlg::OnButtonBrowse),
      fw::MapCommand(IDC_BUTTON_HELP, &CSettingsDlg::OnButtonHelp),
      fw::MapCommand(IDC_GAME_OVER_YOUR_WIN, &CSettingsDlg::OnCheckGameOverYourWin),
  });
  return map;
}

INT_PTR CSettingsDlg::DoModal() {
  // The template holds an up-down control: its class must exist before the dialog is built.
  InitCommonControls();
  return fw::CDialog::DoModal();
}

void CSettingsDlg::DoDataExchange(fw::CDataExchange& dx) {
  fw::DDX_Control(dx, IDC_WIN_COUNT, m_editWinCount);
  fw::DDX_Control(dx, IDC_WIN_COUNT_SPIN, m_spinWinCount);
  fw::DDX_Text(dx, IDC_PATH, m_strPath);
  fw::DDX_Radio(dx, IDC_IDLE_ROW_COLUMN, m_nIdleRow);
  fw::DDX_Check(dx, IDC_AUTO_EXIT, m_bAutoExit);
  fw::DDX_Check(dx, IDC_GAME_OVER_YOUR_WIN, m_bGameOverYourWin);
  fw::DDX_Text(dx, IDC_WIN_COUNT, m_nGameOverYourWinCnt);
  // Checked even while the count is disabled: a stored count out of range must be mended here.
  fw::DDV_MinMaxInt(dx, m_nGameOverYourWinCnt, kWinCountMin, kWinCountMax);
}

BOOL CSettingsDlg::OnInitDialog() {
  fw::CDialog::OnInitDialog();
  // The 16-bit form: the common controls of the oldest supported systems know no other.
  SendMessageA(m_spinWinCount.GetSafeHwnd(), UDM_SETRANGE, 0, MAKELPARAM(kWinCountMax, kWinCountMin));
  EnableWinCount(m_bGameOverYourWin != 0);
  return TRUE;  // the first tab stop, the path, takes the focus
}

void CSettingsDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  if (!nuvari::PathExistsInFreeCellFolders(m_strPath, fw::SystemFolderQueries())) {
    fw::GetApp()->DoMessageBox(kTextPathMissing, MB_OK | MB_ICONEXCLAMATION);
    FocusPath();
    return;
  }
  if (!nuvari::NamesFreeCell(m_strPath) &&
      fw::GetApp()->DoMessageBox(kTextPathNotFreeCell, MB_YESNO | MB_ICONEXCLAMATION) == IDYES) {
    FocusPath();
    return;
  }
  fw::CDialog::OnOK();
}

void CSettingsDlg::OnButtonBrowse() {
  fw::CFileDialog dialog(true, kBrowseExtension, kBrowseInitialName, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                         kBrowseFilter, m_hWnd);
  dialog.m_strTitle = kBrowseTitle;
  const std::optional<std::string> chosen = ChooseFile(dialog);
  if (!chosen) return;
  m_strPath = *chosen;
  // Every control returns to its member, not only the path; the enabling stays as it is.
  UpdateData(FALSE);
}

std::optional<std::string> CSettingsDlg::ChooseFile(fw::CFileDialog& dialog) {
  if (dialog.DoModal() != IDOK) return std::nullopt;
  return dialog.GetPathName();
}

void CSettingsDlg::OnButtonHelp() { fw::GetApp()->WinHelp(IDH_SETTINGS, HELP_CONTEXT); }

void CSettingsDlg::OnCheckGameOverYourWin() {
  EnableWinCount(IsDlgButtonChecked(m_hWnd, IDC_GAME_OVER_YOUR_WIN) == BST_CHECKED);
}

void CSettingsDlg::EnableWinCount(bool enable) const {
  EnableWindow(m_editWinCount.GetSafeHwnd(), enable ? TRUE : FALSE);
  EnableWindow(m_spinWinCount.GetSafeHwnd(), enable ? TRUE : FALSE);
}

void CSettingsDlg::FocusPath() const {
  SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(IDC_PATH)), TRUE);
}
