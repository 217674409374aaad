// Files, folders and registry keys as NuvariKit's tests look at them: whole, as bytes.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "Files.h"

namespace tooltest {

// The tool's messages, as the tests expect them.
inline constexpr char kWrittenText[] = "環境データを書き込みました。";
inline constexpr char kReadOutText[] = "環境データを読み出しました。";
inline constexpr char kPlacesQuestion[] =
    "ウィンドウの位置を書き込みますか？\n\n画面の解像度が違うパソコンから環境データ持ってくると、"
    "フリーセルが画面からはみ出すことがあります。";

// The least an environment file holds: the [FreeCell] section with the path and the two keys
// that make it one.
inline std::string MinimalFile(const std::string& path) {
  return "[FreeCell]\r\nPath=" + path + "\r\nIdleRow=0\r\nAutoExit=1\r\n";
}

using nuvari::test::ReadFileBytes;
using nuvari::test::WriteFileBytes;

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
