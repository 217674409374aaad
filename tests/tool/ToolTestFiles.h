// Files, folders and registry keys as NuvariKit's tests look at them: whole, as bytes.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace tooltest {

// A file's bytes as they are on disk; nothing when it does not exist.
std::optional<std::string> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

// Removes a folder with everything in it.
void RemoveTree(const std::string& folder);
// The test program's working folder (a Wine path).
std::string CurrentFolder();

// Names and contents of a registry key's values, sorted ("Path=text", "icon=dword:1", ...), so a
// whole key compares in one assertion.
std::vector<std::string> DescribeKey(const std::string& keyPath);

// What the supervisor leaves behind after a session: its path and deal, pendingCount pending deals
// numbered from firstPending, a placement and its flags.
void StoreSupervisorSession(const std::string& path, const std::string& gameNo, int pendingCount, int firstPending);

}  // namespace tooltest
