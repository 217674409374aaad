#include "NuvariView.h"

#include "DataExchange.h"
#include "WinApp.h"

const fw::MessageMap& CNuvariView::ClassMessageMap() {
  static const fw::MessageMap map(&fw::CFormView::ClassMessageMap(), {
      fw::MapTimer(&CNuvariView::OnTimer),
      fw::MapSimple(WM_DESTROY, &CNuvariView::OnDestroy),
  });
  return map;
}

CNuvariView::CNuvariView() : fw::CFormView(IDD) {}

CNuvariView::~CNuvariView() = default;

HWND CNuvariView::SelectTitleSet() { return nullptr; }

BOOL CNuvariView::PressButton(HWND dialog, HWND button) {
  return PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                      reinterpret_cast<LPARAM>(button));
}

void CNuvariView::RecordFreeCellPosition(HWND) {}

SettingsRecord CNuvariView::CurrentRecord() const {
  return {m_strPath, m_nGameNo, m_nTop, m_nLeft, m_nIdleRow, m_bAutoExit, m_bGameOverYourWin, m_nGameOverYourWinCnt};
}

void CNuvariView::DoDataExchange(fw::CDataExchange&) {}

void CNuvariView::OnInitialUpdate() { fw::CFormView::OnInitialUpdate(); }

void CNuvariView::OnUpdate(fw::CView*, LPARAM, void*) {}

int CNuvariView::ShowMessage(const std::string& text, UINT type) {
  const int previous = m_bActive;
  m_bActive = 0;
  const int result = fw::GetApp()->DoMessageBox(text, type);
  m_bActive = previous;
  return result;
}
