// An open registry key, closed when it goes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <windows.h>

namespace freecell {

class RegKey {
 public:
  // Opens the key, creating it when it is missing; IsOpen tells whether that worked.
  static RegKey Create(HKEY root, const std::string& path);

  RegKey() = default;
  ~RegKey();
  RegKey(RegKey&& other) noexcept;
  RegKey& operator=(RegKey&& other) noexcept;
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;

  bool IsOpen() const { return m_hKey != nullptr; }
  // A value of exactly four bytes, whatever its type; anything else is missing.
  std::optional<std::int32_t> GetDword(const std::string& name) const;
  void SetDword(const std::string& name, std::int32_t value) const;

 private:
  explicit RegKey(HKEY key) : m_hKey(key) {}
  HKEY m_hKey = nullptr;
};

}  // namespace freecell
