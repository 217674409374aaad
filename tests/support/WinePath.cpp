// Unix to Wine path conversion.
#include "WinePath.h"

namespace nuvari::test {

std::string ToWinePath(std::string_view unixPath) {
  std::string path = "Z:";
  for (char c : unixPath) path += c == '/' ? '\\' : c;
  return path;
}

std::string QuotedWinePath(std::string_view unixPath) { return "\"" + ToWinePath(unixPath) + "\""; }

}  // namespace nuvari::test
