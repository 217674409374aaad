// FreeCell's four-byte statistics values and the signed numbers the environment file carries.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "LittleEndian.h"

namespace {

// Shorter values are zero-extended; only four bytes encode.
TEST(LittleEndian, DecodesFourBytesAsSigned) {
  const struct {
    std::string_view bytes;
    std::int32_t value;
  } rows[] = {
      {{"\x05\x00\x00\x00", 4}, 5},    {{"\xFF\xFF\xFF\xFF", 4}, -1},       {{"\x00\x01\x00\x00", 4}, 256},
      {{"\x44\x33\x22\x11", 4}, 0x11223344}, {{"\x00\x00\x00\x80", 4}, INT32_MIN}, {{"\xFF", 1}, 255},
      {{"\x05\x01", 2}, 261},             {{"\xFF\xFF\xFF", 3}, 0xFFFFFF},  {{}, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.value);
    EXPECT_EQ(DecodeLittleEndian32(row.bytes), row.value);
    if (row.bytes.size() == 4) { EXPECT_EQ(EncodeLittleEndian32(row.value), row.bytes); }
  }
}

}  // namespace
