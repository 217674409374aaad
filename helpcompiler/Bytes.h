// Building the file's little-endian structures, including the format's compressed numbers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace helpc {

class ByteWriter {
 public:
  void U8(std::uint32_t value) { m_data.push_back(static_cast<char>(value & 0xFF)); }
  void U16(std::uint32_t value) {
    U8(value);
    U8(value >> 8);
  }
  void U32(std::uint32_t value) {
    U16(value);
    U16(value >> 16);
  }
  void Append(std::string_view bytes) { m_data.append(bytes); }
  // A NUL-terminated string.
  void Text(std::string_view text) {
    Append(text);
    U8(0);
  }
  void Zeros(std::size_t count) { m_data.append(count, '\0'); }
  // Compressed numbers: the low bit of the first byte says whether the long form follows.
  void CompressedU16(std::uint32_t value) {
    if (value < 0x80) {
      U8(value * 2);
    } else {
      U8((value % 128) * 2 + 1);
      U8(value / 128);
    }
  }
  void CompressedS16(int value) {
    CompressedU16(static_cast<std::uint32_t>(value >= -0x40 && value < 0x40 ? value + 0x40 : value + 0x4000));
  }
  void CompressedU32(std::uint32_t value) {
    if (value < 0x8000) {
      U16(value * 2);
    } else {
      U16((value % 0x8000) * 2 + 1);
      U16(value / 0x8000);
    }
  }
  void CompressedS32(std::int32_t value) {
    CompressedU32(static_cast<std::uint32_t>(value >= -0x4000 && value < 0x4000 ? value + 0x4000
                                                                                : value + 0x4000000));
  }
  void Patch32(std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) m_data[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
  }

  std::size_t Size() const { return m_data.size(); }
  const std::string& Data() const { return m_data; }
  std::string Take() { return std::move(m_data); }

 private:
  std::string m_data;
};

}  // namespace helpc
