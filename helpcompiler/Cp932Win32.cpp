// Utf8ToCp932 on a Windows host (an MSVC build, where host and target are one): the system's own
// code page 932, one character at a time so that a failure names its character.
#include "Cp932Text.h"

#include <windows.h>

namespace helpc {
namespace {

// Length of the UTF-8 sequence that starts with this byte; 0 for a byte that cannot start one.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

bool AppendCharacter(std::string_view character, std::string& out) {
  wchar_t wide[2];
  const int wideLength = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, character.data(),
                                             static_cast<int>(character.size()), wide, 2);
  if (wideLength <= 0) return false;
  char bytes[4];
  BOOL usedDefault = FALSE;
  const int length = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide, wideLength, bytes, sizeof(bytes),
                                         nullptr, &usedDefault);
  if (length <= 0 || usedDefault) return false;
  out.append(bytes, static_cast<std::size_t>(length));
  return true;
}

}  // namespace

Cp932Conversion Utf8ToCp932(std::string_view utf8) {
  Cp932Conversion result;
  for (std::size_t at = 0; at < utf8.size();) {
    const std::size_t length = SequenceLength(static_cast<unsigned char>(utf8[at]));
    if (length == 0 || at + length > utf8.size() || !AppendCharacter(utf8.substr(at, length), result.bytes)) {
      result.bytes.clear();
      result.failedAt = at;
      return result;
    }
    at += length;
  }
  return result;
}

}  // namespace helpc
