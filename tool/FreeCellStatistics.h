// FreeCellStatistics: FreeCell's own statistics and option values where FreeCell keeps them: its
// registry key on the Windows 95 family, section "ﾌﾘｰｾﾙ" of entpack.ini in the Windows folder on
// the Windows NT family.
#pragma once

#include <optional>
#include <string>

#include "EnvironmentRecord.h"
#include "WindowsFamily.h"

class FreeCellStatistics {
 public:
  static constexpr char kRegistryKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\FreeCell";
  static constexpr char kIniSection[] = "ﾌﾘｰｾﾙ";
  static constexpr char kIniFileName[] = "entpack.ini";

  // Fields FreeCell's store does not hold keep their values (call ResetStatistics first).
  static void Load(EnvironmentRecord& record, WindowsFamily family);
  // False when the store exists (or must be created) but could not be written completely.
  static bool Save(const EnvironmentRecord& record, WindowsFamily family);

  // How a failed write names the store to the player.
  static std::string StoreName(WindowsFamily family);

  // entpack.ini in the Windows folder; empty when the folder cannot be queried.
  static std::optional<std::string> IniFilePath();

 private:
  static void LoadWindows95(EnvironmentRecord& record);
  static void LoadWindowsNT(EnvironmentRecord& record);
  static bool SaveWindows95(const EnvironmentRecord& record);
  static bool SaveWindowsNT(const EnvironmentRecord& record);
};
