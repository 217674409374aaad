#include "ToolFixture.h"

#include "FileSystem.h"
#include "Platform.h"

namespace tooltest {

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
  nuvari::test::DeleteRegistryTree(kStatisticsKey);
  m_entpackPath = fw::WindowsDirectory().value() + "\\entpack.ini";
  m_entpack.emplace(m_entpackPath);
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
  nuvari::test::DeleteRegistryTree(kStatisticsKey);
  RemoveDirectoryA(m_entpackPath.c_str());  // a test may put a folder in its place
  m_entpack.reset();
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

}  // namespace tooltest
