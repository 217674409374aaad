// Draws card faces and empty places: the rank in the corners and the suit as a shape, red or black,
// so that a card reads the same whatever fonts the machine has.
#pragma once

#include <windows.h>

#include "Card.h"
#include "Handles.h"
#include "TableLayout.h"

namespace freecell {

class CardPainter {
 public:
  static constexpr int kWidth = TableLayout::kCardWidth;
  static constexpr int kHeight = TableLayout::kCardHeight;

  CardPainter();

  // selected: the card the player picked up, shown in the selection colour.
  void DrawCard(HDC dc, int left, int top, const Card& card, bool selected) const;
  // An empty free cell or foundation: an outline on the table.
  void DrawPlace(HDC dc, int left, int top) const;

 private:
  void DrawSuit(HDC dc, Suit suit, int centerX, int centerY, int size) const;
  // Returns the width of the rank text.
  int DrawRank(HDC dc, const Card& card, int left, int top) const;

  fw::UniqueGdi<HFONT> m_rankFont;
};

}  // namespace freecell
