// A log file a started program appends to, in the temporary folder, removed when the test ends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace nuvari::test {

class LogFile {
 public:
  // A new, not yet existing file whose name begins with prefix.
  explicit LogFile(std::string_view prefix);
  ~LogFile();
  LogFile(const LogFile&) = delete;
  LogFile& operator=(const LogFile&) = delete;

  const std::string& Path() const { return m_strPath; }
  // The lines written so far, without their line ends; none while the file does not exist.
  std::vector<std::string> Lines() const;
  bool Contains(std::string_view line) const;
  // Polls until a line equal to line has been written; false at the time limit.
  bool WaitForLine(std::string_view line, unsigned timeoutMs) const;

 private:
  std::string m_strPath;
};

}  // namespace nuvari::test
