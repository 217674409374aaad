// Where freecell.exe is looked for when no usable path is at hand, and the settings dialog's
// check of a path against the same folders. The folder queries and the existence test come
// from the caller, so the rules themselves need no platform.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace nuvari {

struct FolderQueries {
  // Empty when the query failed: the search then ends as not found.
  std::function<std::optional<std::string>()> windowsDirectory;
  std::function<std::optional<std::string>()> systemDirectory;
  // A file or folder of that name exists.
  std::function<bool(const std::string&)> exists;
};

// The bare name the setting takes when FreeCell was found.
inline constexpr const char kFreeCellFileName[] = "freecell.exe";

// freecell.exe in the Windows folder, the system folder, or the system folder's name with "32"
// appended: "freecell.exe" at the first that exists, else empty.
std::string SearchFreeCell(const FolderQueries& folders);

// The command line names FreeCell: it contains "freecell.exe" once its single-byte letters are in
// lower case (the spelling itself is kept wherever the path is used).
bool NamesFreeCell(const std::string& commandLine);

// The path as it is, or below the Windows folder, the system folder or the "32" folder beside it.
bool PathExistsInFreeCellFolders(const std::string& path, const FolderQueries& folders);

}  // namespace nuvari
