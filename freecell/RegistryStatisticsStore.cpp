// Registry store: values little-endian 32-bit, as FreeCell writes them.
#include "RegistryStatisticsStore.h"

#include "RegKey.h"

namespace freecell {
namespace {

struct Value {
  const char* name;
  std::int32_t Statistics::*field;
};

const Value kValues[] = {
    {"losses", &Statistics::losses}, {"lost", &Statistics::lost}, {"streak", &Statistics::streak},
    {"stype", &Statistics::stype},   {"wins", &Statistics::wins}, {"won", &Statistics::won},
};

}  // namespace

Statistics RegistryStatisticsStore::Load() const {
  Statistics stats;
  const RegKey key = RegKey::Create(HKEY_CURRENT_USER, kKeyPath);
  if (!key.IsOpen()) return stats;
  for (const Value& value : kValues) stats.*value.field = key.GetDword(value.name).value_or(0);
  return stats;
}

void RegistryStatisticsStore::Save(const Statistics& stats) const {
  const RegKey key = RegKey::Create(HKEY_CURRENT_USER, kKeyPath);
  if (!key.IsOpen()) return;
  for (const Value& value : kValues) key.SetDword(value.name, stats.*value.field);
}

}  // namespace freecell
