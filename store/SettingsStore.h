// SettingsStore: the layout of the supervisor's settings under the application's registry key
// (HKEY_CURRENT_USER\Software\<maker>\<title>): which value lives in which subkey, with which type
// and text form, and what a missing or empty one reads as. The supervisor's load and store and the
// tool's export, import and delete are its users; each keeps its own steps.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "StoredValues.h"
#include "WinApp.h"

namespace nuvari {

class SettingsStore {
 public:
  explicit SettingsStore(fw::CWinApp& app) : m_app(app) {}

  // Subkey FreeCell: every value as text, numbers as signed decimal. Path as stored (empty when
  // missing); each number missing or empty takes its default. Reads create the keys when missing.
  SettingsValues ReadSettings() const;
  // Pending0, Pending1, ... up to the first missing or empty value.
  std::vector<std::int32_t> ReadPending() const;
  // The values in their stored order, then the pending deals from position 0; the positions from
  // pending.size() up to storedPendingCount are deleted. Every write is tried; false when any failed.
  bool WriteSettings(const SettingsValues& values, const std::vector<std::int32_t>& pending,
                     std::size_t storedPendingCount = 0) const;

  // Subkey Window size: Rect as text (empty or missing gives the default rectangle), the flags as REG_DWORD.
  PlacementValues ReadPlacement() const;
  bool WritePlacement(const PlacementValues& values) const;

  // Removes FreeCell, Window size and the application key, in this order; a key that is already
  // gone counts as removed. The maker's key stays.
  bool Delete() const;

 private:
  std::string ReadText(const char* section, const std::string& entry) const;
  std::int32_t ReadNumber(const char* entry, std::int32_t defaultValue) const;
  bool WriteText(const char* section, const std::string& entry, const std::string& text) const;
  bool WriteNumber(const std::string& entry, std::int32_t value) const;
  bool WriteFlag(const char* entry, std::int32_t value) const;

  fw::CWinApp& m_app;
};

}  // namespace nuvari
