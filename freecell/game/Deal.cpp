// The deal-number algorithm: a linear congruential generator seeded with the deal number picks cards
// from an ordered deck; each pick is replaced by the last card still in the deck.
#include "Deal.h"

#include <cstdint>

namespace freecell {
namespace {

// The C runtime generator the published deals were made with; 32-bit wrap-around is part of it.
class DealRandom {
 public:
  explicit DealRandom(std::uint32_t seed) : m_seed(seed) {}
  int Next() {
    m_seed = m_seed * 214013u + 2531011u;
    return static_cast<int>((m_seed >> 16) & 0x7fffu);
  }

 private:
  std::uint32_t m_seed;
};

// Ace of clubs, ace of diamonds, ace of hearts, ace of spades, two of clubs ... king of spades.
std::vector<Card> OrderedDeck() {
  std::vector<Card> deck;
  for (int rank = 1; rank <= 13; ++rank) {
    for (Suit suit : {Suit::Clubs, Suit::Diamonds, Suit::Hearts, Suit::Spades}) deck.emplace_back(rank, suit);
  }
  return deck;
}

}  // namespace

Deal::Deal(int number) : m_nNumber(number) {
  DealRandom random(static_cast<std::uint32_t>(number));
  std::vector<Card> deck = OrderedDeck();
  for (std::size_t dealt = 0; !deck.empty(); ++dealt) {
    const std::size_t pick = static_cast<std::size_t>(random.Next()) % deck.size();
    m_columns[dealt % kColumns].push_back(deck[pick]);
    deck[pick] = deck.back();
    deck.pop_back();
  }
}

}  // namespace freecell
