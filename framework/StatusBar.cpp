#include "StatusBar.h"

#include <commctrl.h>

#include "FrameworkIds.h"
#include "Handles.h"
#include "WinApp.h"

namespace fw {
namespace {

// Room around an indicator's text, so that it does not touch the pane's border.
constexpr int kIndicatorPadding = 8;

// The virtual key whose toggle state an indicator shows; 0 when the id is not a key indicator.
int IndicatorKey(UINT id) {
  switch (id) {
    case ID_INDICATOR_CAPS: return VK_CAPITAL;
    case ID_INDICATOR_NUM: return VK_NUMLOCK;
    case ID_INDICATOR_SCRL: return VK_SCROLL;
    case ID_INDICATOR_KANA: return VK_KANA;
    default: return 0;
  }
}

}  // namespace

BOOL CStatusBar::Create(CWnd& parent, UINT childId) {
  InitCommonControls();
  // No size grip: the frames of these programs are not resized by the player.
  HWND window = CreateWindowExA(0, STATUSCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE | CCS_BOTTOM, 0, 0, 0, 0,
                                parent.m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(childId)),
                                GetModuleHandleA(nullptr), nullptr);
  if (!window) return FALSE;
  // Bound for lookups only: the control keeps its own window procedure.
  Attach(window);
  return TRUE;
}

BOOL CStatusBar::SetIndicators(const std::vector<UINT>& ids) {
  if (!m_hWnd || ids.empty()) return FALSE;
  std::vector<Pane> panes{{ids[0], {}, 0}};
  for (std::size_t i = 1; i < ids.size(); ++i) {
    std::string text = LoadResourceString(ids[i]);
    if (text.empty()) return FALSE;
    const int width = TextWidth(text) + kIndicatorPadding;
    panes.push_back({ids[i], std::move(text), width});
  }
  m_panes = std::move(panes);
  LayoutPanes();
  UpdateKeyIndicators();
  return TRUE;
}

int CStatusBar::TextWidth(const std::string& text) const {
  const WindowDC dc(m_hWnd);
  if (!dc.dc()) return 0;
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
  const SelectScope selected(dc.dc(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SIZE size{};
  GetTextExtentPoint32A(dc.dc(), text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

void CStatusBar::LayoutPanes() {
  if (!m_hWnd || m_panes.empty()) return;
  RECT client{};
  GetClientRect(m_hWnd, &client);
  int indicators = 0;
  for (std::size_t i = 1; i < m_panes.size(); ++i) indicators += m_panes[i].width;
  m_panes[0].width = client.right - indicators > 0 ? client.right - indicators : 0;
  // The control takes the right edge of each pane.
  std::vector<int> edges;
  int right = 0;
  for (const Pane& pane : m_panes) edges.push_back(right += pane.width);
  SendMessageA(m_hWnd, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void CStatusBar::SetPaneText(int pane, const std::string& text) {
  // The message pane is drawn flat, the indicators sunken.
  const WPARAM flags = static_cast<WPARAM>(pane) | (pane == 0 ? SBT_NOBORDERS : 0);
  SendMessageA(m_hWnd, SB_SETTEXTA, flags, reinterpret_cast<LPARAM>(text.c_str()));
}

void CStatusBar::UpdateKeyIndicators() {
  for (std::size_t i = 1; i < m_panes.size(); ++i) {
    const int key = IndicatorKey(m_panes[i].id);
    const bool on = key != 0 && (GetKeyState(key) & 1) != 0;
    // Setting the same text again would only make the bar flicker.
    if (on == m_panes[i].shown) continue;
    m_panes[i].shown = on;
    SetPaneText(static_cast<int>(i), on ? m_panes[i].text : std::string());
  }
}

}  // namespace fw
