// The Windows 95 family's store: REG_DWORD values under the current user's key
// Software\Microsoft\Windows\CurrentVersion\Applets\FreeCell, created when missing.
#pragma once

#include "StatisticsStore.h"

namespace freecell {

class RegistryStatisticsStore : public StatisticsStore {
 public:
  static constexpr const char* kKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\FreeCell";

  Statistics Load() const override;
  void Save(const Statistics& stats) const override;
};

}  // namespace freecell
