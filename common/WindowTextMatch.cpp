#include "WindowTextMatch.h"

#include "Cp932.h"

namespace nuvari {

bool WindowTextMatches(std::string_view windowText, std::string_view text, int mode) {
  if (windowText.empty()) return false;
  switch (mode) {
    case kMatchEquals: return windowText == text;
    case kMatchContains: return ContainsCp932(windowText, text);
    default: return false;
  }
}

}  // namespace nuvari
