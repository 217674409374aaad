// One playing card of the 52-card deck, held in one byte (the table and the solver copy many of them),
// with the short texts the deal tests, the event log and the table drawing use.
#pragma once

#include <cstdint>
#include <string>

namespace freecell {

enum class Suit : std::uint8_t { Clubs, Diamonds, Hearts, Spades };

class Card {
 public:
  static constexpr int kDeckSize = 52;
  static constexpr int kSuits = 4;
  static constexpr int kKing = 13;

  constexpr Card(int rank, Suit suit) : m_code(static_cast<std::uint8_t>((rank - 1) * kSuits + static_cast<int>(suit))) {}
  // index: 0 (ace of clubs) to 51 (king of spades), rank by rank as the ordered deck lies.
  static constexpr Card FromIndex(int index) { return Card(static_cast<std::uint8_t>(index)); }

  constexpr int Index() const { return m_code; }
  constexpr int Rank() const { return m_code / kSuits + 1; }  // 1 (ace) to 13 (king)
  constexpr Suit GetSuit() const { return static_cast<Suit>(m_code % kSuits); }
  constexpr bool IsRed() const { return GetSuit() == Suit::Diamonds || GetSuit() == Suit::Hearts; }
  // This card may lie on other in a column: one rank lower, the other colour.
  constexpr bool GoesOn(Card other) const { return Rank() + 1 == other.Rank() && IsRed() != other.IsRed(); }

  // Two characters as deal layouts are published: "AS", "TD", "KH".
  std::string Text() const;
  // The rank as printed on the card face: "A", "2" ... "10", "J", "Q", "K".
  std::string RankText() const;

  constexpr bool operator==(const Card& other) const = default;

 private:
  constexpr explicit Card(std::uint8_t code) : m_code(code) {}

  std::uint8_t m_code;
};

}  // namespace freecell
