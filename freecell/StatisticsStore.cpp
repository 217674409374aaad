// Choice of the store.
#include "StatisticsStore.h"

#include "IniStatisticsStore.h"
#include "RegistryStatisticsStore.h"

namespace freecell {

std::unique_ptr<StatisticsStore> StatisticsStore::ForFamily(Family family) {
  if (family == Family::Win95) return std::make_unique<RegistryStatisticsStore>();
  return std::make_unique<IniStatisticsStore>();
}

}  // namespace freecell
