// Conversions between stored decimal text and 32-bit numbers, as the registry and INI values hold them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace nuvari {

// Leading white space, an optional sign, then digits up to the first other character; no digits gives 0.
// Values beyond the 32-bit range saturate instead of overflowing.
std::int32_t ParseLeadingInt(std::string_view text);

// Strict whole-number form of a dialog field: optional blanks/tabs, optional sign, digits, optional
// blanks/tabs, nothing else; empty when the text is not such a number. A number beyond the 32-bit
// range saturates, so a range check still calls it out of range.
std::optional<std::int32_t> ParseWholeInt(std::string_view text);

// Signed decimal, a minus sign only for negative values, no leading zeros.
std::string FormatInt(std::int32_t value);

}  // namespace nuvari
