#include "StoredValues.h"

#include <cstdio>
#include <string_view>

#include "DealSequence.h"
#include "StoreNames.h"
#include "TextNumber.h"

namespace nuvari {

std::string FormatStoredRect(const StoredRect& rect) {
  // Four numbers of at most 11 characters each ("-2147483648"), three blanks and the terminator.
  char text[4 * 11 + 3 + 1];
  std::snprintf(text, sizeof(text), "%04d %04d %04d %04d", static_cast<int>(rect.left), static_cast<int>(rect.top),
                static_cast<int>(rect.right), static_cast<int>(rect.bottom));
  return text;
}

std::string DefaultRectText() { return FormatStoredRect(defaults::kRect); }

StoredPoint StoredRectCorner(const std::string& text) {
  if (text.empty()) return {defaults::kRect.left, defaults::kRect.top};
  // A text too short to reach the top's position has no top: 0, never what lies beyond the text.
  const std::string_view topText = text.size() > 5 ? std::string_view(text).substr(5) : std::string_view();
  return {ParseLeadingInt(text), ParseLeadingInt(topText)};
}

std::int32_t NumberOrDefault(const std::string& text, std::int32_t defaultValue) {
  return text.empty() ? defaultValue : ParseLeadingInt(text);
}

std::vector<std::int32_t> ReadPendingList(const std::function<std::string(const std::string& name)>& read,
                                          std::size_t atMost) {
  std::vector<std::int32_t> deals;
  while (deals.size() < atMost) {
    const std::string text = read(store_names::PendingName(static_cast<int>(deals.size())));
    if (text.empty()) return deals;
    deals.push_back(ParseLeadingInt(text));
  }
  return deals;
}

std::vector<std::int32_t> WithoutRepeatedDeals(const std::vector<std::int32_t>& stored) {
  std::vector<std::int32_t> kept;
  std::vector<bool> seen(static_cast<std::size_t>(kLastDeal) + 1, false);
  for (const std::int32_t value : stored) {
    if (IsDeal(value)) {
      if (seen[static_cast<std::size_t>(value)]) continue;
      seen[static_cast<std::size_t>(value)] = true;
    }
    kept.push_back(value);
  }
  return kept;
}

}  // namespace nuvari
