#include "Cp932.h"

namespace nuvari {

bool IsCp932LeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

namespace {
std::size_t CharLength(std::string_view text, std::size_t pos) {
  return IsCp932LeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}
}  // namespace

bool ContainsCp932(std::string_view haystack, std::string_view needle) {
  if (needle.empty()) return true;
  for (std::size_t pos = 0; pos + needle.size() <= haystack.size(); pos += CharLength(haystack, pos)) {
    if (haystack.compare(pos, needle.size(), needle) == 0) return true;
  }
  return false;
}

std::string ToLowerCp932(std::string_view text) {
  std::string result(text);
  for (std::size_t pos = 0; pos < result.size(); pos += CharLength(result, pos)) {
    if (result[pos] >= 'A' && result[pos] <= 'Z') result[pos] = static_cast<char>(result[pos] - 'A' + 'a');
  }
  return result;
}

}  // namespace nuvari
