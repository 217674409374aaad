// The rules of the game on positions laid out by hand, and the table's geometry that the mouse and
// the drawing share.
#include "Table.h"
#include "TableLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TableText.h"

namespace freecell::test {
namespace {

// Only the cards a rule looks at: the rules do not count the deck.
Table::Layout Layout(std::vector<std::string> columns, std::vector<std::string> cells = {},
                     std::array<int, 4> home = {}) {
  Table::Layout layout;
  for (std::size_t i = 0; i < columns.size(); ++i) layout.columns[i] = Cards(columns[i]);
  for (std::size_t i = 0; i < cells.size(); ++i)
    if (!cells[i].empty()) layout.cells[i] = Cards(cells[i]).front();
  layout.homeRanks = home;
  return layout;
}

Move ColumnMove(int from, int to, int count) { return {ColumnPlace(from), ColumnPlace(to), static_cast<std::uint8_t>(count)}; }

TEST(TableRules, MoveLimitDoublesForEachEmptyColumnButTheDestination) {
  // toEmpty is 0 where there is no empty column to move to.
  struct Row { int line; int filledCells; int emptyColumns; int toOccupied; int toEmpty; } rows[] = {
      {__LINE__, 4, 0, 1, 0}, {__LINE__, 0, 0, 5, 0}, {__LINE__, 2, 1, 6, 3},
      {__LINE__, 0, 2, 20, 10}, {__LINE__, 3, 3, 16, 8},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    std::vector<std::string> columns(8, "KS");
    for (int c = 0; c < row.emptyColumns; ++c) columns[static_cast<std::size_t>(c)] = "";
    std::vector<std::string> cells = {"2H", "3H", "4H", "5H"};
    cells.resize(static_cast<std::size_t>(row.filledCells));
    const Table table(Layout(columns, cells));
    EXPECT_EQ(std::pair(table.MoveLimit(false), row.emptyColumns > 0 ? table.MoveLimit(true) : 0),
              std::pair(row.toOccupied, row.toEmpty));
  }
}

TEST(TableRules, ASequenceMovesAsFarAsTheDestinationAsksAndTheLimitAllows) {
  // Column 1 ends in the run 9S 8H 7C 6D; three cells are full: one free cell, limit 2.
  const Table table(Layout({"2C 9S 8H 7C 6D", "TH", "8D", "7S", "KD", "KC", "QC", "JH"}, {"AD", "AH", "AS"}));
  EXPECT_EQ(table.RunLength(0), 4);
  EXPECT_EQ(table.MoveBetween(ColumnPlace(0), ColumnPlace(3)), ColumnMove(0, 3, 1)) << "6D on 7S";
  EXPECT_EQ(table.MoveBetween(ColumnPlace(0), ColumnPlace(2)), ColumnMove(0, 2, 2)) << "7C 6D on 8D";
  EXPECT_FALSE(table.MoveBetween(ColumnPlace(0), ColumnPlace(1))) << "four cards onto TH, but only two may go";
  EXPECT_FALSE(table.MoveBetween(ColumnPlace(0), ColumnPlace(4))) << "nothing of the run fits on KD";
  EXPECT_FALSE(table.IsLegal(ColumnMove(0, 2, 1))) << "only the count that fits";

  // To an empty column go either the most that may (three, with two free cells) or one card.
  const Table empty(Layout({"2C 9S 8H 7C 6D", "", "KD", "KC", "QC", "JH", "TS", "9H"}, {"AD", "AH"}));
  EXPECT_EQ(empty.MoveBetween(ColumnPlace(0), ColumnPlace(1)), ColumnMove(0, 1, 3));
  EXPECT_TRUE(empty.IsLegal(ColumnMove(0, 1, 1)));
  EXPECT_FALSE(empty.IsLegal(ColumnMove(0, 1, 2)));
  EXPECT_FALSE(empty.IsLegal(ColumnMove(0, 1, 4)));
}

TEST(TableRules, CellsAndFoundationsTakeOnlyWhatFits) {
  const Table table(Layout({"3H 2S", "AC", "4C", ""}, {"3D", "", "2D", "KC"}, {0, 1, 2, 1}));
  EXPECT_EQ(table.MoveBetween(ColumnPlace(1), FoundationPlace(0)), (Move{ColumnPlace(1), FoundationPlace(0), 1}));
  EXPECT_EQ(table.MoveBetween(CellPlace(2), FoundationPlace(3)), (Move{CellPlace(2), FoundationPlace(1), 1}))
      << "any foundation place means the card's own suit";
  EXPECT_FALSE(table.MoveBetween(CellPlace(0), FoundationPlace(1))) << "3D before 2D";
  EXPECT_TRUE(table.MoveBetween(ColumnPlace(0), FoundationPlace(3))) << "2S on AS";
  EXPECT_TRUE(table.MoveBetween(CellPlace(0), ColumnPlace(2))) << "3D on 4C";
  EXPECT_FALSE(table.MoveBetween(CellPlace(3), ColumnPlace(2))) << "KC is no card for 4C";
  EXPECT_TRUE(table.MoveBetween(CellPlace(3), ColumnPlace(3)));
  EXPECT_TRUE(table.MoveBetween(ColumnPlace(2), CellPlace(1)));
  EXPECT_FALSE(table.MoveBetween(ColumnPlace(2), CellPlace(0))) << "the cell is taken";
  EXPECT_FALSE(table.MoveBetween(FoundationPlace(1), CellPlace(1))) << "cards home stay home";
  EXPECT_FALSE(table.MoveBetween(ColumnPlace(3), CellPlace(1))) << "an empty column gives nothing";
}

TEST(TableRules, MovesKeepEveryCardWhicheverWayTheColumnsLie) {
  // Cards go right and left, over other columns, into the empty column next to their own, from and
  // to the free cells.
  Table table(Layout({"KS QH JC", "", "QD", "KC", "", "", "", "2C"}));
  const Move moves[] = {ColumnMove(0, 1, 1), ColumnMove(1, 2, 1),      ColumnMove(2, 3, 2),
                        ColumnMove(3, 0, 1), {ColumnPlace(7), CellPlace(2), 1}, {CellPlace(2), ColumnPlace(1), 1},
                        ColumnMove(0, 6, 3)};
  for (const Move& move : moves) {
    ASSERT_TRUE(table.IsLegal(move)) << move.Text();
    table.Apply(move);
  }
  EXPECT_EQ(Text(table), "- | 2C | - | KC QD | - | - | KS QH JC | -");
  EXPECT_EQ(table.EmptyCells(), 4);
}

TEST(TableRules, CardsGoHomeOnlyWhenNoCardInPlayCouldStillLieOnThem) {
  struct Row {
    int line;
    std::array<int, 4> home;  // clubs, diamonds, hearts, spades
    const char* top;
    bool goesHome;
  } rows[] = {
      {__LINE__, {0, 0, 0, 0}, "AH", true},  {__LINE__, {1, 0, 0, 0}, "2C", true},
      {__LINE__, {2, 1, 2, 1}, "3H", false},  // the 2 of spades could still go on it
      {__LINE__, {2, 1, 2, 2}, "3H", true},  {__LINE__, {4, 4, 2, 3}, "5C", false},
      {__LINE__, {4, 4, 4, 3}, "5C", true},  {__LINE__, {1, 0, 0, 0}, "3C", false},
  };
  for (const Row& row : rows) {
    const Table table(Layout({"", row.top}, {}, row.home));
    EXPECT_EQ(table.SafeMoveHome().has_value(), row.goesHome) << "row at line " << row.line;
  }
  Table chain(Layout({"KD 3C 2C AC"}, {"2D", "", "AD"}, {0, 0, 2, 0}));
  EXPECT_EQ(chain.PlaySafeMovesHome().size(), 5u) << "AC 2C from the column, AD 2D from the cells, then 3C";
  EXPECT_EQ(Text(chain), "KD | - | - | - | - | - | - | -");
  EXPECT_EQ(chain.HomeRank(Suit::Clubs), 3);
}

TEST(TableRules, OfferedMovesLeaveOutTheOnesThatChangeNothing) {
  const Table table(Layout({"KS QH", "", "5C"}, {"9D"}, {0, 0, 0, 0}));
  std::vector<Move> moves;
  table.LegalMoves(moves);
  auto offered = [&](const Move& move) { return std::find(moves.begin(), moves.end(), move) != moves.end(); };
  EXPECT_TRUE(offered(ColumnMove(0, 1, 1))) << "QH alone to the empty column";
  EXPECT_FALSE(offered(ColumnMove(0, 1, 2))) << "the whole column to an empty one";
  EXPECT_FALSE(offered(ColumnMove(2, 1, 1))) << "a one-card column to an empty one";
  EXPECT_FALSE(offered({CellPlace(0), CellPlace(1), 1})) << "from cell to cell";
  EXPECT_TRUE(offered({CellPlace(0), ColumnPlace(1), 1}));
  for (const Move& move : moves) EXPECT_TRUE(table.IsLegal(move)) << move.Text();
  EXPECT_TRUE(table.HasLegalMove());
  // Full cells and no fitting card leave no move.
  const Table stuck(Layout({"KS", "KC", "QS", "QC", "JS", "JC", "TS", "TC"}, {"9S", "9C", "8S", "8C"}));
  EXPECT_FALSE(stuck.HasLegalMove());
}

TEST(TablePosition, ColumnsAndCellsInAnotherOrderAreTheSamePosition) {
  const Table a(Layout({"KS QH", "5C", "", "9D 8S"}, {"2H", "", "7C"}, {1, 0, 0, 0}));
  const Table b(Layout({"", "9D 8S", "KS QH", "5C"}, {"", "7C", "", "2H"}, {1, 0, 0, 0}));
  const Table c(Layout({"", "9D 8S", "KS", "5C QH"}, {"", "7C", "", "2H"}, {1, 0, 0, 0}));
  EXPECT_EQ(a.Key(), b.Key());
  EXPECT_TRUE(a.SamePosition(b));
  EXPECT_FALSE(a.SamePosition(c));
  EXPECT_NE(a.Key(), c.Key());
}

TEST(TableLayout, EveryPlaceIsFoundWhereItIsClickedAndTheGapsAreNoPlace) {
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(TableLayout::PlaceAt(TableLayout::ClickPoint(ColumnPlace(i))), ColumnPlace(i));
    // A column answers all the way down, not only at its first card.
    const Point low{TableLayout::ColumnLeft(i) + 1, TableLayout::kClientHeight - 1};
    EXPECT_EQ(TableLayout::PlaceAt(low), ColumnPlace(i));
  }
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(TableLayout::PlaceAt(TableLayout::ClickPoint(CellPlace(i))), CellPlace(i));
    EXPECT_EQ(TableLayout::PlaceAt(TableLayout::ClickPoint(FoundationPlace(i))), FoundationPlace(i));
  }
  // The gaps between the columns, the strip between the rows and the margins.
  const int gapX = TableLayout::ColumnLeft(1) - 4;
  EXPECT_FALSE(TableLayout::PlaceAt({gapX, TableLayout::kColumnsTop + 10}));
  EXPECT_FALSE(TableLayout::PlaceAt({TableLayout::ColumnLeft(0) + 5, TableLayout::kColumnsTop - 5}));
  EXPECT_FALSE(TableLayout::PlaceAt({TableLayout::kMargin - 1, TableLayout::kColumnsTop + 10}));
  EXPECT_FALSE(TableLayout::PlaceAt({TableLayout::kClientWidth - 1, TableLayout::kColumnsTop + 10}));
}

TEST(TableLayout, TheLongestColumnKeepsItsTopCardInTheWindow) {
  // Seven dealt cards with a run from king to ace on them: 19 cards.
  for (int size : {2, 13, 14, 19}) {
    EXPECT_LE(TableLayout::CardTop(size - 1, size) + TableLayout::kCardHeight,
              TableLayout::kClientHeight - TableLayout::kMargin) << size << " cards";
    EXPECT_LT(TableLayout::CardTop(size - 2, size), TableLayout::CardTop(size - 1, size)) << size << " cards";
  }
}

}  // namespace
}  // namespace freecell::test
