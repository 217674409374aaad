// Move texts.
#include "Move.h"

namespace freecell {

std::string Place::Text() const {
  const char letter = area == Area::Column ? 'c' : area == Area::Cell ? 'f' : 'h';
  return letter + std::to_string(index + 1);
}

std::string Move::Text() const { return from.Text() + " " + to.Text() + " " + std::to_string(count); }

}  // namespace freecell
