// The deal generator against the layouts published for games 1 and 617, row by row as they are printed.
#include "Deal.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using freecell::Card;
using freecell::Deal;
using freecell::Suit;

namespace {

// The deal printed as the layouts are published: rows of up to eight cards, top row first.
std::string Layout(const Deal& deal) {
  std::string out;
  for (std::size_t row = 0;; ++row) {
    std::string line;
    for (int column = 0; column < Deal::kColumns; ++column) {
      const std::vector<Card>& cards = deal.Column(column);
      if (row < cards.size()) line += (line.empty() ? "" : " ") + cards[row].Text();
    }
    if (line.empty()) return out;
    out += line + "\n";
  }
}

}  // namespace

TEST(Deal, GamesOneAnd617MatchTheirPublishedLayouts) {
  EXPECT_EQ(Layout(Deal(1)),
            "JD 2D 9H JC 5D 7H 7C 5H\n"
            "KD KC 9S 5S AD QC KH 3H\n"
            "2S KS 9D QD JS AS AH 3C\n"
            "4C 5C TS QH 4H AC 4D 7S\n"
            "3S TD 4S TH 8H 2C JH 7D\n"
            "6D 8S 8D QS 6C 3D 8C TC\n"
            "6S 9C 2H 6H\n");
  EXPECT_EQ(Layout(Deal(617)),
            "7D AD 5C 3S 5S 8C 2D AH\n"
            "TD 7S QD AC 6D 8H AS KH\n"
            "TH QC 3H 9D 6S 8D 3D TC\n"
            "KD 5H 9S 3C 8S 7H 4D JS\n"
            "4C QS 9C 9H 7C 6H 2C 2S\n"
            "4S TS 2H 5D JC 6C JH QH\n"
            "JD KS KC 4H\n");
}

TEST(Deal, EveryNumberedDealHoldsEachCardOnceInColumnsOfSevenAndSix) {
  for (int number : {2, 11982, 31999, Deal::kLastNumber}) {
    Deal deal(number);
    std::vector<int> seen(52, 0);
    for (int column = 0; column < Deal::kColumns; ++column) {
      EXPECT_EQ(deal.Column(column).size(), column < 4 ? 7u : 6u) << "deal " << number << " column " << column;
      for (const Card& card : deal.Column(column)) ++seen[(card.Rank() - 1) * 4 + static_cast<int>(card.GetSuit())];
    }
    EXPECT_EQ(std::vector<int>(52, 1), seen) << "deal " << number;
  }
}

TEST(Deal, NumbersOutsideTheGameRangeAreNotValidAndCardsHaveTheirFaces) {
  std::vector<bool> valid;
  for (int number : {-1, 0, 1, 32000, 32001}) valid.push_back(Deal::IsValidNumber(number));
  EXPECT_EQ(valid, (std::vector<bool>{false, false, true, true, false}));
  EXPECT_EQ((std::vector<std::string>{Card(10, Suit::Hearts).RankText(), Card(1, Suit::Spades).RankText(),
                                      Card(12, Suit::Clubs).RankText()}),
            (std::vector<std::string>{"10", "A", "Q"}));
}
