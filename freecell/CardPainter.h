// Draws card faces and empty places: the rank in the corners and the suit as a shape, red or black,
// so that a card reads the same whatever fonts the machine has.
#pragma once

#include <windows.h>

#include "Card.h"
#include "Handles.h"

namespace freecell {

class CardPainter {
 public:
  static constexpr int kWidth = 68;
  static constexpr int kHeight = 92;

  CardPainter();

  void DrawCard(HDC dc, int left, int top, const Card& card) const;
  // An empty free cell or foundation: an outline on the table.
  void DrawPlace(HDC dc, int left, int top) const;

 private:
  void DrawSuit(HDC dc, Suit suit, int centerX, int centerY, int size) const;
  // Returns the width of the rank text.
  int DrawRank(HDC dc, const Card& card, int left, int top) const;

  fw::UniqueGdi<HFONT> m_rankFont;
};

}  // namespace freecell
