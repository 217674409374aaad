// EnvironmentFile: the INI file that carries one player's environment data to another PC. Read
// entry by entry (a file without Path, IdleRow and AutoExit is not one); written as a fresh file.
#pragma once

#include <string>

#include "EnvironmentRecord.h"
#include "FreeCellSearch.h"
#include "PrivateProfile.h"
#include "WindowsFamily.h"

class EnvironmentFile {
 public:
  explicit EnvironmentFile(std::string path) : m_file(std::move(path)) {}

  // Fills the record; false when the file is not an environment file (fields read before the
  // failing key may already be replaced). A Path that names nothing on this PC becomes
  // "freecell.exe" when FreeCell lies in one of the usual folders.
  bool Load(EnvironmentRecord& record, WindowsFamily family, const nuvari::FolderQueries& folders) const;

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
