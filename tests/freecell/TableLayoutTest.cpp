// The table's geometry that the mouse and the drawing share: every place is found again where it
// is clicked, the gaps between places are nothing, and the longest column stays inside the window.
#include "TableLayout.h"

#include <gtest/gtest.h>

namespace freecell::test {
namespace {

TEST(TableLayout, EveryPlaceIsFoundWhereItIsClicked) {
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
}

TEST(TableLayout, GapsAndTheStripBetweenTheRowsAreNoPlace) {
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
