#include "PersistentFrame.h"

#include "FrameworkIds.h"
#include "StoreNames.h"
#include "View.h"  // the frame's view pointer needs the complete type where a frame is built
#include "WinApp.h"

namespace {

fw::CWinApp& App() { return *fw::GetApp(); }

// Show command and placement flags for the stored minimized and maximized flags.
struct ShowChoice {
  int showCmd;
  UINT flags;
};

ShowChoice ChooseShow(int icon, int max) {
  const UINT flags = max != 0 ? WPF_RESTORETOMAXIMIZED : 0;
  if (icon != 0) return {SW_SHOWMINNOACTIVE, flags};
  return {max != 0 ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL, flags};
}

std::string FormatRect(const RECT& rect) {
  return nuvari::FormatStoredRect({static_cast<std::int32_t>(rect.left), static_cast<std::int32_t>(rect.top),
                                   static_cast<std::int32_t>(rect.right), static_cast<std::int32_t>(rect.bottom)});
}

}  // namespace

const fw::MessageMap& CPersistentFrame::ClassMessageMap() {
  static const fw::MessageMap map(&fw::CFrameWnd::ClassMessageMap(), {
      fw::MapNotice(WM_DESTROY, &CPersistentFrame::OnDestroy),
  });
  return map;
}

CPersistentFrame::CPersistentFrame()
    : m_strSection(nuvari::store_names::kWindowSize),
      m_strRect(nuvari::store_names::kRect),
      m_strIcon(nuvari::store_names::kIcon),
      m_strMax(nuvari::store_names::kMax),
      m_strTool(nuvari::store_names::kTool),
      m_strStatus(nuvari::store_names::kStatus) {}

void CPersistentFrame::ActivateFrame(int cmdShow) {
  if (m_bFirstTime == 1) {
    m_bFirstTime = 0;
    cmdShow = RestorePlacement();
  }
  fw::CFrameWnd::ActivateFrame(cmdShow);
}

int CPersistentFrame::RestorePlacement() {
  const nuvari::StoredPoint corner = nuvari::StoredRectCorner(App().GetProfileString(m_strSection, m_strRect));
  // One pixel wider and taller than the frame the view has fitted to the panel.
  RECT current{};
  GetWindowRect(m_hWnd, &current);
  const RECT normal{corner.x, corner.y, corner.x + (current.right - current.left) + 1,
                    corner.y + (current.bottom - current.top) + 1};
  const int icon = App().GetProfileInt(m_strSection, m_strIcon, nuvari::defaults::kIcon);
  const int max = App().GetProfileInt(m_strSection, m_strMax, nuvari::defaults::kMax);
  const ShowChoice choice = ChooseShow(icon, max);
  RestoreBar(IDW_TOOLBAR, m_strTool, nuvari::defaults::kTool);
  RestoreBar(IDW_STATUS_BAR, m_strStatus, nuvari::defaults::kStatus);

  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  placement.flags = choice.flags;
  placement.showCmd = static_cast<UINT>(choice.showCmd);
  placement.ptMinPosition = {0, 0};
  placement.ptMaxPosition = {-GetSystemMetrics(SM_CXBORDER), -GetSystemMetrics(SM_CYBORDER)};
  placement.rcNormalPosition = normal;
  SetWindowPlacement(m_hWnd, &placement);
  return choice.showCmd;
}

void CPersistentFrame::RestoreBar(UINT childId, const std::string& entry, int shownByDefault) {
  const int shown = App().GetProfileInt(m_strSection, entry, shownByDefault);
  // Any value but 0 shows the bar: a stray stored number must not maximize a child window.
  if (FindDescendant(childId)) ShowControlBar(childId, shown != 0);
}

void CPersistentFrame::OnDestroy() {
  // A frame that was never shown (start-up failed) keeps the placement of the last real run.
  if (m_bFirstTime == 0) StorePlacement();
}

void CPersistentFrame::StorePlacement() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  GetWindowPlacement(m_hWnd, &placement);
  const int icon = placement.showCmd == SW_SHOWMINIMIZED ? 1 : 0;
  const int max = placement.showCmd == SW_SHOWMAXIMIZED ? 1 : 0;
  App().WriteProfileString(m_strSection, m_strRect, FormatRect(placement.rcNormalPosition).c_str());
  App().WriteProfileInt(m_strSection, m_strIcon, icon);
  App().WriteProfileInt(m_strSection, m_strMax, max);
  StoreBar(IDW_TOOLBAR, m_strTool);
  StoreBar(IDW_STATUS_BAR, m_strStatus);
}

void CPersistentFrame::StoreBar(UINT childId, const std::string& entry) {
  // A bar that does not exist leaves its value as it was.
  HWND bar = FindDescendant(childId);
  if (!bar) return;
  App().WriteProfileInt(m_strSection, entry, IsBarShown(bar) ? 1 : 0);
}
