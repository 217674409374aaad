#include "ToolBar.h"

#include <commctrl.h>

namespace fw {
namespace {

// Layout of a toolbar resource (type 241): version, image size, count, then one command per button.
struct ToolBarResourceHeader {
  WORD version;
  WORD width;
  WORD height;
  WORD count;
};
const LPCSTR kToolBarResourceType = MAKEINTRESOURCEA(241);  // RT_TOOLBAR
constexpr int kGapWidth = 6;

// The resource's header, its commands following it; null when the resource is missing or malformed.
const ToolBarResourceHeader* FindToolBarResource(HINSTANCE instance, UINT resourceId) {
  HRSRC info = FindResourceA(instance, MAKEINTRESOURCEA(resourceId), kToolBarResourceType);
  HGLOBAL loaded = info ? LoadResource(instance, info) : nullptr;
  const auto* header = static_cast<const ToolBarResourceHeader*>(loaded ? LockResource(loaded) : nullptr);
  const DWORD size = info ? SizeofResource(instance, info) : 0;
  if (!header || size < sizeof(ToolBarResourceHeader) || header->version != 1) return nullptr;
  return size < sizeof(ToolBarResourceHeader) + header->count * sizeof(WORD) ? nullptr : header;
}

}  // namespace

// The window goes before the bitmap it draws from.
CToolBar::~CToolBar() { DestroyBoundWindow(); }

BOOL CToolBar::Create(CWnd& parent, UINT childId) {
  InitCommonControls();
  HWND window = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                                WS_CHILD | WS_VISIBLE | CCS_TOP | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS, 0, 0, 0, 0,
                                parent.m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(childId)),
                                GetModuleHandleA(nullptr), nullptr);
  if (!window) return FALSE;
  // Bound for lookups only: the control keeps its own window procedure.
  Attach(window);
  SendMessageA(window, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT resourceId) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  const ToolBarResourceHeader* resource = m_hWnd ? FindToolBarResource(instance, resourceId) : nullptr;
  if (!resource) return FALSE;
  const auto* items = reinterpret_cast<const WORD*>(resource + 1);
  std::vector<UINT> commands(items, items + resource->count);
  // Standard greys, black and white of the bitmap follow the system's button colours.
  UniqueGdi<HBITMAP> bitmap(CreateMappedBitmap(instance, static_cast<INT_PTR>(resourceId), 0, nullptr, 0));
  if (!bitmap) return FALSE;
  BITMAP info{};
  GetObjectA(bitmap.get(), sizeof(info), &info);
  std::vector<TBBUTTON> buttons;
  int image = 0;
  for (UINT command : commands)  // a gap is a separator; each button takes the next image
    buttons.push_back(command == 0
                          ? TBBUTTON{kGapWidth, 0, 0, BTNS_SEP, {}, 0, 0}
                          : TBBUTTON{image++, static_cast<int>(command), TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0});
  const int cx = resource->width;
  const int cy = resource->height;
  if (cx <= 0 || info.bmWidth < image * cx || info.bmHeight < cy) return FALSE;
  SendMessageA(m_hWnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(cx, cy));
  TBADDBITMAP add{nullptr, reinterpret_cast<UINT_PTR>(bitmap.get())};
  if (SendMessageA(m_hWnd, TB_ADDBITMAP, static_cast<WPARAM>(info.bmWidth / cx), reinterpret_cast<LPARAM>(&add)) == -1)
    return FALSE;
  if (!SendMessageA(m_hWnd, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()))) return FALSE;
  SendMessageA(m_hWnd, TB_AUTOSIZE, 0, 0);
  m_bitmap = std::move(bitmap);
  m_buttons = std::move(commands);
  return TRUE;
}

UINT CToolBar::CommandAt(POINT clientPoint) const {
  const LRESULT index = SendMessageA(m_hWnd, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&clientPoint));
  if (index < 0 || static_cast<std::size_t>(index) >= m_buttons.size()) return 0;
  return m_buttons[static_cast<std::size_t>(index)];
}

}  // namespace fw
