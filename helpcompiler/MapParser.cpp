// The context map, in the form the frame's help-id tools write it.
#include <charconv>

#include "SourceText.h"

namespace helpc {
namespace {

bool ParseNumber(std::string_view text, std::uint32_t& number) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number, base);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

void ParseContextMap(std::string_view text, HelpSource& source, Diagnostics& diagnostics) {
  int lineNumber = 0;
  for (const std::string_view rawLine : SourceLines(text)) {
    ++lineNumber;
    const std::string_view line = Trim(rawLine);
    if (line.empty() || line.front() == ';') continue;
    const std::size_t gap = line.find_first_of(" \t");
    MapEntry entry{std::string(line.substr(0, gap)), 0, lineNumber};
    const std::string_view number = gap == std::string_view::npos ? std::string_view() : Trim(line.substr(gap));
    if (number.empty() || number.find_first_of(" \t") != std::string_view::npos || !ParseNumber(number, entry.number)) {
      diagnostics.push_back({source.mapFile, lineNumber,
                             "expected a context id and a 32-bit number (decimal or 0x hexadecimal)"});
      continue;
    }
    source.map.push_back(std::move(entry));
  }
}

}  // namespace helpc
