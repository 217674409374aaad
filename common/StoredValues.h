// Reading the supervisor's stored values, wherever they are kept (registry or environment file):
// the same rules for numbers and for the pending list.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace nuvari {

// A stored number: a missing or empty text takes the default text before it becomes a number.
std::int32_t NumberOrDefault(const std::string& text, const char* defaultText);

// The pending deals "Pending0", "Pending1", ... in order, up to the first missing or empty value;
// read(name) gives a value's text, empty when it is missing.
std::vector<std::int32_t> ReadPendingList(const std::function<std::string(const std::string& name)>& read);

}  // namespace nuvari
