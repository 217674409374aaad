// Card texts.
#include "Card.h"

namespace freecell {

std::string Card::Text() const {
  static const char kRankLetters[] = "A23456789TJQK";
  static const char kSuitLetters[] = "CDHS";
  return {kRankLetters[Rank() - 1], kSuitLetters[static_cast<int>(GetSuit())]};
}

std::string Card::RankText() const {
  switch (Rank()) {
    case 1: return "A";
    case 11: return "J";
    case 12: return "Q";
    case 13: return "K";
    default: return std::to_string(Rank());
  }
}

}  // namespace freecell
