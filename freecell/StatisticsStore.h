// Where FreeCell keeps its win/loss counters: one store per Windows family.
#pragma once

#include <memory>

#include "Options.h"
#include "Statistics.h"

namespace freecell {

class StatisticsStore {
 public:
  virtual ~StatisticsStore() = default;
  // Counters missing from the store count as 0.
  virtual Statistics Load() const = 0;
  virtual void Save(const Statistics& stats) const = 0;

  static std::unique_ptr<StatisticsStore> ForFamily(Family family);
};

}  // namespace freecell
