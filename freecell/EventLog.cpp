// The file is opened for each line so that every line is on disk at once and readers never meet a
// file held open by the stand-in (which may be killed by a test at any time).
#include "EventLog.h"

#include <fstream>

namespace freecell {

EventLog::EventLog(std::string path) : m_strPath(std::move(path)) {}

bool EventLog::Write(std::string_view event) const {
  if (m_strPath.empty()) return true;
  std::ofstream file(m_strPath, std::ios::binary | std::ios::app);
  file << event << "\r\n";
  file.flush();
  return file.good();
}

bool EventLog::Write(std::string_view event, std::string_view argument) const {
  std::string line(event);
  line += ' ';
  line += argument;
  return Write(line);
}

}  // namespace freecell
