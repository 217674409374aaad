// FreeCell's Windows 95 statistics values: four bytes b0..b3 standing for b0 + 256*b1 + ... as a
// signed 32-bit number.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Up to four bytes; a shorter value is taken as if the missing high bytes were zero.
std::int32_t DecodeLittleEndian32(std::string_view bytes);
std::string EncodeLittleEndian32(std::int32_t value);
