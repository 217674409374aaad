// The programs of this build as a test starts them under Wine: each command line begins with the
// program's quoted path.
#pragma once

#include <string>

namespace nuvari::test {

std::string NuvariCommandLine();
std::string NuvariKitCommandLine();
// The stand-in FreeCell with these switches, writing its events to the log file.
std::string StandInCommandLine(const std::string& switches, const std::string& logPath);

}  // namespace nuvari::test
