// FreeCell's four-byte statistics values and the signed numbers the environment file carries.
#include <gtest/gtest.h>

#include <string>

#include "LittleEndian.h"

namespace {

TEST(LittleEndian, DecodesFourBytesAsSigned) {
  const struct {
    const char* bytes;
    std::int32_t value;
  } rows[] = {
      {"\x05\x00\x00\x00", 5},
      {"\xFF\xFF\xFF\xFF", -1},
      {"\x00\x01\x00\x00", 256},
      {"\x44\x33\x22\x11", 0x11223344},
      {"\x00\x00\x00\x80", INT32_MIN},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.value);
    EXPECT_EQ(DecodeLittleEndian32(std::string_view(row.bytes, 4)), row.value);
    EXPECT_EQ(EncodeLittleEndian32(row.value), std::string(row.bytes, 4));
  }
}

TEST(LittleEndian, ShorterValuesAreZeroExtended) {
  EXPECT_EQ(DecodeLittleEndian32(std::string_view("\xFF", 1)), 255);
  EXPECT_EQ(DecodeLittleEndian32(std::string_view("\x05\x01", 2)), 261);
  EXPECT_EQ(DecodeLittleEndian32(std::string_view("\xFF\xFF\xFF", 3)), 0xFFFFFF);
  EXPECT_EQ(DecodeLittleEndian32(std::string_view()), 0);
}

}  // namespace
