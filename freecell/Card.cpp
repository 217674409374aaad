// Card texts.
#include "Card.h"

namespace freecell {

Card::Card(int rank, Suit suit) : m_nRank(rank), m_suit(suit) {}

std::string Card::Text() const {
  static const char kRanks[] = "A23456789TJQK";
  static const char kSuits[] = "CDHS";
  return {kRanks[m_nRank - 1], kSuits[static_cast<int>(m_suit)]};
}

std::string Card::RankText() const {
  switch (m_nRank) {
    case 1: return "A";
    case 11: return "J";
    case 12: return "Q";
    case 13: return "K";
    default: return std::to_string(m_nRank);
  }
}

}  // namespace freecell
