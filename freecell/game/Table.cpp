// The rules on a compact table: the columns lie back to back in one array, so that a table is small
// enough for the solver to copy and keep by the hundred thousand.
#include "Table.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

namespace freecell {
namespace {

constexpr std::uint64_t Mix(std::uint64_t x) {
  x += 0x9e3779b97f4a7c15ull;
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
  return x ^ (x >> 31);
}

template <std::size_t... Index>
constexpr std::array<Card, sizeof...(Index)> OrderedCards(std::index_sequence<Index...>) {
  return {Card::FromIndex(static_cast<int>(Index))...};
}

Table::Layout Dealt(const Deal& deal) {
  Table::Layout layout;
  for (int column = 0; column < Table::kColumns; ++column) {
    layout.columns[static_cast<std::size_t>(column)] = deal.Column(column);
  }
  return layout;
}

}  // namespace

Table::Table(const Deal& deal) : Table(Dealt(deal)) {}

Table::Table(const Layout& layout) : m_cards(OrderedCards(std::make_index_sequence<Card::kDeckSize>{})) {
  std::size_t next = 0;
  for (std::size_t column = 0; column < kColumns; ++column) {
    for (const Card& card : layout.columns[column]) m_cards[next++] = card;
    m_lengths[column] = static_cast<std::uint8_t>(layout.columns[column].size());
  }
  for (std::size_t cell = 0; cell < kCells; ++cell) {
    m_cells[cell] = layout.cells[cell] ? static_cast<std::uint8_t>(layout.cells[cell]->Index()) : kNoCard;
  }
  for (std::size_t suit = 0; suit < Card::kSuits; ++suit) m_home[suit] = static_cast<std::uint8_t>(layout.homeRanks[suit]);
  CountStarts();
}

void Table::CountStarts() {
  std::uint8_t start = 0;
  for (std::size_t column = 0; column < kColumns; ++column) {
    m_starts[column] = start;
    start = static_cast<std::uint8_t>(start + m_lengths[column]);
  }
}

bool Table::IsWon() const {
  return std::all_of(m_home.begin(), m_home.end(), [](std::uint8_t rank) { return rank == Card::kKing; });
}

int Table::RunLength(int column) const {
  const std::span<const Card> cards = Column(column);
  std::size_t run = cards.empty() ? 0 : 1;
  while (run < cards.size() && cards[cards.size() - run].GoesOn(cards[cards.size() - run - 1])) ++run;
  return static_cast<int>(run);
}

int Table::MoveLimit(bool toEmptyColumn) const {
  const int emptyColumns = EmptyColumns() - (toEmptyColumn ? 1 : 0);
  return (EmptyCells() + 1) << std::max(emptyColumns, 0);
}

Table::Room Table::CountRoom() const { return {MoveLimit(false), MoveLimit(true)}; }

std::optional<Move> Table::MoveBetween(Place from, Place to) const {
  const std::optional<Card> card = CardAt(from);
  if (!card || from == to) return std::nullopt;
  Move move{from, to, 1};
  if (to.area == Area::Foundation) move.to = FoundationPlace(static_cast<int>(card->GetSuit()));
  if (from.area == Area::Column && to.area == Area::Column) {
    move.count = static_cast<std::uint8_t>(CardsToColumn(from.index, to.index, RunLength(from.index), CountRoom()));
  }
  if (!IsLegal(move)) return std::nullopt;
  return move;
}

bool Table::IsLegal(const Move& move) const { return IsLegal(move, CountRoom()); }

bool Table::IsLegal(const Move& move, const Room& room) const {
  const std::optional<Card> card = CardAt(move.from);
  if (!card || move.from == move.to || move.count < 1) return false;
  switch (move.to.area) {
    case Area::Foundation:
      return move.count == 1 && static_cast<int>(card->GetSuit()) == move.to.index && GoesHome(*card);
    case Area::Cell:
      return move.count == 1 && !Cell(move.to.index);
    case Area::Column:
      if (move.from.area == Area::Cell) {
        const std::optional<Card> target = Top(move.to.index);
        return move.count == 1 && (!target || card->GoesOn(*target));
      }
      {
        const int most = CardsToColumn(move.from.index, move.to.index, RunLength(move.from.index), room);
        if (ColumnSize(move.to.index) > 0) return most > 0 && move.count == most;
        return move.count == most || move.count == 1;
      }
  }
  return false;
}

void Table::Apply(const Move& move) {
  if (move.from.area == Area::Column && move.to.area == Area::Column) {
    // The cards between the two tops turn round, so that the moved ones land on the destination.
    const auto from = m_cards.begin() + ColumnStart(move.from.index) + ColumnSize(move.from.index);
    const auto to = m_cards.begin() + ColumnStart(move.to.index) + ColumnSize(move.to.index);
    if (from <= to) {
      std::rotate(from - move.count, from, to);
    } else {
      std::rotate(to, from - move.count, from);
    }
    m_lengths[move.from.index] = static_cast<std::uint8_t>(m_lengths[move.from.index] - move.count);
    m_lengths[move.to.index] = static_cast<std::uint8_t>(m_lengths[move.to.index] + move.count);
    CountStarts();
    return;
  }
  const Card card = *CardAt(move.from);
  Remove(move.from);
  Put(move.to, card);
}

void Table::Remove(Place place) {
  if (place.area == Area::Cell) {
    m_cells[place.index] = kNoCard;
    return;
  }
  const auto top = m_cards.begin() + ColumnStart(place.index) + ColumnSize(place.index) - 1;
  std::copy(top + 1, m_cards.end(), top);
  --m_lengths[place.index];
  CountStarts();
}

void Table::Put(Place place, Card card) {
  switch (place.area) {
    case Area::Cell: m_cells[place.index] = static_cast<std::uint8_t>(card.Index()); return;
    case Area::Foundation: m_home[place.index] = static_cast<std::uint8_t>(card.Rank()); return;
    case Area::Column: {
      const auto end = m_cards.begin() + ColumnStart(place.index) + ColumnSize(place.index);
      std::copy_backward(end, m_cards.end() - 1, m_cards.end());
      *end = card;
      ++m_lengths[place.index];
      CountStarts();
      return;
    }
  }
}

// The classic rule: aces and twos always; a higher card once both cards of the other colour one rank
// lower are home, since only those could still be laid on it.
std::optional<Move> Table::SafeMoveHome() const {
  const int blackHome = std::min(HomeRank(Suit::Clubs), HomeRank(Suit::Spades));
  const int redHome = std::min(HomeRank(Suit::Diamonds), HomeRank(Suit::Hearts));
  auto safe = [&](Card card) {
    return GoesHome(card) && (card.Rank() <= 2 || (card.IsRed() ? blackHome : redHome) >= card.Rank() - 1);
  };
  for (int column = 0; column < kColumns; ++column) {
    const std::optional<Card> top = Top(column);
    if (top && safe(*top)) return Move{ColumnPlace(column), FoundationPlace(static_cast<int>(top->GetSuit())), 1};
  }
  for (int cell = 0; cell < kCells; ++cell) {
    const std::optional<Card> card = Cell(cell);
    if (card && safe(*card)) return Move{CellPlace(cell), FoundationPlace(static_cast<int>(card->GetSuit())), 1};
  }
  return std::nullopt;
}

std::vector<Move> Table::PlaySafeMovesHome() {
  std::vector<Move> moves;
  while (const std::optional<Move> move = SafeMoveHome()) {
    Apply(*move);
    moves.push_back(*move);
  }
  return moves;
}

void Table::LegalMoves(std::vector<Move>& moves) const {
  moves.clear();
  const Room room = CountRoom();
  // A card can only go onto one of its two parents (one rank higher, the other colour) where that
  // is a column's top card: looking those up spares trying every column.
  std::array<std::int8_t, Card::kDeckSize> columnOfTop;
  columnOfTop.fill(-1);
  for (int column = 0; column < kColumns; ++column) {
    if (const std::optional<Card> top = Top(column)) columnOfTop[static_cast<std::size_t>(top->Index())] = static_cast<std::int8_t>(column);
  }
  auto onParents = [&](Card card, auto&& visit) {
    if (card.Rank() == Card::kKing) return;
    for (Suit suit : card.IsRed() ? std::array{Suit::Clubs, Suit::Spades} : std::array{Suit::Diamonds, Suit::Hearts}) {
      const int column = columnOfTop[static_cast<std::size_t>(Card(card.Rank() + 1, suit).Index())];
      if (column >= 0) visit(column);
    }
  };
  // Empty columns are alike, and so are empty cells: one of each is enough as a destination.
  const int emptyColumn = static_cast<int>(std::find(m_lengths.begin(), m_lengths.end(), 0) - m_lengths.begin());
  const int emptyCell = static_cast<int>(std::find(m_cells.begin(), m_cells.end(), kNoCard) - m_cells.begin());
  auto add = [&](const Move& move) {
    if (IsLegal(move, room)) moves.push_back(move);
  };
  for (int cell = 0; cell < kCells; ++cell) {
    const std::optional<Card> card = Cell(cell);
    if (!card) continue;
    add({CellPlace(cell), FoundationPlace(static_cast<int>(card->GetSuit())), 1});
    onParents(*card, [&](int column) { add({CellPlace(cell), ColumnPlace(column), 1}); });
    if (emptyColumn < kColumns) add({CellPlace(cell), ColumnPlace(emptyColumn), 1});
  }
  for (int from = 0; from < kColumns; ++from) {
    const std::span<const Card> cards = Column(from);
    if (cards.empty()) continue;
    add({ColumnPlace(from), FoundationPlace(static_cast<int>(cards.back().GetSuit())), 1});
    const int run = RunLength(from);
    for (int count = 1; count <= std::min(run, room.toOccupied); ++count) {
      onParents(cards[cards.size() - static_cast<std::size_t>(count)],
                [&](int to) { add({ColumnPlace(from), ColumnPlace(to), static_cast<std::uint8_t>(count)}); });
    }
    // To an empty column: the most that may go and the one card, unless that is the whole column.
    if (emptyColumn < kColumns) {
      const auto most = static_cast<std::uint8_t>(CardsToColumn(from, emptyColumn, run, room));
      if (most < cards.size()) add({ColumnPlace(from), ColumnPlace(emptyColumn), most});
      if (most > 1 && cards.size() > 1) add({ColumnPlace(from), ColumnPlace(emptyColumn), 1});
    }
    if (emptyCell < kCells) add({ColumnPlace(from), CellPlace(emptyCell), 1});
  }
}

bool Table::HasLegalMove() const {
  std::vector<Move> moves;
  LegalMoves(moves);
  return !moves.empty();
}

std::uint64_t Table::Key() const {
  // A column's cards each add their own random number, turned by the card's place in the column;
  // columns and free cards then add up, which is blind to their order.
  static constexpr std::array<std::uint64_t, Card::kDeckSize> kCardKeys = [] {
    std::array<std::uint64_t, Card::kDeckSize> keys{};
    for (std::size_t card = 0; card < keys.size(); ++card) keys[card] = Mix(card);
    return keys;
  }();
  std::uint64_t key = 0;
  for (std::size_t column = 0; column < kColumns; ++column) {
    const Card* cards = &m_cards[m_starts[column]];
    std::uint64_t hash = m_lengths[column];
    for (int place = 0; place < m_lengths[column]; ++place) {
      hash += std::rotl(kCardKeys[static_cast<std::size_t>(cards[place].Index())], place);
    }
    key += Mix(hash);
  }
  for (std::uint8_t code : m_cells) {
    if (code != kNoCard) key += kCardKeys[code] * 0x9fb21c651e98df25ull;
  }
  return key;
}

bool Table::SamePosition(const Table& other) const {
  if (m_home != other.m_home) return false;
  // Cards are all different: the same cells hold the same cards when each card here is there too.
  for (std::uint8_t code : m_cells) {
    if (code != kNoCard && std::find(other.m_cells.begin(), other.m_cells.end(), code) == other.m_cells.end())
      return false;
  }
  // With the same cards home and in the cells, the columns hold the same cards: each column here,
  // known by its first card, must be there card for card.
  std::array<std::int8_t, Card::kDeckSize> theirColumn;
  theirColumn.fill(-1);
  for (int column = 0; column < kColumns; ++column) {
    if (other.ColumnSize(column) > 0) theirColumn[static_cast<std::size_t>(other.Column(column).front().Index())] = static_cast<std::int8_t>(column);
  }
  for (int mine = 0; mine < kColumns; ++mine) {
    const std::span<const Card> cards = Column(mine);
    if (cards.empty()) continue;
    const int theirs = theirColumn[static_cast<std::size_t>(cards.front().Index())];
    if (theirs < 0) return false;
    const std::span<const Card> their = other.Column(theirs);
    if (!std::equal(cards.begin(), cards.end(), their.begin(), their.end())) return false;
  }
  return true;
}

}  // namespace freecell
