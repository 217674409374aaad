#include "FreeCellStatistics.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <utility>

#include "EnvironmentNames.h"
#include "FileSystem.h"
#include "Handles.h"
#include "LittleEndian.h"
#include "PrivateProfile.h"
#include "TextNumber.h"
#include "ToolTexts.h"

namespace names = environment_names;

namespace {

using Field = std::int32_t EnvironmentRecord::*;

// The six counters, in the stores' order, with their names in the registry and in entpack.ini.
struct Counter {
  Field field;
  const char* registryName;
  const char* iniName;
};
const std::array<Counter, 6> kCounters = {{
    {&EnvironmentRecord::losses, names::kLosses, "連敗"},
    {&EnvironmentRecord::lost, names::kLost, "敗"},
    {&EnvironmentRecord::streak, names::kStreak, "連勝/連敗"},
    {&EnvironmentRecord::stype, names::kStype, "stype"},
    {&EnvironmentRecord::wins, names::kWins, "連勝"},
    {&EnvironmentRecord::won, names::kWon, "勝"},
}};
constexpr char kIniMessages[] = "ﾒｯｾｰｼﾞ";

// The option values after the counters; -1 stands for a value the registry key does not hold.
const std::array<std::pair<Field, const char*>, 3> kOptions = {{
    {&EnvironmentRecord::messages, names::kMessages},
    {&EnvironmentRecord::quick, names::kQuick},
    {&EnvironmentRecord::dblclick, names::kDblclick},
}};

// A value of up to four bytes, zero-extended; a longer value (or none) leaves the field alone.
void QueryFourBytes(HKEY key, const char* name, std::int32_t& field) {
  std::string bytes(4, '\0');
  DWORD size = 4;
  if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(bytes.data()), &size) != ERROR_SUCCESS)
    return;
  bytes.resize(size);
  field = DecodeLittleEndian32(bytes);
}

bool SetFourBytes(HKEY key, const char* name, std::int32_t value) {
  const std::string bytes = EncodeLittleEndian32(value);
  return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(bytes.data()), 4) == ERROR_SUCCESS;
}

bool DeleteValue(HKEY key, const char* name) {
  const LONG status = RegDeleteValueA(key, name);
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

}  // namespace

void FreeCellStatistics::Load(EnvironmentRecord& record, WindowsFamily family) {
  if (family == WindowsFamily::Windows95) LoadWindows95(record);
  if (family == WindowsFamily::WindowsNT) LoadWindowsNT(record);
}

bool FreeCellStatistics::Save(const EnvironmentRecord& record, WindowsFamily family) {
  if (family == WindowsFamily::Windows95) return SaveWindows95(record);
  if (family == WindowsFamily::WindowsNT) return SaveWindowsNT(record);
  return true;
}

std::string FreeCellStatistics::StoreName(WindowsFamily family) {
  if (family == WindowsFamily::Windows95) return tool_texts::kStoreStatisticsRegistry;
  return tool_texts::kStoreStatisticsFilePrefix + IniFilePath().value_or(kIniFileName) +
         tool_texts::kStoreStatisticsFileSuffix;
}

std::optional<std::string> FreeCellStatistics::IniFilePath() {
  const std::optional<std::string> windows = fw::WindowsDirectory();
  if (!windows) return std::nullopt;
  return *windows + "\\" + kIniFileName;
}

void FreeCellStatistics::LoadWindows95(EnvironmentRecord& record) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kRegistryKey, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return;
  const fw::UniqueHKey key(opened);
  for (const Counter& counter : kCounters) QueryFourBytes(key.get(), counter.registryName, record.*counter.field);
  for (const auto& [field, name] : kOptions) QueryFourBytes(key.get(), name, record.*field);
}

void FreeCellStatistics::LoadWindowsNT(EnvironmentRecord& record) {
  const std::optional<std::string> path = IniFilePath();
  if (!path) return;
  const PrivateProfile ini(*path);
  for (const Counter& counter : kCounters)
    record.*counter.field = nuvari::ParseLeadingInt(ini.ReadText(kIniSection, counter.iniName, "0"));
  record.messages = nuvari::ParseLeadingInt(ini.ReadText(kIniSection, kIniMessages, "-1"));
}

bool FreeCellStatistics::SaveWindows95(const EnvironmentRecord& record) {
  HKEY opened = nullptr;
  const LONG status = RegOpenKeyExA(HKEY_CURRENT_USER, kRegistryKey, 0, KEY_ALL_ACCESS, &opened);
  // FreeCell never ran on this PC: its key is not created for it.
  if (status == ERROR_FILE_NOT_FOUND) return true;
  if (status != ERROR_SUCCESS) return false;
  const fw::UniqueHKey key(opened);
  bool written = true;
  for (const Counter& counter : kCounters)
    written = SetFourBytes(key.get(), counter.registryName, record.*counter.field) && written;
  for (const auto& [field, name] : kOptions) {
    const std::int32_t value = record.*field;
    written = (value == EnvironmentRecord::kAbsent ? DeleteValue(key.get(), name)
                                                    : SetFourBytes(key.get(), name, value)) &&
              written;
  }
  return written;
}

bool FreeCellStatistics::SaveWindowsNT(const EnvironmentRecord& record) {
  const std::optional<std::string> path = IniFilePath();
  if (!path) return false;
  const PrivateProfile ini(*path);
  bool written = true;
  for (const Counter& counter : kCounters)
    written = ini.WriteText(kIniSection, counter.iniName, nuvari::FormatInt(record.*counter.field).c_str()) && written;
  // No key at all is how FreeCell stores "no messages value".
  const std::string messages = nuvari::FormatInt(record.messages);
  written = ini.WriteText(kIniSection, kIniMessages,
                          record.messages == EnvironmentRecord::kAbsent ? nullptr : messages.c_str()) &&
            written;
  return written;
}
