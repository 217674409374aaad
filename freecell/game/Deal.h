// The deal of one numbered game: the classic deal-number algorithm that every FreeCell shares, so that
// deal N shows the same eight columns everywhere.
#pragma once

#include <array>
#include <vector>

#include "Card.h"

namespace freecell {

class Deal {
 public:
  static constexpr int kColumns = 8;
  static constexpr int kFirstNumber = 1;
  static constexpr int kLastNumber = 32000;

  static bool IsValidNumber(int number) { return number >= kFirstNumber && number <= kLastNumber; }

  // Any number deals; only 1 to 32000 are the numbered games a player can choose.
  explicit Deal(int number);

  int Number() const { return m_nNumber; }
  // Top of the column is the last card.
  const std::vector<Card>& Column(int index) const { return m_columns.at(static_cast<std::size_t>(index)); }

 private:
  int m_nNumber;
  std::array<std::vector<Card>, kColumns> m_columns;
};

}  // namespace freecell
