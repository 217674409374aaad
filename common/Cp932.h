// Byte-string helpers for code page 932 (Shift-JIS) texts.
#pragma once

#include <string>
#include <string_view>

namespace nuvari {

// First byte of a double-byte character: 0x81-0x9F or 0xE0-0xFC.
bool IsCp932LeadByte(unsigned char c);

// Whether needle occurs in haystack at a character boundary, stepping one character at a time
// so that a match never starts on the second byte of a double-byte character. An empty needle
// matches at the first position.
bool ContainsCp932(std::string_view haystack, std::string_view needle);

// Single-byte letters A-Z become a-z; double-byte characters (whose trail bytes may be letters)
// are left as they are.
std::string ToLowerCp932(std::string_view text);

}  // namespace nuvari
