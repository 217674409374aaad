// The program object's services: its profile store in the registry and its message boxes; and the
// file-system queries under them.
#include <gtest/gtest.h>

#include "FileSystem.h"
#include "InProcess.h"
#include "MessageBoxRecorder.h"
#include "RegistryScope.h"

using nuvari::test::ReadRegistryTree;
using nuvari::test::ReadRegistryValue;
using nuvari::test::RegistryKeyExists;
using nuvari::test::RegistryScope;
using nuvari::test::RegistryTree;

TEST(FileSystem, WindowsAndSystemFoldersAndFilesFoldersWildcardsAndTrailingBackslashes) {
  const auto system = fw::SystemDirectory();
  ASSERT_TRUE(system);
  const std::string windows = fw::WindowsDirectory().value_or("");
  EXPECT_EQ(windows, "C:\\windows");
  EXPECT_EQ(system->rfind(windows, 0), 0u);
  EXPECT_TRUE(fw::FileExists(windows));
  EXPECT_TRUE(fw::FileExists(windows + "\\system.ini"));
  EXPECT_FALSE(fw::FileExists(windows + "\\"));  // a folder named with its backslash is no drive root
  EXPECT_TRUE(fw::FileExists("C:\\"));
  EXPECT_FALSE(fw::FileExists(windows + "\\*.ini"));
  EXPECT_FALSE(fw::FileExists(windows + "\\system.in?"));
  EXPECT_FALSE(fw::FileExists(""));
  EXPECT_FALSE(fw::FileExists(windows + "\\no-such-file.exe"));
}

class AppObject : public ::testing::Test {
 protected:
  RegistryScope registry;
  nuvari::test::TestApp app;
  nuvari::test::MessageBoxRecorder boxes;
};

TEST_F(AppObject, AReadCreatesTheKeyChain) {
  ASSERT_FALSE(RegistryKeyExists(RegistryScope::kMakerKey));
  EXPECT_EQ(app.GetProfileString("FreeCell", "Path", "fallback"), "fallback");
  EXPECT_TRUE(RegistryKeyExists(RegistryScope::kFreeCell));
  EXPECT_EQ(app.GetProfileInt("Window size", "icon", -7), -7);
  EXPECT_TRUE(RegistryKeyExists(RegistryScope::kWindowSize));
}

TEST_F(AppObject, TextIsRegSzWithItsZeroIntegersAreRegDwordAndWritingNoTextDeletes) {
  app.WriteProfileString("FreeCell", "GameNo", "123");
  app.WriteProfileInt("Window size", "max", -1);
  EXPECT_EQ(ReadRegistryTree(RegistryScope::kRoot),
            (RegistryTree{{"FreeCell\\GameNo", {REG_SZ, std::string("123\0", 4)}},
                          {"Window size\\max", {REG_DWORD, "\xff\xff\xff\xff"}}}));
  EXPECT_EQ(app.GetProfileInt("Window size", "max", 5), -1);
  app.WriteProfileString("FreeCell", "GameNo", nullptr);
  EXPECT_FALSE(ReadRegistryValue(RegistryScope::kFreeCell, "GameNo"));
}

TEST_F(AppObject, LongTextsAreReadWhole) {
  // Longer than any fixed buffer a reader might use, with double-byte characters at the end.
  const std::string longText = std::string(600, 'x') + "フリーセル";
  app.WriteProfileString("FreeCell", "Path", longText.c_str());
  EXPECT_EQ(app.GetProfileString("FreeCell", "Path"), longText);
}

// The recorder checks every caption: the title, from the resources.
TEST_F(AppObject, TheActiveWindowOwnsTheBoxWhoseButtonIsReturned) {
  EXPECT_EQ(app.m_strAppName, "Nuvari");
  HWND window = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  SetActiveWindow(window);
  boxes.answers.push_back(IDNO);
  EXPECT_EQ(app.DoMessageBox("テスト", MB_YESNO), IDNO);
  DestroyWindow(window);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(std::pair(boxes.boxes[0].owner, boxes.boxes[0].text), std::pair(window, std::string("テスト")));
}

TEST_F(AppObject, BoxesWithoutAnIconGetTheExclamationForTheCommonButtonSets) {
  struct Row { UINT requested; UINT shown; } rows[] = {
      {MB_OK, MB_OK | MB_ICONEXCLAMATION},
      {MB_OKCANCEL, MB_OKCANCEL | MB_ICONEXCLAMATION},
      {MB_YESNO, MB_YESNO | MB_ICONEXCLAMATION},
      {MB_YESNOCANCEL, MB_YESNOCANCEL | MB_ICONEXCLAMATION},
      {MB_ABORTRETRYIGNORE, MB_ABORTRETRYIGNORE},
      {MB_RETRYCANCEL, MB_RETRYCANCEL},
      {MB_OK | MB_ICONINFORMATION, MB_OK | MB_ICONINFORMATION},
      {MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2},
  };
  for (const Row& row : rows) {
    boxes.boxes.clear();
    app.DoMessageBox("x", row.requested);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].type, row.shown) << "requested " << row.requested;
  }
}
