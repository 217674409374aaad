// File-status and folder queries, with the rules the programs' path checks rely on.
#pragma once

#include <optional>
#include <string>

#include "FreeCellSearch.h"

namespace fw {

// A file or folder of that name exists. A name with ? or * never exists; a name ending in a
// backslash exists only when it is a drive's root folder.
bool FileExists(const std::string& path);

// The Windows and system folders, read into 256-byte buffers; empty when the query fails or
// its result does not fit.
std::optional<std::string> WindowsDirectory();
std::optional<std::string> SystemDirectory();

// The real folders and file test, for the FreeCell search.
nuvari::FolderQueries SystemFolderQueries();

}  // namespace fw
