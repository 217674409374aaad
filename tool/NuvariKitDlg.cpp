#include "NuvariKitDlg.h"

#include <new>

#include "AboutDlg.h"
#include "BackgroundWork.h"
#include "EnvironmentFile.h"
#include "FileDialog.h"
#include "FileSystem.h"
#include "FreeCellStatistics.h"
#include "Handles.h"
#include "SettingsRegistry.h"
#include "SupervisorPresence.h"
#include "ToolTexts.h"
#include "WinApp.h"
#include "WriteFailures.h"

namespace texts = tool_texts;

namespace {
// Save: confirm replacing and creating, no read-only box. Open: the file must exist.
constexpr DWORD kExportDialogFlags = OFN_OVERWRITEPROMPT | OFN_CREATEPROMPT | OFN_HIDEREADONLY;
constexpr DWORD kImportDialogFlags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
constexpr int kCommandButtons[] = {IDC_BUTTON_EXPORT, IDC_BUTTON_IMPORT, IDC_BUTTON_DELETE, IDOK};

void ShowWaitCursor() { SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514))); }  // IDC_WAIT
}  // namespace

const fw::MessageMap& CNuvariKitDlg::ClassMessageMap() {
  static const fw::MessageMap map(&fw::CDialog::ClassMessageMap(), {
      fw::MapSysCommand(&CNuvariKitDlg::OnSysCommand),
      fw::MapSimple(WM_PAINT, &CNuvariKitDlg::OnPaint),
      fw::MapQueryDragIcon(&CNuvariKitDlg::OnQueryDragIcon),
      fw::MapSetCursor(&CNuvariKitDlg::OnSetCursor),
      fw::MapCommand(IDC_BUTTON_DELETE, &CNuvariKitDlg::OnDelete),
      fw::MapCommand(IDC_BUTTON_IMPORT, &CNuvariKitDlg::OnImport),
      fw::MapCommand(IDC_BUTTON_EXPORT, &CNuvariKitDlg::OnExport),
  });
  return map;
}

CNuvariKitDlg::CNuvariKitDlg(HWND parent)
    : fw::CDialog(IDD, parent),
      m_freeCellFolders(fw::SystemFolderQueries()),
      m_hIcon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME))) {}

BOOL CNuvariKitDlg::OnInitDialog() {
  fw::CDialog::OnInitDialog();
  // The version item only when its text exists.
  const std::string aboutText = fw::LoadResourceString(IDS_ABOUTBOX);
  HMENU systemMenu = GetSystemMenu(m_hWnd, FALSE);
  if (systemMenu && !aboutText.empty()) {
    AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, aboutText.c_str());
  }
  SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  return TRUE;
}

bool CNuvariKitDlg::OnSysCommand(UINT id, LPARAM) {
  if ((id & 0xFFF0) != IDM_ABOUTBOX) return false;
  if (m_bBusy) return true;
  CAboutDlg about;
  about.DoModal();
  return true;
}

bool CNuvariKitDlg::OnPaint() {
  if (!IsIconic(m_hWnd)) return false;
  fw::PaintScope paint(m_hWnd);
  SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paint.dc()), 0);
  const int cx = GetSystemMetrics(SM_CXICON);
  const int cy = GetSystemMetrics(SM_CYICON);
  RECT client{};
  GetClientRect(m_hWnd, &client);
  const int x = (client.right - client.left - cx + 1) / 2;
  const int y = (client.bottom - client.top - cy + 1) / 2;
  DrawIcon(paint.dc(), x, y, m_hIcon);
  return true;
}

HCURSOR CNuvariKitDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

void CNuvariKitDlg::OnOK() {
  if (!m_bBusy) fw::CDialog::OnOK();
}

void CNuvariKitDlg::OnCancel() {
  if (!m_bBusy) fw::CDialog::OnCancel();
}

bool CNuvariKitDlg::OnSetCursor(HWND, UINT, UINT) {
  if (!m_bBusy) return false;
  ShowWaitCursor();
  return true;
}

void CNuvariKitDlg::SetBusy(bool busy) {
  m_bBusy = busy;
  if (!m_hWnd) return;
  if (busy) m_hFocusBeforeBusy = GetFocus();
  for (const int id : kCommandButtons) EnableDlgItem(id, !busy);
  if (busy) {
    ShowWaitCursor();
  } else if (m_hFocusBeforeBusy && IsChild(m_hWnd, m_hFocusBeforeBusy)) {
    SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_hFocusBeforeBusy), TRUE);
  }
}

int CNuvariKitDlg::ShowMessage(const std::string& text, UINT type) { return fw::GetApp()->DoMessageBox(text, type); }

bool CNuvariKitDlg::RefuseWhileSupervisorRuns() {
  if (!SupervisorRuns(fw::GetApp()->m_strAppName)) return false;
  ShowMessage(texts::kSupervisorRunning, MB_OK | MB_ICONEXCLAMATION);
  return true;
}

void CNuvariKitDlg::OnExport() {
  LoadFromRegistry();
  fw::CFileDialog dialog(false, texts::kDefaultExtension, texts::kInitialFileName, kExportDialogFlags,
                         texts::kFileFilter, m_hWnd);
  if (dialog.DoModal() != IDOK) return;
  SaveEnvironmentFile(dialog.GetPathName());
}

void CNuvariKitDlg::OnImport() {
  if (RefuseWhileSupervisorRuns()) return;
  for (;;) {
    fw::CFileDialog dialog(true, texts::kDefaultExtension, texts::kInitialFileName, kImportDialogFlags,
                           texts::kFileFilter, m_hWnd);
    if (dialog.DoModal() != IDOK) return;
    if (LoadEnvironmentFile(dialog.GetPathName())) {
      SaveToRegistry();
      return;
    }
    ShowMessage(texts::kNotEnvironmentFile, MB_OK | MB_ICONEXCLAMATION);
  }
}

void CNuvariKitDlg::OnDelete() {
  if (RefuseWhileSupervisorRuns()) return;
  if (ShowMessage(texts::kDeleteQuestion, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1) != IDYES) return;
  if (DeleteRegistry()) {
    ShowMessage(texts::kDeleted, MB_OK | MB_ICONINFORMATION);
    return;
  }
  WriteFailures failures(texts::kDeleteFailed);
  failures.Add(texts::kStoreSettings);
  ShowMessage(failures.Message(), MB_OK | MB_ICONEXCLAMATION);
}

BOOL CNuvariKitDlg::LoadEnvironmentFile(const std::string& path) {
  // Reading a large file takes seconds: the dialog keeps answering meanwhile.
  EnvironmentSections sections;
  bool held = true;
  SetBusy(true);
  try {
    RunWhileDispatching([&] { sections = EnvironmentFile(path).ReadSections(); });
  } catch (const std::bad_alloc&) {
    held = false;  // too large to hold: no environment file is
  }
  SetBusy(false);
  if (!held) return FALSE;
  const bool withQuickAndDblclick = QueryWindowsFamily() == WindowsFamily::Windows95;
  return ReadEnvironment(sections, m_record, withQuickAndDblclick, m_freeCellFolders) ? TRUE : FALSE;
}

BOOL CNuvariKitDlg::SaveEnvironmentFile(const std::string& path) {
  const EnvironmentFile file(path);
  if (QueryWindowsFamily() == WindowsFamily::WindowsNT) file.ReadOptionCarryOver(m_record);
  if (!file.Save(m_record)) {
    ShowMessage(std::string(texts::kExportFailed) + "\n\n" + path + "\n\n" + texts::kExportFailedAdvice,
                MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
  }
  ShowMessage(texts::kExported, MB_OK | MB_ICONINFORMATION);
  return TRUE;
}

void CNuvariKitDlg::LoadFromRegistry() {
  SettingsRegistry(*fw::GetApp(), m_freeCellFolders).Load(m_record);
  LoadFreeCellStatistics();
}

void CNuvariKitDlg::SaveToRegistry() {
  const SettingsRegistry registry(*fw::GetApp(), m_freeCellFolders);
  ConfirmCommandLine(registry.StoredPath());
  // A file from a PC with another screen can put FreeCell off this one: keep this PC's places.
  if (ShowMessage(texts::kWindowPositionQuestion, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
    registry.LoadWindowPosition(m_record);

  WriteFailures failures(texts::kImportFailed);
  const bool deleted = DeleteRegistry() != FALSE;
  // Written even when the old keys stayed, so the values themselves are current.
  if (!registry.Save(m_record) || !deleted) failures.Add(texts::kStoreSettings);
  if (!SaveFreeCellStatistics()) failures.Add(FreeCellStatistics::StoreName(QueryWindowsFamily()));

  if (failures.Any()) {
    ShowMessage(failures.Message(), MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  ShowMessage(texts::kImported, MB_OK | MB_ICONINFORMATION);
}

void CNuvariKitDlg::ConfirmCommandLine(const std::string& currentPath) {
  if (nuvari::NamesFreeCell(m_record.Path)) return;
  if (ShowMessage(texts::CommandLineQuestion(m_record.Path), MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) != IDYES)
    m_record.Path = currentPath;
}

BOOL CNuvariKitDlg::DeleteRegistry() { return SettingsRegistry(*fw::GetApp(), m_freeCellFolders).Delete() ? TRUE : FALSE; }

void CNuvariKitDlg::LoadFreeCellStatistics() {
  // Before the classification: an unsupported or unknown family leaves the initial values.
  m_record.ResetStatistics();
  FreeCellStatistics::Load(m_record, StatisticsFamily());
}

BOOL CNuvariKitDlg::SaveFreeCellStatistics() {
  return FreeCellStatistics::Save(m_record, StatisticsFamily()) ? TRUE : FALSE;
}

WindowsFamily CNuvariKitDlg::StatisticsFamily() {
  const WindowsFamily family = QueryWindowsFamily();
  if (family == WindowsFamily::Unsupported) ShowMessage(texts::kUnsupported, MB_OK | MB_ICONEXCLAMATION);
  return family;
}
