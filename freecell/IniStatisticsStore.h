// The NT family's store: section "ﾌﾘｰｾﾙ" of entpack.ini in the Windows directory. Other keys of the
// section (such as "ﾒｯｾｰｼﾞ") are left as they are.
#pragma once

#include <string>

#include "StatisticsStore.h"

namespace freecell {

class IniStatisticsStore : public StatisticsStore {
 public:
  Statistics Load() const override;
  void Save(const Statistics& stats) const override;

  static std::string FilePath();
};

}  // namespace freecell
