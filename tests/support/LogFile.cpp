// Temporary log files.
#include "LogFile.h"

#include <algorithm>
#include <fstream>

#include <windows.h>

#include "WindowSearch.h"

namespace nuvari::test {

LogFile::LogFile(std::string_view prefix) {
  std::string folder(GetTempPathA(0, nullptr), '\0');
  folder.resize(GetTempPathA(static_cast<DWORD>(folder.size()), folder.data()));
  m_strPath = folder + std::string(prefix) + "-" + std::to_string(GetCurrentProcessId()) + "-" +
              std::to_string(GetTickCount64()) + ".log";
  DeleteFileA(m_strPath.c_str());
}

LogFile::~LogFile() { DeleteFileA(m_strPath.c_str()); }

std::vector<std::string> LogFile::Lines() const {
  std::vector<std::string> lines;
  std::ifstream file(m_strPath, std::ios::binary);
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool LogFile::Contains(std::string_view line) const {
  const std::vector<std::string> lines = Lines();
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool LogFile::WaitForLine(std::string_view line, unsigned timeoutMs) const {
  return PollUntil(timeoutMs, [&] { return Contains(line); });
}

}  // namespace nuvari::test
