// One playing card of the 52-card deck, with the short texts the deal tests and the table drawing use.
#pragma once

#include <string>

namespace freecell {

enum class Suit { Clubs, Diamonds, Hearts, Spades };

class Card {
 public:
  Card(int rank, Suit suit);

  int Rank() const { return m_nRank; }  // 1 (ace) to 13 (king)
  Suit GetSuit() const { return m_suit; }
  bool IsRed() const { return m_suit == Suit::Diamonds || m_suit == Suit::Hearts; }

  // Two characters as deal layouts are published: "AS", "TD", "KH".
  std::string Text() const;
  // The rank as printed on the card face: "A", "2" ... "10", "J", "Q", "K".
  std::string RankText() const;

  bool operator==(const Card& other) const = default;

 private:
  int m_nRank;
  Suit m_suit;
};

}  // namespace freecell
