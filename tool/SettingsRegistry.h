// SettingsRegistry: the supervisor's settings as the tool reads, rewrites and deletes them, between
// the environment record and the settings store both programs share (subkeys FreeCell and
// Window size of HKCU\Software\Talvenko\Nuvari).
#pragma once

#include "EnvironmentRecord.h"
#include "FreeCellSearch.h"
#include "WinApp.h"

class SettingsRegistry {
 public:
  SettingsRegistry(fw::CWinApp& app, const nuvari::FolderQueries& folders) : m_app(app), m_folders(folders) {}

  // Everything but FreeCell's statistics. An empty Path becomes "freecell.exe" when FreeCell lies
  // in one of the usual folders. Reading creates the keys when they are missing.
  void Load(EnvironmentRecord& record) const;
  // Path as this PC holds it, empty when there is none (no search).
  std::string StoredPath() const;
  // Top, Left and Rect as this PC holds them.
  void LoadWindowPosition(EnvironmentRecord& record) const;
  // Writes every value of the record (the keys were deleted before); false when any write failed.
  bool Save(const EnvironmentRecord& record) const;
  // Removes FreeCell, Window size and the application key, in this order; a key that is already
  // gone counts as removed. The maker's key stays.
  bool Delete() const;

 private:
  fw::CWinApp& m_app;
  const nuvari::FolderQueries& m_folders;
};
