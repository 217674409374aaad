// Test helper: positions written as the published layouts write cards ("KS QH JC").
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "Table.h"

namespace freecell::test {

inline std::vector<Card> Cards(const std::string& text) {
  static const std::string kRanks = "A23456789TJQK";
  static const std::string kSuits = "CDHS";
  std::vector<Card> cards;
  std::istringstream words(text);
  for (std::string word; words >> word;) {
    cards.emplace_back(static_cast<int>(kRanks.find(word[0])) + 1, static_cast<Suit>(kSuits.find(word[1])));
  }
  return cards;
}

// The columns, back to top, "|" between them, "-" for an empty one.
inline std::string Text(const Table& table) {
  std::string text;
  for (int column = 0; column < Table::kColumns; ++column) {
    std::string cards;
    for (const Card& card : table.Column(column)) cards += (cards.empty() ? "" : " ") + card.Text();
    text += (column == 0 ? "" : " | ") + (cards.empty() ? std::string("-") : cards);
  }
  return text;
}

}  // namespace freecell::test
