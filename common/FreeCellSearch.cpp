#include "FreeCellSearch.h"

#include "Cp932.h"

namespace nuvari {
namespace {

// Windows folder\name, system folder\name, then system folder + "32\name"; stops at a failed query.
bool ExistsBelowFolders(const std::string& name, const FolderQueries& folders) {
  const std::optional<std::string> windows = folders.windowsDirectory();
  if (!windows) return false;
  if (folders.exists(*windows + "\\" + name)) return true;
  const std::optional<std::string> system = folders.systemDirectory();
  if (!system) return false;
  if (folders.exists(*system + "\\" + name)) return true;
  return folders.exists(*system + "32\\" + name);
}

}  // namespace

std::string SearchFreeCell(const FolderQueries& folders) {
  return ExistsBelowFolders(kFreeCellFileName, folders) ? kFreeCellFileName : "";
}

bool PathExistsInFreeCellFolders(const std::string& path, const FolderQueries& folders) {
  if (folders.exists(path)) return true;
  return ExistsBelowFolders(path, folders);
}

bool NamesFreeCell(const std::string& commandLine) {
  return ContainsCp932(ToLowerCp932(commandLine), kFreeCellFileName);
}

}  // namespace nuvari
