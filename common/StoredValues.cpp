#include "StoredValues.h"

#include "DealSequence.h"
#include "StoreNames.h"
#include "TextNumber.h"

namespace nuvari {

std::int32_t NumberOrDefault(const std::string& text, const char* defaultText) {
  return ParseLeadingInt(text.empty() ? std::string(defaultText) : text);
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
