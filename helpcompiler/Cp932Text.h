// The one conversion of the compiler: UTF-8 source text to code page 932, as Windows converts it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace helpc {

struct Cp932Conversion {
  static constexpr std::size_t kComplete = static_cast<std::size_t>(-1);
  std::string bytes;
  // Offset in the UTF-8 text of the first character the code page cannot hold (or of the first
  // byte that is not UTF-8); kComplete when everything converted.
  std::size_t failedAt = kComplete;
  bool Complete() const { return failedAt == kComplete; }
};

Cp932Conversion Utf8ToCp932(std::string_view utf8);

}  // namespace helpc
