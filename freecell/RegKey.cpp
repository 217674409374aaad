// Registry key wrapper.
#include "RegKey.h"

#include <utility>

namespace freecell {

RegKey RegKey::Create(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return RegKey();
  }
  return RegKey(key);
}

RegKey::~RegKey() {
  if (m_hKey != nullptr) RegCloseKey(m_hKey);
}

RegKey::RegKey(RegKey&& other) noexcept : m_hKey(std::exchange(other.m_hKey, nullptr)) {}

RegKey& RegKey::operator=(RegKey&& other) noexcept {
  if (this != &other) {
    if (m_hKey != nullptr) RegCloseKey(m_hKey);
    m_hKey = std::exchange(other.m_hKey, nullptr);
  }
  return *this;
}

std::optional<std::int32_t> RegKey::GetDword(const std::string& name) const {
  std::uint32_t value = 0;
  DWORD size = sizeof value;
  if (RegQueryValueExA(m_hKey, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) !=
          ERROR_SUCCESS ||
      size != sizeof value) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

void RegKey::SetDword(const std::string& name, std::int32_t value) const {
  const auto bytes = static_cast<DWORD>(value);
  RegSetValueExA(m_hKey, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&bytes), sizeof bytes);
}

}  // namespace freecell
