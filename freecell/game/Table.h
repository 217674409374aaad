// The table of one game and the rules of FreeCell: eight columns, four free cells, a foundation per
// suit; which moves are legal, how many cards a move along the columns may take, and which cards go
// home by themselves. Mouse play, the automatic moves and the solver all go through this one class.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "Card.h"
#include "Deal.h"
#include "Move.h"

namespace freecell {

class Table {
 public:
  static constexpr int kColumns = Deal::kColumns;
  static constexpr int kCells = 4;

  // Any position: each column from the back to its top card, the free cells, the highest rank home
  // per suit. Every card must be in exactly one place (the ones home counted by their ranks).
  struct Layout {
    std::array<std::vector<Card>, kColumns> columns;
    std::array<std::optional<Card>, kCells> cells;
    std::array<int, Card::kSuits> homeRanks{};
  };

  explicit Table(const Deal& deal);
  explicit Table(const Layout& layout);

  // --- What lies where ---
  // The column's cards from the back (the card dealt first) to the top card.
  std::span<const Card> Column(int column) const;
  int ColumnSize(int column) const { return m_lengths[static_cast<std::size_t>(column)]; }
  std::optional<Card> Top(int column) const;
  std::optional<Card> Cell(int cell) const;
  // The highest rank on the suit's foundation; 0 while it is empty.
  int HomeRank(Suit suit) const { return m_home[static_cast<std::size_t>(suit)]; }
  bool IsWon() const;
  int EmptyCells() const;
  int EmptyColumns() const;

  // --- Rules ---
  // Cards at the top of the column in order (each one lower and of the other colour than the one under it).
  int RunLength(int column) const;
  // How many cards one move along the columns may take: (free cells + 1), doubled for each empty
  // column other than the destination.
  int MoveLimit(bool toEmptyColumn) const;
  // The move from one place to another as a player makes it by two clicks: to an occupied column the
  // cards that fit on it, to an empty column as many as may go (the player may choose one instead),
  // to the foundations the suit's own. Nothing when the move is not legal.
  std::optional<Move> MoveBetween(Place from, Place to) const;
  bool IsLegal(const Move& move) const;
  // The move must be legal.
  void Apply(const Move& move);
  // A card that goes home by itself: no card left in play could still be laid on it.
  std::optional<Move> SafeMoveHome() const;
  // Applies the safe moves home one after another; returns them in order.
  std::vector<Move> PlaySafeMovesHome();
  // Every legal move that changes the game (not a card from one free cell to another, not a whole
  // column to an empty one); to an empty column both the one card and the most that may go.
  void LegalMoves(std::vector<Move>& moves) const;
  bool HasLegalMove() const;

  // --- Identity ---
  // Equal for tables that differ only in the order of their columns or of their free cells.
  std::uint64_t Key() const;
  bool SamePosition(const Table& other) const;
  bool operator==(const Table& other) const = default;

 private:
  static constexpr std::uint8_t kNoCard = 0xff;

  // What a move along the columns depends on, counted once for all the moves of a position.
  struct Room {
    int toOccupied;  // the move limit to an occupied column
    int toEmpty;     // ... and to an empty one
  };
  Room CountRoom() const;
  int ColumnStart(int column) const { return m_starts[static_cast<std::size_t>(column)]; }
  void CountStarts();
  int CardsToColumn(int from, int to, int run, const Room& room) const;
  bool IsLegal(const Move& move, const Room& room) const;
  std::optional<Card> CardAt(Place place) const;
  bool GoesHome(Card card) const;
  // One card off a column's top or out of a free cell; one card onto a place.
  void Remove(Place place);
  void Put(Place place, Card card);

  std::array<Card, Card::kDeckSize> m_cards;  // the columns' cards, column after column
  std::array<std::uint8_t, kColumns> m_lengths{};
  std::array<std::uint8_t, kColumns> m_starts{};  // where each column begins in m_cards
  std::array<std::uint8_t, kCells> m_cells{};
  std::array<std::uint8_t, Card::kSuits> m_home{};
};

// Small and asked for all the time by the solver: here, so that they can be inlined.
inline std::span<const Card> Table::Column(int column) const {
  return {&m_cards[static_cast<std::size_t>(ColumnStart(column))], m_lengths[static_cast<std::size_t>(column)]};
}

inline std::optional<Card> Table::Top(int column) const {
  const std::span<const Card> cards = Column(column);
  if (cards.empty()) return std::nullopt;
  return cards.back();
}

inline std::optional<Card> Table::Cell(int cell) const {
  const std::uint8_t code = m_cells[static_cast<std::size_t>(cell)];
  if (code == kNoCard) return std::nullopt;
  return Card::FromIndex(code);
}

inline int Table::EmptyCells() const { return static_cast<int>(std::count(m_cells.begin(), m_cells.end(), kNoCard)); }

inline int Table::EmptyColumns() const {
  return static_cast<int>(std::count(m_lengths.begin(), m_lengths.end(), std::uint8_t{0}));
}

inline std::optional<Card> Table::CardAt(Place place) const {
  switch (place.area) {
    case Area::Column: return Top(place.index);
    case Area::Cell: return Cell(place.index);
    case Area::Foundation: return std::nullopt;  // cards at home stay home
  }
  return std::nullopt;
}

// run: RunLength(from). 0 when no card of the source's run may go onto the destination column.
inline int Table::CardsToColumn(int from, int to, int run, const Room& room) const {
  if (from == to || run == 0) return 0;
  const std::span<const Card> source = Column(from);
  const std::optional<Card> target = Top(to);
  if (!target) return std::min(run, room.toEmpty);
  const int count = target->Rank() - source.back().Rank();
  if (count < 1 || count > run || count > room.toOccupied) return 0;
  return source[source.size() - static_cast<std::size_t>(count)].GoesOn(*target) ? count : 0;
}

inline bool Table::GoesHome(Card card) const { return HomeRank(card.GetSuit()) + 1 == card.Rank(); }

}  // namespace freecell
