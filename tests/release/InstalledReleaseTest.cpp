// The x64 installer as a player meets it, under Wine: a silent install into a fresh folder, the
// installed Nuvari started (its window shown, its help file found beside it), the Start-menu
// shortcuts and the entry in the list of installed programs, then a silent uninstall that removes
// all of it and leaves the player's settings as they were.
// Run by scripts/release-test against the release folder given in NUVARI_RELEASE.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "ChildProcess.h"
#include "HelpViewer.h"
#include "RegistryScope.h"
#include "WindowSearch.h"
#include "WinePath.h"

namespace {

using nuvari::test::ChildProcess;
using nuvari::test::PollUntil;

constexpr DWORD kStepMs = 60000;
const std::string kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Nuvari";

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string StartMenuFolder() {
  char programs[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs);
  return std::string(programs) + "\\Nuvari";
}

std::string FreshFolder() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  return std::string(temp) + "Nuvari release " + std::to_string(GetTickCount64());
}

// Starts the installed Nuvari with the stand-in as its FreeCell: its window comes, F1 shows a topic
// of its help file (no "not found" box), and it ends when closed.
void RunInstalledNuvari(const std::string& folder) {
  nuvari::test::WriteRegistryText(nuvari::test::RegistryScope::kFreeCell, "Path",
                                  nuvari::test::QuotedWinePath(FREECELL_EXE));
  ChildProcess nuvari("\"" + folder + "\\Nuvari.exe\"");
  ASSERT_TRUE(nuvari.Started());
  HWND main = nullptr;
  ASSERT_TRUE(PollUntil(kStepMs, [&] {
    main = nuvari::test::FindTopLevel("Nuvari", nuvari::test::Match::Equals, nuvari.Id());
    return main && !nuvari::test::IsDialog(main);
  })) << "no main window";
  {
    e2e::HelpViewer viewer;
    PostMessageA(main, WM_KEYDOWN, VK_F1, 0x003B0001);
    ASSERT_NE(viewer.WaitForWindow(kStepMs), nullptr);
    EXPECT_TRUE(PollUntil(kStepMs, [&] { return !viewer.TopicText().empty(); })) << "the viewer shows no topic";
    EXPECT_EQ(viewer.Box(), nullptr) << "the viewer did not find the help file";
    EXPECT_TRUE(viewer.Close());
  }
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(nuvari.WaitForExit(kStepMs).has_value()) << "Nuvari did not end when closed";
}

TEST(InstalledRelease, InstallsRunsAndUninstallsLeavingTheSettings) {
  const char* release = std::getenv("NUVARI_RELEASE");
  ASSERT_NE(release, nullptr) << "NUVARI_RELEASE names the release folder";
  const std::string setup = std::string(release) + "\\Nuvari-" NUVARI_VERSION "-x64-setup.exe";
  ASSERT_TRUE(Exists(setup)) << setup;
  nuvari::test::RegistryScope settings;
  const std::string folder = FreshFolder();
  const std::string startMenu = StartMenuFolder();

  // /D= comes last and unquoted, even with blanks in the path.
  ChildProcess install("\"" + setup + "\" /S /D=" + folder);
  ASSERT_TRUE(install.Started());
  ASSERT_EQ(install.WaitForExit(kStepMs), 0u);
  for (const char* file : {"Nuvari.exe", "NuvariKit.exe", "Nuvari.HLP", "Readme.txt", "Uninstall.exe"})
    EXPECT_TRUE(Exists(folder + "\\" + file)) << file;
  EXPECT_TRUE(Exists(startMenu + "\\Nuvari.lnk"));
  EXPECT_TRUE(Exists(startMenu + "\\Nuvari ﾂｰﾙ.lnk"));
  EXPECT_EQ(nuvari::test::ReadRegistryText(kUninstallKey, "DisplayName"), "Nuvari");
  EXPECT_EQ(nuvari::test::ReadRegistryText(kUninstallKey, "DisplayVersion"), NUVARI_VERSION);
  EXPECT_EQ(nuvari::test::ReadRegistryText(kUninstallKey, "Publisher"), "Talvenko");
  EXPECT_EQ(nuvari::test::ReadRegistryText(kUninstallKey, "InstallLocation"), folder);
  const auto size = nuvari::test::ReadRegistryValue(kUninstallKey, "EstimatedSize");
  ASSERT_TRUE(size.has_value());
  EXPECT_EQ(size->type, static_cast<DWORD>(REG_DWORD));
  ASSERT_EQ(size->bytes.size(), 4u);
  DWORD kib = 0;
  std::memcpy(&kib, size->bytes.data(), 4);
  EXPECT_GT(kib, 100u) << "the programs and the help file take several hundred KiB";

  RunInstalledNuvari(folder);
  const nuvari::test::RegistryTree before = nuvari::test::ReadRegistryTree(nuvari::test::RegistryScope::kRoot);
  ASSERT_EQ(before.count("FreeCell\\GameNo"), 1u) << "the installed Nuvari stored no settings of its own";

  // The uninstaller copies itself away and returns at once: its work is awaited by its effect.
  ChildProcess uninstall("\"" + folder + "\\Uninstall.exe\" /S");
  ASSERT_TRUE(uninstall.Started());
  EXPECT_TRUE(PollUntil(kStepMs, [&] { return !Exists(folder) && !nuvari::test::RegistryKeyExists(kUninstallKey); }))
      << "the folder or the uninstall entry is still there";
  EXPECT_FALSE(Exists(startMenu)) << "the Start-menu folder is still there";
  EXPECT_TRUE(nuvari::test::ReadRegistryTree(nuvari::test::RegistryScope::kRoot) == before)
      << "the uninstaller changed the player's settings";
}

}  // namespace
