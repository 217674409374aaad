// Command lines of the programs the build made.
#include "Programs.h"

#include "WinePath.h"

namespace nuvari::test {

std::string NuvariCommandLine() { return QuotedWinePath(NUVARI_EXE); }

std::string NuvariKitCommandLine() { return QuotedWinePath(NUVARIKIT_EXE); }

std::string StandInCommandLine(const std::string& switches, const std::string& logPath) {
  return QuotedWinePath(FREECELL_EXE) + " " + switches + " \"/log=" + logPath + "\"";
}

}  // namespace nuvari::test
