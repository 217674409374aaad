// Table drawing.
#include "TablePainter.h"

#include "Handles.h"

namespace freecell {

void TablePainter::Paint(HDC dc, const RECT& client, const Deal* deal, bool won) const {
  fw::UniqueGdi<HBRUSH> felt(CreateSolidBrush(RGB(0, 128, 0)));
  FillRect(dc, &client, felt.get());
  PaintTopRow(dc, won);
  if (deal != nullptr && !won) PaintColumns(dc, *deal);
}

void TablePainter::PaintTopRow(HDC dc, bool won) const {
  for (int place = 0; place < 4; ++place) m_cards.DrawPlace(dc, kMargin + place * kPitch, kMargin);
  const Suit suits[] = {Suit::Clubs, Suit::Diamonds, Suit::Hearts, Suit::Spades};
  for (int place = 0; place < 4; ++place) {
    const int left = kMargin + (4 + place) * kPitch;
    if (won) {
      m_cards.DrawCard(dc, left, kMargin, Card(13, suits[place]));
    } else {
      m_cards.DrawPlace(dc, left, kMargin);
    }
  }
}

void TablePainter::PaintColumns(HDC dc, const Deal& deal) const {
  for (int column = 0; column < Deal::kColumns; ++column) {
    int top = kColumnsTop;
    for (const Card& card : deal.Column(column)) {
      m_cards.DrawCard(dc, kMargin + column * kPitch, top, card);
      top += kOverlap;
    }
  }
}

}  // namespace freecell
