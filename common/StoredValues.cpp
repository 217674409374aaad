#include "StoredValues.h"

#include "StoreNames.h"
#include "TextNumber.h"

namespace nuvari {

std::int32_t NumberOrDefault(const std::string& text, const char* defaultText) {
  return ParseLeadingInt(text.empty() ? std::string(defaultText) : text);
}

std::vector<std::int32_t> ReadPendingList(const std::function<std::string(const std::string& name)>& read) {
  std::vector<std::int32_t> deals;
  for (;;) {
    const std::string text = read(store_names::PendingName(static_cast<int>(deals.size())));
    if (text.empty()) return deals;
    deals.push_back(ParseLeadingInt(text));
  }
}

}  // namespace nuvari
