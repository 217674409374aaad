// CFrameWnd, part two: its control bars, the status-bar prompts of menus and toolbar buttons, the
// toolbar's tooltips and the View menu's commands.
#include "FrameWnd.h"

#include <commctrl.h>

#include "FrameworkIds.h"
#include "StatusBar.h"
#include "ToolBar.h"
#include "WinApp.h"

namespace fw {
namespace {

// A command string holds the status-bar prompt, a line break, then the tooltip.
std::string CommandStringPart(UINT commandId, bool tooltip) {
  const std::string text = LoadResourceString(commandId);
  const std::size_t newline = text.find('\n');
  if (tooltip) return newline == std::string::npos ? std::string() : text.substr(newline + 1);
  return text.substr(0, newline);
}

}  // namespace

bool CFrameWnd::IsBarShown(HWND bar) { return bar && (GetWindowLongA(bar, GWL_STYLE) & WS_VISIBLE) != 0; }

CToolBar* CFrameWnd::ToolBarObject() const {
  return dynamic_cast<CToolBar*>(CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, IDW_TOOLBAR)));
}

CStatusBar* CFrameWnd::StatusBarObject() const {
  return dynamic_cast<CStatusBar*>(CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, IDW_STATUS_BAR)));
}

void CFrameWnd::SetMessageText(const std::string& text) {
  if (HWND bar = ::GetDlgItem(m_hWnd, IDW_STATUS_BAR))
    SendMessageA(bar, SB_SETTEXTA, 0 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(text.c_str()));
}

void CFrameWnd::ShowPrompt(UINT commandId) {
  const std::string prompt = CommandStringPart(commandId, false);
  if (prompt.empty())
    ShowIdleMessage();
  else
    SetMessageText(prompt);
}

void CFrameWnd::ShowIdleMessage() {
  SetMessageText(LoadResourceString(m_bHelpMode ? IDS_HELP_MODE_MESSAGE : IDS_IDLE_MESSAGE));
}

void CFrameWnd::UpdateKeyIndicators() {
  if (CStatusBar* status = StatusBarObject()) status->UpdateKeyIndicators();
}

void CFrameWnd::ToggleControlBar(UINT childId) {
  if (HWND bar = ::GetDlgItem(m_hWnd, static_cast<int>(childId))) ShowControlBar(childId, !IsBarShown(bar));
}

void CFrameWnd::OnViewToolBar() { ToggleControlBar(IDW_TOOLBAR); }

void CFrameWnd::OnViewStatusBar() { ToggleControlBar(IDW_STATUS_BAR); }

void CFrameWnd::OnInitMenuPopup(HMENU popup, UINT, bool) {
  for (UINT id : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR}) {
    if (GetMenuState(popup, id, MF_BYCOMMAND) == static_cast<UINT>(-1)) continue;
    HWND bar = ::GetDlgItem(m_hWnd, static_cast<int>(id));
    CheckMenuItem(popup, id, MF_BYCOMMAND | (IsBarShown(bar) ? MF_CHECKED : MF_UNCHECKED));
    EnableMenuItem(popup, id, MF_BYCOMMAND | (bar ? MF_ENABLED : MF_GRAYED));
  }
}

void CFrameWnd::OnMenuSelect(UINT item, UINT flags, HMENU menu) {
  const bool closed = flags == 0xFFFF && !menu;
  if (closed || (flags & (MF_POPUP | MF_SEPARATOR | MF_SYSMENU)) != 0)
    ShowIdleMessage();
  else
    ShowPrompt(item);
}

MessageResult CFrameWnd::OnNotify(NMHDR& header) {
  CToolBar* toolbar = ToolBarObject();
  if (!toolbar) return std::nullopt;
  HWND toolbarWindow = toolbar->m_hWnd;
  const bool fromToolbar = header.hwndFrom == toolbarWindow ||
                           header.hwndFrom == reinterpret_cast<HWND>(SendMessageA(toolbarWindow, TB_GETTOOLTIPS, 0, 0));
  if (!fromToolbar) return std::nullopt;
  const bool tooltips = (toolbar->GetBarStyle() & CToolBar::kBarTooltips) != 0;
  switch (header.code) {
    case TBN_GETINFOTIPA: {
      auto& tip = reinterpret_cast<NMTBGETINFOTIPA&>(header);
      if (tooltips && tip.pszText && tip.cchTextMax > 0)
        lstrcpynA(tip.pszText, CommandStringPart(static_cast<UINT>(tip.iItem), true).c_str(), tip.cchTextMax);
      return 0;
    }
    case TTN_GETDISPINFOA: {
      auto& info = reinterpret_cast<NMTTDISPINFOA&>(header);
      m_strTooltip = tooltips ? CommandStringPart(static_cast<UINT>(header.idFrom), true) : std::string();
      info.hinst = nullptr;
      info.lpszText = m_strTooltip.data();
      return 0;
    }
    case TBN_HOTITEMCHANGE: {
      const auto& hot = reinterpret_cast<const NMTBHOTITEM&>(header);
      if ((toolbar->GetBarStyle() & CToolBar::kBarFlyBy) == 0) return 0;
      if ((hot.dwFlags & HICF_LEAVING) != 0 || hot.idNew == 0)
        ShowIdleMessage();
      else
        ShowPrompt(static_cast<UINT>(hot.idNew));
      return 0;
    }
    default:
      return std::nullopt;
  }
}

void CFrameWnd::OnActivate(UINT state, HWND, bool) {
  // A lock key may have been toggled while another program was active.
  if (state != WA_INACTIVE) UpdateKeyIndicators();
}

}  // namespace fw
