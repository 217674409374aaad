// Where everything lies on the stand-in's table, in client pixels: free cells and foundations along
// the top, eight columns below. Drawing, the mouse and the tests that click cards share it.
#pragma once

#include <optional>

#include "Move.h"

namespace freecell {

struct Point {
  int x = 0;
  int y = 0;
};

struct Box {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

class TableLayout {
 public:
  static constexpr int kCardWidth = 68;
  static constexpr int kCardHeight = 92;
  static constexpr int kMargin = 8;
  static constexpr int kPitch = kCardWidth + 8;
  static constexpr int kColumnsTop = kMargin + kCardHeight + 24;
  static constexpr int kOverlap = 22;
  static constexpr int kClientWidth = 2 * kMargin + 8 * kPitch - 8;
  static constexpr int kClientHeight = kColumnsTop + 12 * kOverlap + kCardHeight + kMargin;

  // A free cell or a foundation (by suit).
  static Box TopRowBox(Place place);
  static int ColumnLeft(int column) { return kMargin + column * kPitch; }
  // The top edge of card index (0: the back card) of a column of size cards; a long column closes up
  // so that its top card stays inside the window.
  static int CardTop(int index, int size);
  // The place under the point: a free cell, a foundation, or a column (anywhere down its strip).
  static std::optional<Place> PlaceAt(Point point);
  // A point that PlaceAt takes for the place.
  static Point ClickPoint(Place place);
};

}  // namespace freecell
