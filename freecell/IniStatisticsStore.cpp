// entpack.ini access through the private-profile functions.
#include "IniStatisticsStore.h"

#include <windows.h>

#include "TextNumber.h"

namespace freecell {
namespace {

const char kSection[] = "ﾌﾘｰｾﾙ";

struct Key {
  const char* name;
  std::int32_t Statistics::*field;
};

// In the order FreeCell writes them.
const Key kKeys[] = {
    {"連敗", &Statistics::losses}, {"敗", &Statistics::lost},   {"連勝/連敗", &Statistics::streak},
    {"stype", &Statistics::stype}, {"連勝", &Statistics::wins}, {"勝", &Statistics::won},
};

std::int32_t ReadNumber(const std::string& file, const char* key) {
  // A counter is at most 11 characters; a longer value is not a counter and reads as its first digits.
  std::string value(32, '\0');
  const DWORD length = GetPrivateProfileStringA(kSection, key, "0", value.data(), static_cast<DWORD>(value.size()),
                                                file.c_str());
  value.resize(length);
  return nuvari::ParseLeadingInt(value);
}

}  // namespace

std::string IniStatisticsStore::FilePath() {
  const UINT size = GetWindowsDirectoryA(nullptr, 0);
  std::string directory(size, '\0');
  directory.resize(GetWindowsDirectoryA(directory.data(), size));
  return directory + "\\entpack.ini";
}

Statistics IniStatisticsStore::Load() const {
  const std::string file = FilePath();
  Statistics stats;
  for (const Key& key : kKeys) stats.*key.field = ReadNumber(file, key.name);
  return stats;
}

void IniStatisticsStore::Save(const Statistics& stats) const {
  const std::string file = FilePath();
  for (const Key& key : kKeys) {
    WritePrivateProfileStringA(kSection, key.name, nuvari::FormatInt(stats.*key.field).c_str(), file.c_str());
  }
}

}  // namespace freecell
