#include "ToolTestFiles.h"

#include <algorithm>
#include <cstring>

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

std::vector<std::string> DescribeKey(const std::string& keyPath) {
  if (!nuvari::test::RegistryKeyExists(keyPath)) return {"(no key)"};
  std::vector<std::string> values;
  for (const std::string& name : nuvari::test::RegistryNames(keyPath)) {
    const auto value = nuvari::test::ReadRegistryValue(keyPath, name);
    std::string text = name + "=";
    if (value && value->type == REG_DWORD && value->bytes.size() == 4) {
      DWORD number = 0;
      memcpy(&number, value->bytes.data(), 4);
      text += "dword:" + std::to_string(static_cast<long>(static_cast<LONG>(number)));
    } else if (value && value->type == REG_SZ) {
      text += nuvari::test::ReadRegistryText(keyPath, name).value_or("?");
    } else {
      text += "type" + std::to_string(value ? value->type : 0);
    }
    values.push_back(text);
  }
  // The registry enumerates values in an order of its own (Wine: sorted by name).
  std::sort(values.begin(), values.end());
  return values;
}

void StoreSupervisorSession(const std::string& path, const std::string& gameNo, int pendingCount, int firstPending) {
  using namespace nuvari::test;
  const char* fc = RegistryScope::kFreeCell;
  WriteRegistryTexts(fc, {{"Path", path}, {"GameNo", gameNo}, {"Top", "33"}, {"Left", "44"}, {"IdleRow", "1"},
                          {"AutoExit", "0"}, {"GameOverYourWin", "1"}, {"GameOverYourWinCnt", "5"}});
  for (int i = 0; i < pendingCount; ++i)
    WriteRegistryText(fc, "Pending" + std::to_string(i), std::to_string(firstPending + i));
  const char* ws = RegistryScope::kWindowSize;
  WriteRegistryText(ws, "Rect", "0200 0150 0740 0640");
  for (const auto& [name, flag] : {std::pair{"icon", 0u}, {"max", 1u}, {"tool", 0u}, {"status", 1u}})
    WriteRegistryDword(ws, name, flag);
}

}  // namespace tooltest
