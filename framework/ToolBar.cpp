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

struct ToolBarResource {
  SIZE imageSize{};
  std::vector<UINT> commands;
};

bool ReadToolBarResource(HINSTANCE instance, UINT resourceId, ToolBarResource& out) {
  HRSRC info = FindResourceA(instance, MAKEINTRESOURCEA(resourceId), kToolBarResourceType);
  if (!info) return false;
  HGLOBAL loaded = LoadResource(instance, info);
  const auto* header = static_cast<const ToolBarResourceHeader*>(loaded ? LockResource(loaded) : nullptr);
  const DWORD size = SizeofResource(instance, info);
  if (!header || size < sizeof(ToolBarResourceHeader) || header->version != 1) return false;
  if (size < sizeof(ToolBarResourceHeader) + header->count * sizeof(WORD)) return false;
  const auto* items = reinterpret_cast<const WORD*>(header + 1);
  out.imageSize = {header->width, header->height};
  out.commands.assign(items, items + header->count);
  return true;
}

}  // namespace

CToolBar::~CToolBar() {
  // The window goes before the bitmap it draws from.
  if (m_hWnd && IsWindow(m_hWnd)) {
    HWND window = m_hWnd;
    Detach();
    DestroyWindow(window);
  }
}

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
  ToolBarResource resource;
  if (!m_hWnd || !ReadToolBarResource(instance, resourceId, resource)) return FALSE;
  // Standard greys, black and white of the bitmap follow the system's button colours.
  UniqueGdi<HBITMAP> bitmap(CreateMappedBitmap(instance, static_cast<INT_PTR>(resourceId), 0, nullptr, 0));
  if (!bitmap) return FALSE;
  BITMAP info{};
  GetObjectA(bitmap.get(), sizeof(info), &info);
  std::vector<TBBUTTON> buttons;
  int image = 0;
  for (UINT command : resource.commands) {
    TBBUTTON button{};
    if (command == 0) {
      button.iBitmap = kGapWidth;
      button.fsStyle = BTNS_SEP;
    } else {
      button.iBitmap = image++;
      button.idCommand = static_cast<int>(command);
      button.fsState = TBSTATE_ENABLED;
      button.fsStyle = BTNS_BUTTON;
    }
    buttons.push_back(button);
  }
  if (resource.imageSize.cx <= 0 || info.bmWidth < image * resource.imageSize.cx ||
      info.bmHeight < resource.imageSize.cy)
    return FALSE;
  SendMessageA(m_hWnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(resource.imageSize.cx, resource.imageSize.cy));
  TBADDBITMAP add{nullptr, reinterpret_cast<UINT_PTR>(bitmap.get())};
  if (SendMessageA(m_hWnd, TB_ADDBITMAP, static_cast<WPARAM>(info.bmWidth / resource.imageSize.cx),
                   reinterpret_cast<LPARAM>(&add)) == -1)
    return FALSE;
  if (!SendMessageA(m_hWnd, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()))) return FALSE;
  SendMessageA(m_hWnd, TB_AUTOSIZE, 0, 0);
  m_bitmap = std::move(bitmap);
  m_buttons = std::move(resource.commands);
  return TRUE;
}

UINT CToolBar::CommandAt(POINT clientPoint) const {
  const LRESULT index = SendMessageA(m_hWnd, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&clientPoint));
  if (index < 0 || static_cast<std::size_t>(index) >= m_buttons.size()) return 0;
  return m_buttons[static_cast<std::size_t>(index)];
}

}  // namespace fw
