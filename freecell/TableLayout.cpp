// Table geometry.
#include "TableLayout.h"

#include <algorithm>

namespace freecell {

Box TableLayout::TopRowBox(Place place) {
  const int slot = place.area == Area::Cell ? place.index : 4 + place.index;
  const int left = kMargin + slot * kPitch;
  return {left, kMargin, left + kCardWidth, kMargin + kCardHeight};
}

int TableLayout::CardTop(int index, int size) {
  const int room = kClientHeight - kMargin - kCardHeight - kColumnsTop;
  const int overlap = size > 1 ? std::min(kOverlap, room / (size - 1)) : kOverlap;
  return kColumnsTop + index * overlap;
}

std::optional<Place> TableLayout::PlaceAt(Point point) {
  const int slot = (point.x - kMargin) / kPitch;
  if (point.x < kMargin || slot >= 8 || point.x - kMargin - slot * kPitch >= kCardWidth) return std::nullopt;
  if (point.y >= kMargin && point.y < kMargin + kCardHeight) {
    return slot < 4 ? CellPlace(slot) : FoundationPlace(slot - 4);
  }
  if (point.y >= kColumnsTop && point.y < kClientHeight) return ColumnPlace(slot);
  return std::nullopt;
}

Point TableLayout::ClickPoint(Place place) {
  if (place.area == Area::Column) return {ColumnLeft(place.index) + kCardWidth / 2, kColumnsTop + kOverlap / 2};
  const Box box = TopRowBox(place);
  return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

}  // namespace freecell
