#include "MessageMap.h"

namespace fw {

const MessageMap& CCmdTarget::ClassMessageMap() {
  static const MessageMap map(nullptr, {});
  return map;
}

const MessageEntry* CCmdTarget::FindEntry(UINT message, UINT code, UINT id) const {
  for (const MessageMap* map = &GetMessageMap(); map; map = map->base) {
    for (const MessageEntry& entry : map->entries) {
      if (entry.message != message) continue;
      if (message == WM_COMMAND && (entry.id != id || entry.code != code)) continue;
      return &entry;
    }
  }
  return nullptr;
}

bool CCmdTarget::OnCmdMsg(UINT id, UINT code, HWND control) {
  // Accelerators arrive with code 1; they are the same commands as the menu's.
  const UINT mappedCode = (!control && code == 1) ? 0 : code;
  const MessageEntry* entry = FindEntry(WM_COMMAND, mappedCode, id);
  if (!entry) return false;
  entry->handler(*this, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
  return true;
}

bool CCmdTarget::DispatchMapped(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const MessageEntry* entry = FindEntry(message, 0, 0);
  const MessageResult handled = entry ? entry->handler(*this, wParam, lParam) : std::nullopt;
  if (handled) result = *handled;
  return handled.has_value();
}

}  // namespace fw
