#include "FreeCellSearch.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

// Folders and files of an imaginary PC; every existence test is recorded.
struct FakePc {
  std::optional<std::string> windows = "C:\\WINDOWS";
  std::optional<std::string> system = "C:\\WINDOWS\\SYSTEM";
  std::set<std::string> files;
  std::vector<std::string> asked;

  nuvari::FolderQueries Queries() {
    return {[this] { return windows; }, [this] { return system; },
            [this](const std::string& path) {
              asked.push_back(path);
              return files.count(path) > 0;
            }};
  }
};

}  // namespace

TEST(SearchFreeCell, TriesWindowsThenSystemThenSystem32) {
  FakePc pc;
  EXPECT_EQ(nuvari::SearchFreeCell(pc.Queries()), "");
  EXPECT_EQ(pc.asked, (std::vector<std::string>{"C:\\WINDOWS\\freecell.exe", "C:\\WINDOWS\\SYSTEM\\freecell.exe",
                                                "C:\\WINDOWS\\SYSTEM32\\freecell.exe"}));
  for (const char* place : {"C:\\WINDOWS\\freecell.exe", "C:\\WINDOWS\\SYSTEM\\freecell.exe",
                            "C:\\WINDOWS\\SYSTEM32\\freecell.exe"}) {
    FakePc found;
    found.files.insert(place);
    EXPECT_EQ(nuvari::SearchFreeCell(found.Queries()), "freecell.exe") << place;
  }
}

TEST(SearchFreeCell, AFailedFolderQueryEndsTheSearch) {
  FakePc noWindows;
  noWindows.windows.reset();
  noWindows.files.insert("C:\\WINDOWS\\SYSTEM\\freecell.exe");
  EXPECT_EQ(nuvari::SearchFreeCell(noWindows.Queries()), "");
  EXPECT_TRUE(noWindows.asked.empty());

  FakePc noSystem;
  noSystem.system.reset();
  noSystem.files.insert("C:\\WINDOWS\\SYSTEM32\\freecell.exe");
  EXPECT_EQ(nuvari::SearchFreeCell(noSystem.Queries()), "");
  EXPECT_EQ(noSystem.asked.size(), 1u);
}

TEST(PathExistsInFreeCellFolders, PathItselfThenTheThreeFolders) {
  FakePc pc;
  pc.files.insert("D:\\GAMES\\FREECELL.EXE");
  pc.files.insert("C:\\WINDOWS\\SYSTEM32\\sol.exe");
  EXPECT_TRUE(nuvari::PathExistsInFreeCellFolders("D:\\GAMES\\FREECELL.EXE", pc.Queries()));
  EXPECT_TRUE(nuvari::PathExistsInFreeCellFolders("sol.exe", pc.Queries()));
  pc.asked.clear();
  EXPECT_FALSE(nuvari::PathExistsInFreeCellFolders("", pc.Queries()));
  // An empty path gives candidates that end in a backslash; none of them names a file.
  EXPECT_EQ(pc.asked, (std::vector<std::string>{"", "C:\\WINDOWS\\", "C:\\WINDOWS\\SYSTEM\\", "C:\\WINDOWS\\SYSTEM32\\"}));
}

TEST(NamesFreeCell, ContainsTheFileNameInAnyCaseOfItsSingleByteLetters) {
  EXPECT_TRUE(nuvari::NamesFreeCell("freecell.exe"));
  EXPECT_TRUE(nuvari::NamesFreeCell("\"C:\\ゲーム\\FreeCell.EXE\" /x=3"));
  EXPECT_FALSE(nuvari::NamesFreeCell("C:\\WINDOWS\\notepad.exe freecell"));
  EXPECT_FALSE(nuvari::NamesFreeCell(""));
  // "ｆｒｅｅｃｅｌｌ" in full-width letters is not the file name.
  EXPECT_FALSE(nuvari::NamesFreeCell("ｆｒｅｅｃｅｌｌ.exe"));
}
