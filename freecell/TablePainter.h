// Lays out the table: four free cells and four foundations along the top, eight columns below.
#pragma once

#include <windows.h>

#include "CardPainter.h"
#include "Deal.h"

namespace freecell {

class TablePainter {
 public:
  static constexpr int kMargin = 8;
  static constexpr int kPitch = CardPainter::kWidth + 8;
  static constexpr int kColumnsTop = kMargin + CardPainter::kHeight + 24;
  static constexpr int kOverlap = 22;
  static constexpr int kClientWidth = 2 * kMargin + 8 * kPitch - 8;
  static constexpr int kClientHeight = kColumnsTop + 12 * kOverlap + CardPainter::kHeight + kMargin;

  // deal: none before the first deal; won: the cards are all on the foundations.
  void Paint(HDC dc, const RECT& client, const Deal* deal, bool won) const;

 private:
  void PaintTopRow(HDC dc, bool won) const;
  void PaintColumns(HDC dc, const Deal& deal) const;

  CardPainter m_cards;
};

}  // namespace freecell
