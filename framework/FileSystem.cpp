#include "FileSystem.h"

#include <windows.h>

namespace fw {
namespace {

constexpr UINT kFolderBufferSize = 256;

bool IsDriveRoot(const std::string& path) {
  return path.size() == 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/') &&
         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

// A result of 0, or one that reports the needed size because it did not fit, counts as failed.
std::optional<std::string> FolderFrom(UINT (WINAPI* query)(LPSTR, UINT)) {
  char buffer[kFolderBufferSize] = {};
  const UINT length = query(buffer, kFolderBufferSize);
  if (length == 0 || length >= kFolderBufferSize) return std::nullopt;
  return std::string(buffer, length);
}

}  // namespace

bool FileExists(const std::string& path) {
  if (path.empty() || path.find_first_of("?*") != std::string::npos) return false;
  const bool folderName = path.back() == '\\' || path.back() == '/';
  return (!folderName || IsDriveRoot(path)) && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<std::string> WindowsDirectory() { return FolderFrom(&GetWindowsDirectoryA); }
std::optional<std::string> SystemDirectory() { return FolderFrom(&GetSystemDirectoryA); }

nuvari::FolderQueries SystemFolderQueries() {
  return {&WindowsDirectory, &SystemDirectory, &FileExists};
}

}  // namespace fw
