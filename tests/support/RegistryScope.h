// Test helper: the program's registry key removed before and after a test, so each test starts
// as a fresh user.
#pragma once

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace nuvari::test {

inline void DeleteRegistryTree(const char* path) { RegDeleteTreeA(HKEY_CURRENT_USER, path); }

inline bool RegistryKeyExists(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// Raw value as stored (type and bytes), or nothing when the value or key is missing.
struct RegistryValue {
  DWORD type = 0;
  std::string bytes;
  bool operator==(const RegistryValue&) const = default;
};
// A failed comparison shows the type and the bytes in hex.
inline void PrintTo(const RegistryValue& value, std::ostream* out) {
  *out << "type " << value.type << ":";
  for (unsigned char byte : value.bytes) *out << ' ' << std::hex << static_cast<int>(byte) << std::dec;
}
// Values as ReadRegistryValue gives them back: text with its zero, a number as four little-endian bytes.
inline RegistryValue TextValue(const std::string& text) { return {REG_SZ, text + '\0'}; }
inline RegistryValue DwordValue(std::uint32_t number) {
  return {REG_DWORD, std::string(reinterpret_cast<const char*>(&number), 4)};
}
inline std::optional<RegistryValue> ReadRegistryValue(const std::string& keyPath, const std::string& name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
  RegistryValue value;
  DWORD size = 0;
  LONG status = RegQueryValueExA(key, name.c_str(), nullptr, &value.type, nullptr, &size);
  if (status == ERROR_SUCCESS) {
    value.bytes.assign(size, '\0');
    status = RegQueryValueExA(key, name.c_str(), nullptr, &value.type, reinterpret_cast<BYTE*>(value.bytes.data()),
                              &size);
    value.bytes.resize(size);
  }
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return std::nullopt;
  return value;
}

// REG_SZ text without its terminating zero, or nothing.
inline std::optional<std::string> ReadRegistryText(const std::string& keyPath, const std::string& name) {
  auto value = ReadRegistryValue(keyPath, name);
  if (!value) return std::nullopt;
  std::string text = value->bytes;
  if (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

// Names of the key's values or of its subkeys, in the registry's order; none when the key is missing.
inline std::vector<std::string> RegistryNames(const std::string& keyPath, bool subkeys = false) {
  std::vector<std::string> names;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
  for (DWORD index = 0;; ++index) {
    char name[256] = {};  // the names of these keys are short
    DWORD size = sizeof name;
    const LONG status = subkeys ? RegEnumKeyExA(key, index, name, &size, nullptr, nullptr, nullptr, nullptr)
                                : RegEnumValueA(key, index, name, &size, nullptr, nullptr, nullptr, nullptr);
    if (status != ERROR_SUCCESS) break;
    names.emplace_back(name, size);
  }
  RegCloseKey(key);
  return names;
}

// Every value under the key and its subkeys, as stored: "subkey\\name" -> type and bytes.
using RegistryTree = std::map<std::string, RegistryValue>;
inline RegistryTree ReadRegistryTree(const std::string& keyPath, const std::string& prefix = {}) {
  RegistryTree tree;
  for (const std::string& name : RegistryNames(keyPath))
    if (auto value = ReadRegistryValue(keyPath, name)) tree[prefix + name] = *value;
  for (const std::string& subkey : RegistryNames(keyPath, true))
    tree.merge(ReadRegistryTree(keyPath + "\\" + subkey, prefix + subkey + "\\"));
  return tree;
}

inline void WriteRegistryText(const std::string& keyPath, const std::string& name, const std::string& text) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>(text.size() + 1));
  RegCloseKey(key);
}

// Each name and text as a REG_SZ value of the key.
inline void WriteRegistryTexts(const std::string& keyPath,
                               std::initializer_list<std::pair<const char*, std::string>> values) {
  for (const auto& [name, text] : values) WriteRegistryText(keyPath, name, text);
}

inline void WriteRegistryRaw(const std::string& keyPath, const std::string& name, DWORD type, const std::string& bytes) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                 static_cast<DWORD>(bytes.size()));
  RegCloseKey(key);
}

inline void WriteRegistryDword(const std::string& keyPath, const std::string& name, std::uint32_t value) {
  WriteRegistryRaw(keyPath, name, REG_DWORD, DwordValue(value).bytes);
}

// Removes HKCU\Software\Talvenko for the life of the scope (and again at its end).
class RegistryScope {
 public:
  static constexpr const char* kMakerKey = "Software\\Talvenko";
  static constexpr const char* kRoot = "Software\\Talvenko\\Nuvari";
  static constexpr const char* kFreeCell = "Software\\Talvenko\\Nuvari\\FreeCell";
  static constexpr const char* kWindowSize = "Software\\Talvenko\\Nuvari\\Window size";

  RegistryScope() { DeleteRegistryTree(kMakerKey); }
  ~RegistryScope() { DeleteRegistryTree(kMakerKey); }
  // A value of the FreeCell key, as a start loads it and a run leaves it.
  void Store(const std::string& name, const std::string& text) const { WriteRegistryText(kFreeCell, name, text); }
  void Store(std::initializer_list<std::pair<const char*, std::string>> values) const {
    WriteRegistryTexts(kFreeCell, values);
  }
  std::optional<std::string> Stored(const std::string& name) const { return ReadRegistryText(kFreeCell, name); }
  // The pending values, from Pending0 up to the first missing one.
  std::vector<std::string> StoredPending() const {
    std::vector<std::string> stored;
    while (auto value = Stored("Pending" + std::to_string(stored.size()))) stored.push_back(*value);
    return stored;
  }
  RegistryScope(const RegistryScope&) = delete;
  RegistryScope& operator=(const RegistryScope&) = delete;
};

}  // namespace nuvari::test
