// A move of the game: from one place on the table to another, with the number of cards it takes.
#pragma once

#include <cstdint>
#include <string>

namespace freecell {

enum class Area : std::uint8_t { Column, Cell, Foundation };

// A column (0-7), a free cell (0-3) or the foundation of a suit (the suit's number, 0-3).
struct Place {
  Area area = Area::Column;
  std::uint8_t index = 0;

  // As the event log writes it: "c1" to "c8", "f1" to "f4", "h1" to "h4" (clubs, diamonds, hearts, spades).
  std::string Text() const;
  bool operator==(const Place& other) const = default;
};

constexpr Place ColumnPlace(int index) { return {Area::Column, static_cast<std::uint8_t>(index)}; }
constexpr Place CellPlace(int index) { return {Area::Cell, static_cast<std::uint8_t>(index)}; }
constexpr Place FoundationPlace(int suit) { return {Area::Foundation, static_cast<std::uint8_t>(suit)}; }

struct Move {
  Place from;
  Place to;
  std::uint8_t count = 1;  // more than one only from column to column

  // "c3 c5 2": from, to and count, as the event log writes it.
  std::string Text() const;
  bool operator==(const Move& other) const = default;
};

}  // namespace freecell
