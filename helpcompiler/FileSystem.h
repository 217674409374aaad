// The help file's outer layer: a header, the internal files one after another, each behind its
// own small header, and the directory of their names as a B+ tree at the end.
#pragma once

#include <map>
#include <string>

namespace helpc {

// Internal files by name; std::map keeps them in the byte order the directory needs.
using InternalFiles = std::map<std::string, std::string>;

std::string AssembleFileSystem(const InternalFiles& files);

}  // namespace helpc
