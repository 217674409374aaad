// Draws the table as TableLayout lays it out: free cells and foundations along the top, eight
// columns below, the selected card marked.
#pragma once

#include <optional>

#include <windows.h>

#include "CardPainter.h"
#include "Move.h"
#include "Table.h"

namespace freecell {

class TablePainter {
 public:
  // table: none before the first deal; selected: the place whose card is picked up.
  void Paint(HDC dc, const RECT& client, const Table* table, std::optional<Place> selected) const;

 private:
  void PaintTopRow(HDC dc, const Table* table, std::optional<Place> selected) const;
  void PaintColumns(HDC dc, const Table& table, std::optional<Place> selected) const;

  CardPainter m_cards;
};

}  // namespace freecell
