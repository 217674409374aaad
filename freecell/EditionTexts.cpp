// String-table access. The table holds UTF-16; the texts must be code page 932 whatever the ANSI code
// page of the machine, because the supervisor matches them byte for byte.
#include "EditionTexts.h"

#include "resource.h"

namespace freecell {

namespace {
constexpr UINT kCodePage = 932;
}

EditionTexts::EditionTexts(HINSTANCE instance, Edition edition) : m_hInstance(instance), m_edition(edition) {}

std::string EditionTexts::Get(UINT id) const {
  if (m_edition == Edition::Half) id += IDS_HALF_OFFSET;
  const wchar_t* text = nullptr;
  // With a zero length LoadStringW hands out a pointer into the resource itself: no buffer to size.
  const int length = LoadStringW(m_hInstance, id, reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0 || text == nullptr) return {};
  const int bytes = WideCharToMultiByte(kCodePage, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(kCodePage, 0, text, length, result.data(), bytes, nullptr, nullptr);
  return result;
}

UINT EditionTexts::MenuId() const { return m_edition == Edition::Half ? IDR_MENU_HALF : IDR_MENU_FULL; }

}  // namespace freecell
