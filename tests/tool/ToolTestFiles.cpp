#include "ToolTestFiles.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "RegistryScope.h"

namespace tooltest {

// Removes a folder with everything in it (the tests make only files and folders).
void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(path);
      else DeleteFileA(path.c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

std::string CurrentFolder() {
  std::string folder(MAX_PATH, '\0');
  folder.resize(GetCurrentDirectoryA(MAX_PATH, folder.data()));
  return folder;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::vector<std::string> DescribeKey(const std::string& keyPath) {
  std::vector<std::string> values;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return {"(no key)"};
  for (DWORD index = 0;; ++index) {
    char name[256] = {};  // value names of these keys are short
    DWORD nameSize = sizeof name;
    DWORD type = 0;
    if (RegEnumValueA(key, index, name, &nameSize, nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS) break;
    const auto value = nuvari::test::ReadRegistryValue(keyPath, name);
    std::string text = std::string(name) + "=";
    if (type == REG_DWORD && value && value->bytes.size() == 4) {
      DWORD number = 0;
      memcpy(&number, value->bytes.data(), 4);
      text += "dword:" + std::to_string(static_cast<long>(static_cast<LONG>(number)));
    } else if (type == REG_SZ) {
      text += nuvari::test::ReadRegistryText(keyPath, name).value_or("?");
    } else {
      text += "type" + std::to_string(type);
    }
    values.push_back(text);
  }
  RegCloseKey(key);
  // The registry enumerates values in an order of its own (Wine: sorted by name).
  std::sort(values.begin(), values.end());
  return values;
}

void StoreSupervisorSession(const std::string& path, const std::string& gameNo, int pendingCount, int firstPending) {
  using nuvari::test::WriteRegistryDword;
  using nuvari::test::WriteRegistryText;
  const char* fc = nuvari::test::RegistryScope::kFreeCell;
  WriteRegistryText(fc, "Path", path);
  WriteRegistryText(fc, "GameNo", gameNo);
  WriteRegistryText(fc, "Top", "33");
  WriteRegistryText(fc, "Left", "44");
  WriteRegistryText(fc, "IdleRow", "1");
  WriteRegistryText(fc, "AutoExit", "0");
  WriteRegistryText(fc, "GameOverYourWin", "1");
  WriteRegistryText(fc, "GameOverYourWinCnt", "5");
  for (int i = 0; i < pendingCount; ++i)
    WriteRegistryText(fc, "Pending" + std::to_string(i), std::to_string(firstPending + i));
  const char* ws = nuvari::test::RegistryScope::kWindowSize;
  WriteRegistryText(ws, "Rect", "0200 0150 0740 0640");
  WriteRegistryDword(ws, "icon", 0);
  WriteRegistryDword(ws, "max", 1);
  WriteRegistryDword(ws, "tool", 0);
  WriteRegistryDword(ws, "status", 1);
}

}  // namespace tooltest
