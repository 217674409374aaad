// Reading the supervisor's stored values, wherever they are kept (registry or environment file):
// the same rules for numbers and for the pending list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace nuvari {

// A stored number: a missing or empty text takes the default text before it becomes a number.
std::int32_t NumberOrDefault(const std::string& text, const char* defaultText);

// The pending deals "Pending0", "Pending1", ... in order, up to the first missing or empty value;
// read(name) gives a value's text, empty when it is missing.
// At most atMost values are read.
std::vector<std::int32_t> ReadPendingList(const std::function<std::string(const std::string& name)>& read,
                                          std::size_t atMost = SIZE_MAX);

// The stored pending deals with each deal kept once, at its first position: a store ended half-way
// can leave a deal twice. Values that are no deal (0, outside 1..32000) all stay.
std::vector<std::int32_t> WithoutRepeatedDeals(const std::vector<std::int32_t>& stored);

}  // namespace nuvari
