// EnvironmentFile: the INI file that carries one player's environment data to another PC. Read a
// section at a time (EnvironmentReader takes the record from what was read); written as a fresh file.
#pragma once

#include <string>

#include "EnvironmentReader.h"
#include "EnvironmentRecord.h"
#include "PrivateProfile.h"

class EnvironmentFile {
 public:
  explicit EnvironmentFile(std::string path) : m_file(std::move(path)) {}

  // Each of the three sections read once; missing ones are empty. Touches no window, so it may run
  // on a worker thread.
  EnvironmentSections ReadSections() const;

  // quick and dblclick as the file holds them now (-1 when absent): the Windows NT family keeps
  // no such values, so an export there carries over what a Windows 95 export left in the file.
  void ReadOptionCarryOver(EnvironmentRecord& record) const;

  // Writes the record as a fresh file beside the old one and puts it in the old one's place only
  // when every entry was written, so a failed export loses nothing. False on failure.
  bool Save(const EnvironmentRecord& record) const;

  // The name of the file that is written before it replaces the old one.
  std::string FreshFilePath() const { return m_file.GetPath() + ".new"; }

 private:
  PrivateProfile m_file;
};
