#include "ToolFixture.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "FileSystem.h"
#include "Platform.h"

namespace tooltest {
namespace {

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

}  // namespace

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
    const auto value = testsupport::ReadRegistryValue(keyPath, name);
    std::string text = std::string(name) + "=";
    if (type == REG_DWORD && value && value->bytes.size() == 4) {
      DWORD number = 0;
      memcpy(&number, value->bytes.data(), 4);
      text += "dword:" + std::to_string(static_cast<long>(static_cast<LONG>(number)));
    } else if (type == REG_SZ) {
      text += testsupport::ReadRegistryText(keyPath, name).value_or("?");
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

void ToolTest::SetUp() {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  m_folder = CurrentFolder() + "\\tool-files\\" + info->test_suite_name() + "." + info->name();
  for (char& c : m_folder)
    if (c == '/') c = '_';
  RemoveTree(m_folder);
  CreateDirectoryA((CurrentFolder() + "\\tool-files").c_str(), nullptr);
  CreateDirectoryA(m_folder.c_str(), nullptr);
  CreateDirectoryA(WindowsFolder().c_str(), nullptr);
  CreateDirectoryA(SystemFolder().c_str(), nullptr);

  m_app.SetRegistryKey("Talvenko");
  testsupport::DeleteRegistryTree(kStatisticsKey);
  m_entpackPath = fw::WindowsDirectory().value() + "\\entpack.ini";
  m_savedEntpack = ReadFileBytes(m_entpackPath);
  DeleteFileA(m_entpackPath.c_str());

  m_dialog = std::make_unique<CNuvariKitDlg>();
  const std::string windows = WindowsFolder();
  const std::string system = SystemFolder();
  m_dialog->m_freeCellFolders.windowsDirectory = [windows] { return std::optional<std::string>(windows); };
  m_dialog->m_freeCellFolders.systemDirectory = [system] { return std::optional<std::string>(system); };
  UseFamily(WindowsFamily::WindowsNT);
}

void ToolTest::TearDown() {
  fw::platform::TestHooks().getVersionEx = nullptr;
  m_dialog.reset();
  testsupport::DeleteRegistryTree(kStatisticsKey);
  DeleteFileA(m_entpackPath.c_str());
  RemoveDirectoryA(m_entpackPath.c_str());
  if (m_savedEntpack) WriteFileBytes(m_entpackPath, *m_savedEntpack);
  // Wine keeps INI files it has read in a cache; a file changed behind it is noticed by its time.
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, m_entpackPath.c_str());
  RemoveTree(m_folder);
}

void ToolTest::UsePlatform(std::optional<DWORD> platformId) {
  fw::platform::TestHooks().getVersionEx = [platformId](OSVERSIONINFOA& info) -> BOOL {
    if (!platformId || info.dwOSVersionInfoSize != 148) return FALSE;
    info.dwPlatformId = *platformId;
    info.dwMajorVersion = 4;
    return TRUE;
  };
}

void ToolTest::UseFamily(WindowsFamily family) {
  switch (family) {
    case WindowsFamily::Windows95: UsePlatform(VER_PLATFORM_WIN32_WINDOWS); break;
    case WindowsFamily::WindowsNT: UsePlatform(VER_PLATFORM_WIN32_NT); break;
    case WindowsFamily::Unsupported: UsePlatform(VER_PLATFORM_WIN32s); break;
    case WindowsFamily::Unknown: UsePlatform(std::nullopt); break;
  }
}

void ToolTest::PutFreeCellInto(const std::string& folder) const {
  CreateDirectoryA(folder.c_str(), nullptr);
  WriteFileBytes(folder + "\\freecell.exe", "MZ");
}

std::vector<std::string> ToolTest::BoxTexts() const {
  std::vector<std::string> texts;
  for (const auto& box : m_boxes.boxes) texts.push_back(box.text);
  return texts;
}

}  // namespace tooltest
