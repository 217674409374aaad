// Paths of the build tree as a program under Wine sees them: drive Z: is the Unix root.
#pragma once

#include <string>
#include <string_view>

namespace nuvari::test {

// "/work/build/x.exe" becomes "Z:\work\build\x.exe".
std::string ToWinePath(std::string_view unixPath);
// The same in quotes, as a command line starts with the program.
std::string QuotedWinePath(std::string_view unixPath);

}  // namespace nuvari::test
