// Table drawing.
#include "TablePainter.h"

#include "Handles.h"
#include "TableLayout.h"

namespace freecell {

void TablePainter::Paint(HDC dc, const RECT& client, const Table* table, std::optional<Place> selected) const {
  fw::UniqueGdi<HBRUSH> felt(CreateSolidBrush(RGB(0, 128, 0)));
  FillRect(dc, &client, felt.get());
  PaintTopRow(dc, table, selected);
  if (table != nullptr) PaintColumns(dc, *table, selected);
}

void TablePainter::PaintTopRow(HDC dc, const Table* table, std::optional<Place> selected) const {
  for (int cell = 0; cell < Table::kCells; ++cell) {
    const Box box = TableLayout::TopRowBox(CellPlace(cell));
    const std::optional<Card> card = table != nullptr ? table->Cell(cell) : std::nullopt;
    if (card) {
      m_cards.DrawCard(dc, box.left, box.top, *card, selected == CellPlace(cell));
    } else {
      m_cards.DrawPlace(dc, box.left, box.top);
    }
  }
  for (int suit = 0; suit < Card::kSuits; ++suit) {
    const Box box = TableLayout::TopRowBox(FoundationPlace(suit));
    const int rank = table != nullptr ? table->HomeRank(static_cast<Suit>(suit)) : 0;
    if (rank > 0) {
      m_cards.DrawCard(dc, box.left, box.top, Card(rank, static_cast<Suit>(suit)), false);
    } else {
      m_cards.DrawPlace(dc, box.left, box.top);
    }
  }
}

void TablePainter::PaintColumns(HDC dc, const Table& table, std::optional<Place> selected) const {
  for (int column = 0; column < Table::kColumns; ++column) {
    const std::span<const Card> cards = table.Column(column);
    const int size = static_cast<int>(cards.size());
    for (int index = 0; index < size; ++index) {
      const bool picked = selected == ColumnPlace(column) && index == size - 1;
      m_cards.DrawCard(dc, TableLayout::ColumnLeft(column), TableLayout::CardTop(index, size),
                       cards[static_cast<std::size_t>(index)], picked);
    }
  }
}

}  // namespace freecell
