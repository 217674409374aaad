// Reading a value of any length through a fixed-buffer API that cuts what does not fit.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "WholeText.h"

namespace {

// Behaves like Wine's GetPrivateProfileStringA: copies size - 1 bytes when the value is longer,
// whatever character the cut falls into, and counts the calls. With `byCharacter`, like a reader
// that never cuts inside a double-byte character: it stops one byte early instead.
struct CuttingReader {
  std::string value;
  bool byCharacter = false;
  int calls = 0;
  std::size_t operator()(char* buffer, std::size_t size) {
    ++calls;
    std::size_t length = value.size() < size - 1 ? value.size() : size - 1;
    if (byCharacter) {
      length = 0;
      while (length < value.size()) {
        const std::size_t width = static_cast<unsigned char>(value[length]) >= 0x81 ? 2 : 1;
        if (length + width > size - 1) break;
        length += width;
      }
    }
    std::memcpy(buffer, value.data(), length);
    buffer[length] = '\0';
    return length;
  }
};

std::string DoubleByteText(std::size_t prefix, int characters) {
  std::string text(prefix, 'a');
  for (int i = 0; i < characters; ++i) text += "\x83\x41";  // katakana A in code page 932
  return text;
}

TEST(WholeText, ShortValuesNeedOneReadAndValuesAroundTheFirstBufferSizeAreWhole) {
  for (const char* value : {"", "freecell.exe"}) {
    CuttingReader reader{value};
    EXPECT_EQ(ReadWholeText(std::ref(reader)), value);
    EXPECT_EQ(reader.calls, 1);
  }
  for (std::size_t length = 250; length <= 260; ++length) {
    SCOPED_TRACE(length);
    CuttingReader reader{std::string(length, 'x')};
    EXPECT_EQ(ReadWholeText(std::ref(reader)), reader.value);
  }
}

TEST(WholeText, CutInsideADoubleByteCharacterIsNeverTaken) {
  for (std::size_t prefix = 250; prefix <= 256; ++prefix) {
    SCOPED_TRACE(prefix);
    CuttingReader cutting{DoubleByteText(prefix, 10)};
    EXPECT_EQ(ReadWholeText(std::ref(cutting)), cutting.value);
    CuttingReader stopping{DoubleByteText(prefix, 10), true};
    EXPECT_EQ(ReadWholeText(std::ref(stopping)), stopping.value);
  }
}

TEST(WholeText, VeryLongValueGrowsTheBufferRepeatedly) {
  CuttingReader reader{DoubleByteText(3, 5000)};
  EXPECT_EQ(ReadWholeText(std::ref(reader), 16), reader.value);
  EXPECT_GT(reader.calls, 2);
}

}  // namespace
