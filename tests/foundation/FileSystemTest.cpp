#include <gtest/gtest.h>

#include "FileSystem.h"

TEST(FileExists, FilesFoldersWildcardsAndTrailingBackslashes) {
  const std::string windows = *fw::WindowsDirectory();
  EXPECT_TRUE(fw::FileExists(windows));
  EXPECT_TRUE(fw::FileExists(windows + "\\system.ini"));
  EXPECT_FALSE(fw::FileExists(windows + "\\"));  // a folder named with its backslash is no drive root
  EXPECT_TRUE(fw::FileExists("C:\\"));
  EXPECT_FALSE(fw::FileExists(windows + "\\*.ini"));
  EXPECT_FALSE(fw::FileExists(windows + "\\system.in?"));
  EXPECT_FALSE(fw::FileExists(""));
  EXPECT_FALSE(fw::FileExists(windows + "\\no-such-file.exe"));
}

TEST(FolderQueries, WindowsAndSystemFolders) {
  const auto windows = fw::WindowsDirectory();
  const auto system = fw::SystemDirectory();
  ASSERT_TRUE(windows);
  ASSERT_TRUE(system);
  EXPECT_EQ(*windows, "C:\\windows");
  EXPECT_EQ(system->rfind(*windows, 0), 0u);
}
